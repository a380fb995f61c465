#include "plan/plan_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "platform/safe_file_write.h"

namespace plan {

FileHandle::~FileHandle() {
    if (fd_ >= 0)
        ::close(fd_);
}

namespace {

// Opens `path` only when it is a regular file: a folder or a device at the path counts
// as a file that cannot be opened. O_NONBLOCK keeps a named pipe from blocking the open.
FileHandle openRegularFile(const std::string& path, int mode) {
    FileHandle file(::open(path.c_str(), mode | O_CLOEXEC | O_NONBLOCK));
    if (!file.isOpen())
        return file;
    struct stat st {};
    if (::fstat(file.fd(), &st) != 0)
        return FileHandle();
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return FileHandle();
    }
    ::fcntl(file.fd(), F_SETFL, mode);
    return file;
}

}  // namespace

FileHandle openForReading(const std::string& path) {
    return openRegularFile(path, O_RDONLY);
}

FileHandle openForReadingAndWriting(const std::string& path) {
    return openRegularFile(path, O_RDWR);
}

std::string lastSystemError() {
    return std::system_category().message(errno);
}

int recordCountOf(const FileHandle& file) {
    struct stat st {};
    if (::fstat(file.fd(), &st) != 0)
        throw PlanFileError(lastSystemError());
    if (!S_ISREG(st.st_mode))
        throw PlanFileError("Not a regular file");
    const long long count = st.st_size / static_cast<long long>(kClientRecSize);
    return count > 0x7fffffff ? 0x7fffffff : static_cast<int>(count);
}

bool readAt(const FileHandle& file, long long offset, char* buffer, std::size_t length) {
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(file.fd(), buffer + done, length - done,
                                  static_cast<off_t>(offset + static_cast<long long>(done)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool readRecord(const FileHandle& file, int k, TClientRec& out) {
    if (!file.isOpen() || k < 0)
        return false;
    TClientRec rec;
    if (!readAt(file, static_cast<long long>(k) * static_cast<long long>(kClientRecSize),
                reinterpret_cast<char*>(&rec), kClientRecSize)) {
        return false;
    }
    out = rec;
    return true;
}

std::string readWholeRecords(const FileHandle& file) {
    const int count = recordCountOf(file);
    std::string bytes(static_cast<std::size_t>(count) * kClientRecSize, '\0');
    errno = 0;
    if (!readAt(file, 0, bytes.data(), bytes.size())) {
        const std::string why = errno != 0 ? lastSystemError() : "Read beyond end of file";
        throw PlanFileError(why);
    }
    return bytes;
}

bool replaceRecordFile(const std::string& path, std::string_view records, std::string* error) {
    if (records.size() % kClientRecSize != 0) {
        if (error)
            *error = "The new content is not a whole number of plan records";
        return false;
    }
    return platform::writeFileAtomically(path, records, error);
}

}  // namespace plan
