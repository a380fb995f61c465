#include "platform/special_folders.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace platform {
namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string withSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string home() {
    return env("HOME");
}

// $XDG_<name>_HOME, else HOME + fallback.
std::string xdgHome(const char* var, const char* fallback) {
    std::string v = env(var);
    if (!v.empty() && v.front() == '/')
        return withSlash(v);
    const std::string h = home();
    return h.empty() ? std::string() : withSlash(h + fallback);
}

// A user folder: $XDG_<name>_DIR, else its line in user-dirs.dirs, else HOME + fallback.
std::string userDir(const char* name, const char* fallback) {
    const std::string var = std::string("XDG_") + name + "_DIR";
    std::string v = env(var.c_str());
    const std::string h = home();
    if (v.empty()) {
        const std::string config = xdgHome("XDG_CONFIG_HOME", "/.config");
        std::ifstream in(config + "user-dirs.dirs");
        std::string line;
        while (std::getline(in, line)) {
            if (line.rfind(var + "=", 0) != 0)
                continue;
            v = line.substr(var.size() + 1);
            if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
                v = v.substr(1, v.size() - 2);
            if (v.rfind("$HOME", 0) == 0)
                v = h + v.substr(5);
        }
    }
    if (!v.empty() && v.front() == '/')
        return withSlash(v);
    return h.empty() ? std::string() : withSlash(h + fallback);
}

}  // namespace

std::string GetSpecialFolder(int id) {
    switch (id) {
        case csidl::Desktop:
            return userDir("DESKTOP", "/Desktop");
        case csidl::Personal:
            return userDir("DOCUMENTS", "/Documents");
        case csidl::AppData:
            return xdgHome("XDG_CONFIG_HOME", "/.config");
        case csidl::LocalAppData:
            return xdgHome("XDG_STATE_HOME", "/.local/state");
        case csidl::CommonAppData: {
            std::string dirs = env("XDG_CONFIG_DIRS");
            dirs = dirs.substr(0, dirs.find(':'));
            return withSlash(dirs.empty() || dirs.front() != '/' ? "/etc/xdg" : dirs);
        }
        case csidl::ProgramFiles:
            return "/opt/";
        case csidl::ProgramFilesCommon:
            return "/usr/lib/";
        case csidl::CommonDocuments:
            return xdgHome("XDG_DATA_HOME", "/.local/share");
        default:
            return {};
    }
}

std::string systemTempFolder() {
    const std::string t = env("TMPDIR");
    return withSlash(t.empty() ? "/tmp" : t);
}

std::string mountPointOf(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::canonical(path, ec);
    if (ec)
        return {};
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0)
        return {};
    const dev_t device = st.st_dev;
    while (p != p.root_path()) {
        const std::filesystem::path parent = p.parent_path();
        struct stat ps {};
        if (::stat(parent.c_str(), &ps) != 0 || ps.st_dev != device)
            break;
        p = parent;
    }
    return withSlash(p.string());
}

}  // namespace platform
