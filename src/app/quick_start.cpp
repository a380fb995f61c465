#include "app/quick_start.h"

#include <filesystem>

#include "app/activity_trail.h"
#include "app/folders.h"

namespace app {
namespace {

namespace fs = std::filesystem;
using platform::RegistryKey;
using platform::RegRoot;

bool isFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// The file as named, or on Linux the same name without ".exe".
std::string existingProgram(const std::string& path) {
    if (isFile(path))
        return path;
    const std::string bare = path.substr(0, path.size() - 4);
    return isFile(bare) ? bare : std::string();
}

std::string commonViewer(platform::Registry& registry) {
    return GetCommonFilesDir(registry) + "Quorvale/" + kQuickStartViewer;
}

std::string stringValue(platform::Registry& registry, RegRoot root, const char* key,
                        const char* name) {
    RegistryKey reg(registry, root);
    if (!reg.openKeyReadOnly(key))
        return {};
    const auto v = reg.value(name);
    return v && v->type == platform::RegType::String ? v->text : std::string();
}

}  // namespace

bool QuickStartAtStartup(platform::Registry& registry, const std::string& productKeyName) {
    try {
        RegistryKey reg(registry, RegRoot::CurrentUser);
        const std::string key = kQuickStartKeyPrefix + productKeyName;
        if (!reg.openKey(key, true) && !reg.openKeyReadOnly(key))
            return true;
        bool show = true;
        if (reg.valueExists(kQuickStartValue))
            show = !reg.readBool(kQuickStartValue);
        reg.closeKey();
        return show;
    } catch (const platform::RegistryError&) {
        return true;
    }
}

void SetQuickStartAtStartup(platform::Registry& registry, const std::string& productKeyName,
                            bool show) {
    try {
        RegistryKey reg(registry, RegRoot::CurrentUser);
        if (!reg.openKey(kQuickStartKeyPrefix + productKeyName, true))
            return;
        reg.writeBool(kQuickStartValue, !show);
        reg.closeKey();
    } catch (const platform::RegistryError&) {
    }
}

std::string FindQuickStartViewer(platform::Registry& registry, const std::string& programFolder) {
    try {
        const std::string candidates[] = {
            commonViewer(registry),
            programFolder + kQuickStartViewer,
            (fs::path(programFolder + "../Common Files/") / kQuickStartViewer)
                .lexically_normal()
                .string(),
        };
        for (const std::string& c : candidates) {
            if (std::string found = existingProgram(c); !found.empty())
                return found;
        }
    } catch (...) {
    }
    return {};
}

bool QuickStartAvailable(platform::Registry& registry, const std::string& programFolder) {
    return isFile(programFolder + kQuickStartDocument) &&
           !existingProgram(commonViewer(registry)).empty();
}

void LaunchQuickStart(platform::Registry& registry, platform::ProgramLauncher& launcher,
                      const std::string& programFolder, const std::string& title,
                      const std::string& document) {
    const std::string viewer = FindQuickStartViewer(registry, programFolder);
    if (viewer.empty())
        return;
    // Linux folder names differ by case, so the program folder is used as it is.
    const std::string path =
        document.find('/') == std::string::npos ? programFolder + document : document;
    launcher.startDetached(viewer, {"/F" + path, "/N" + title});
}

std::string GetInstallPathname(platform::Registry& registry) {
    ScopedActivity activity("Globals.GetInstallPathname ");
    try {
        const char* key = "Software\\Quorvale\\Zelvane";
        std::string path = stringValue(registry, RegRoot::LocalMachine, key, "Install File");
        if (path.empty())
            path = stringValue(registry, RegRoot::CurrentUser, key, "Install File");
        return path;
    } catch (const platform::RegistryError&) {
        return {};
    }
}

std::string OrderIdFromInstallPath(const std::string& installPath) {
    // The installer may have stored a Windows path.
    std::string name = installPath.substr(installPath.find_last_of("/\\") + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    const std::size_t dash = name.find('-');
    if (dash == std::string::npos)
        return {};
    return "?ID=" + name.substr(dash + 1);
}

std::string GetOrderID(platform::Registry& registry) {
    ScopedActivity activity("Globals.GetOrderID ");
    return OrderIdFromInstallPath(GetInstallPathname(registry));
}

}  // namespace app
