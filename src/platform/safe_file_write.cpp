#include "platform/safe_file_write.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

namespace platform {
namespace {

WriteFaultHook& faultHook() {
    static WriteFaultHook hook;
    return hook;
}

std::string systemMessage(int code) {
    return std::strerror(code);
}

bool fail(std::string* error, const std::string& what) {
    if (error)
        *error = what;
    return false;
}

// Closes the descriptor and removes the temporary file unless it was committed.
class TempFile {
  public:
    TempFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~TempFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_)
            ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    bool close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }
    void commit() { committed_ = true; }

  private:
    std::string path_;
    int fd_;
    bool committed_ = false;
};

bool writeAll(int fd, std::string_view bytes, bool injectFault, std::string* error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        std::size_t chunk = std::min<std::size_t>(bytes.size() - done, 1 << 16);
        if (injectFault)
            chunk = chunk / 2;  // a short write, as on a full disk
        const ssize_t n = chunk == 0 ? 0 : ::write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(error, systemMessage(errno));
        }
        if (injectFault || n == 0)
            return fail(error, systemMessage(ENOSPC));
        done += static_cast<std::size_t>(n);
    }
    if (injectFault)
        return fail(error, systemMessage(ENOSPC));
    return true;
}

// Renames without replacing; file systems without that rename get a hard link instead
// (the caller removes the temporary name afterwards).
bool moveWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    return ::link(from.c_str(), to.c_str()) == 0;
}

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A symbolic link keeps pointing at its file: the file it names is the one replaced.
std::string replacementTarget(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p(path);
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) {
        const auto resolved = std::filesystem::weakly_canonical(p, ec);
        if (!ec)
            return resolved.string();
    }
    return path;
}

}  // namespace

void setWriteFaultHook(WriteFaultHook hook) {
    faultHook() = std::move(hook);
}

void failNthWrite(int n) {
    auto remaining = std::make_shared<int>(n);
    // After it has fired once the hook stays installed but lets every write through.
    setWriteFaultHook([remaining](const std::string&) { return --*remaining == 0; });
}

bool writeFileAtomically(const std::string& requestedPath, std::string_view bytes,
                         std::string* error, const FileWriteOptions& options) {
    if (requestedPath.empty())
        return fail(error, systemMessage(ENOENT));
    const std::string path = replacementTarget(requestedPath);
    if (options.sizeMultiple > 0 && bytes.size() % options.sizeMultiple != 0) {
        return fail(error, "The data to write has a wrong size.");
    }
    const bool injectFault = faultHook() && faultHook()(requestedPath);

    const std::filesystem::path target(path);
    mode_t mode = static_cast<mode_t>(options.newFileMode);
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode))
            return fail(error, systemMessage(EISDIR));
        mode = old.st_mode & 07777;
    }

    std::string pattern = path + ".tmp-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return fail(error, systemMessage(errno));
    TempFile temp(pattern, fd);

    if (!writeAll(temp.fd(), bytes, injectFault, error))
        return false;
    struct stat written {};
    if (::fstat(temp.fd(), &written) != 0)
        return fail(error, systemMessage(errno));
    if (static_cast<std::size_t>(written.st_size) != bytes.size()) {
        return fail(error, systemMessage(ENOSPC));
    }
    if (::fchmod(temp.fd(), mode) != 0)
        return fail(error, systemMessage(errno));
    if (::fsync(temp.fd()) != 0)
        return fail(error, systemMessage(errno));
    if (!temp.close())
        return fail(error, systemMessage(errno));
    if (options.failIfExists) {
        if (!moveWithoutReplacing(temp.path(), path))
            return fail(error, systemMessage(errno));
        if (::access(temp.path().c_str(), F_OK) == 0)
            ::unlink(temp.path().c_str());
    } else if (::rename(temp.path().c_str(), path.c_str()) != 0) {
        return fail(error, systemMessage(errno));
    }
    temp.commit();
    syncFolder(target.parent_path());
    return true;
}

}  // namespace platform
