#pragma once

// Points HOME, the XDG folders and TMPDIR at a fresh temporary folder for the life of
// the object, so a test never touches the real profile. Restores them afterwards.

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace testing_support {

class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path home() const { return root_ / "home"; }

private:
    std::filesystem::path root_;
    std::map<std::string, std::optional<std::string>> saved_;
};

// A fresh empty folder, removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Writes `bytes` to `path`, replacing what is there.
void writeFile(const std::filesystem::path& path, const std::string& bytes);
// Reads the whole file; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

}  // namespace testing_support
