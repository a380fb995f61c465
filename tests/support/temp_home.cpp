#include "temp_home.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <sstream>

namespace testing_support {
namespace {

std::filesystem::path makeTempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/debt-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary folder from " << pattern;
    }
    return pattern;
}

}  // namespace

TempDir::TempDir() : path_(makeTempFolder()) {}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

TempHome::TempHome() : root_(makeTempFolder()) {
    const std::map<std::string, std::filesystem::path> vars = {
        {"HOME", home()},
        {"XDG_CONFIG_HOME", home() / ".config"},
        {"XDG_DATA_HOME", home() / ".local/share"},
        {"XDG_STATE_HOME", home() / ".local/state"},
        {"XDG_CACHE_HOME", home() / ".cache"},
        {"XDG_CONFIG_DIRS", root_ / "etc/xdg"},
        {"XDG_DATA_DIRS", root_ / "usr/share"},
        {"XDG_RUNTIME_DIR", root_ / "run"},
        {"XDG_DOCUMENTS_DIR", home() / "Documents"},
        {"XDG_DESKTOP_DIR", home() / "Desktop"},
        {"TMPDIR", root_ / "tmp"},
    };
    for (const auto& [name, value] : vars) {
        const char* old = std::getenv(name.c_str());
        saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        std::filesystem::create_directories(value);
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    std::filesystem::permissions(root_ / "run", std::filesystem::perms::owner_all);
}

TempHome::~TempHome() {
    for (const auto& [name, value] : saved_) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace testing_support
