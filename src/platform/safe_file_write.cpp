#include "platform/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

std::string systemMessage(int code) {
    return std::system_category().message(code);
}

// The file that a write to `path` must replace: the final target when `path` is a
// symbolic link (so the link survives), otherwise `path` itself.
std::filesystem::path replacementTarget(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path p(path);
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) {
        const auto resolved = std::filesystem::weakly_canonical(p, ec);
        if (!ec)
            return resolved;
    }
    return p;
}

bool writeAll(int fd, std::string_view bytes, std::string& error) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const std::size_t chunk = left < (std::size_t{1} << 20) ? left : (std::size_t{1} << 20);
        const ssize_t n = ::write(fd, p, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = systemMessage(errno);
            return false;
        }
        if (n == 0) {
            error = "The disk accepted no more data";
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Flushes the folder so that a rename inside it survives a power cut. File systems that
// cannot flush a folder say so with EINVAL; that is not a failure of the save.
bool syncFolder(const std::filesystem::path& folder, std::string& error) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = systemMessage(errno);
        return false;
    }
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    if (!ok)
        error = systemMessage(errno);
    ::close(fd);
    return ok;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    std::string why;
    const auto target = replacementTarget(path);
    const auto folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");

    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    // mkostemp creates the file with mode 0600 whatever the umask.
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = systemMessage(errno);
        return false;
    }

    bool ok = true;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        // Keep the replaced file's permissions (and, where allowed, its owner).
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            why = systemMessage(errno);
            ok = false;
        }
        if (ok && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
            [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
        }
    }

    ok = ok && writeAll(fd, bytes, why);
    if (ok && ::fsync(fd) != 0) {
        why = systemMessage(errno);
        ok = false;
    }
    if (ok) {
        struct stat written {};
        if (::fstat(fd, &written) != 0) {
            why = systemMessage(errno);
            ok = false;
        } else if (static_cast<unsigned long long>(written.st_size) != bytes.size()) {
            why = "The file holds " + std::to_string(written.st_size) + " bytes instead of " +
                  std::to_string(bytes.size());
            ok = false;
        }
    }
    // Some file systems (NFS) report write errors only when the file is closed.
    if (::close(fd) != 0 && ok) {
        why = systemMessage(errno);
        ok = false;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        why = systemMessage(errno);
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        if (error)
            *error = why;
        return false;
    }
    if (!syncFolder(folder, why)) {
        if (error)
            *error = why;
        return false;
    }
    return true;
}

}  // namespace platform
