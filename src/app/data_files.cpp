#include "app/data_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/folders.h"
#include "platform/safe_file_write.h"

namespace app {
namespace {

namespace fs = std::filesystem;

// Reads the whole file; the error code is 0 on success.
int readWhole(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return errno != 0 ? errno : ENOENT;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad())
        return EIO;
    bytes = s.str();
    return 0;
}

// Copies the file over `to` (or, with `keepExisting`, only to a name still free), keeping
// its modification time as a Windows file copy does. Returns the system's message on
// failure, else an empty text.
std::string copyOver(const std::string& from, const std::string& to, bool keepExisting = false) {
    errno = 0;
    std::string bytes;
    if (const int rc = readWhole(from, bytes); rc != 0)
        return std::strerror(rc);
    std::string error;
    platform::FileWriteOptions options;
    options.failIfExists = keepExisting;
    if (!platform::writeFileAtomically(to, bytes, &error, options)) {
        return error.empty() ? "I/O error" : error;
    }
    std::error_code ec;
    const auto time = fs::last_write_time(from, ec);
    if (!ec)
        fs::last_write_time(to, time, ec);
    return {};
}

}  // namespace

std::string SharedDataFolder() {
    return GetDocumentsFolder(true) + kSharedDataFolder;
}

std::string DataFilePathFor(int prefLocation, const std::string& programFolder) {
    if (prefLocation == kPortableLocation)
        return programFolder + kDataFileName;
    return SharedDataFolder() + "/" + kDataFileName;
}

std::int64_t FileSizeOf(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return 0;
    const auto size = fs::file_size(path, ec);
    return ec ? 0 : static_cast<std::int64_t>(size);
}

std::int64_t FileByteCount(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st {};
    const int rc = ::fstat(fd, &st);
    ::close(fd);
    return rc == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
}

bool CopyFileNoOverwrite(const std::string& from, const std::string& to) {
    std::error_code ec;
    if (fs::exists(to, ec) || !fs::is_regular_file(from, ec))
        return false;
    return copyOver(from, to, true).empty();
}

void MoveDataFile(int oldLocation, int newLocation, const std::string& programFolder,
                  const std::string& displayName, platform::MessageBoxes& boxes) {
    if (oldLocation == newLocation)
        return;
    const std::string oldPath = DataFilePathFor(oldLocation, programFolder);
    const std::string newPath = DataFilePathFor(newLocation, programFolder);
    std::error_code ec;
    if (fs::exists(oldPath, ec) && fs::exists(newPath, ec)) {
        const auto oldTime = fs::last_write_time(oldPath, ec);
        const auto newTime = fs::last_write_time(newPath, ec);
        if (FileSizeOf(oldPath) == FileSizeOf(newPath) && oldTime == newTime)
            return;
        if (!(oldTime > newTime))
            return;
    }
    const std::string error = copyOver(oldPath, newPath);
    if (!error.empty()) {
        platform::showOk(
            boxes, displayName + ": Error copying debt file",
            "The debt file could not be copied due to the following error:\r\n" + error,
            platform::MsgIcon::Warning);
    }
}

}  // namespace app
