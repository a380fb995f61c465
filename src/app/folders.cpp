#include "app/folders.h"

#include <filesystem>

#include "app/activity_trail.h"

namespace app {
namespace {

std::string machineValue(platform::Registry& registry, const char* key, const char* name) {
    try {
        platform::RegistryKey reg(registry, platform::RegRoot::LocalMachine);
        if (!reg.openKeyReadOnly(key))
            return {};
        const auto v = reg.value(name);
        return v && v->type == platform::RegType::String ? v->text : std::string();
    } catch (const platform::RegistryError&) {
        return {};
    }
}

}  // namespace

std::string IncludeTrailingSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string GetDocumentsFolder(bool shared) {
    std::string folder;
    if (shared)
        folder = GetSpecialFolder(platform::csidl::CommonDocuments);
    if (folder.empty())
        folder = GetSpecialFolder(platform::csidl::Personal);
    if (folder.empty())
        folder = "/tmp/";
    return folder;
}

std::string GetDesktopFolder() {
    return GetSpecialFolder(platform::csidl::Desktop);
}

std::string GetTempFolder() {
    return platform::systemTempFolder();
}

std::string GetCommonFilesDir(platform::Registry& registry) {
    ScopedActivity activity("Globals.GetCommonFilesDir ");
    std::string folder = GetSpecialFolder(platform::csidl::ProgramFilesCommon);
    const std::string stored =
        machineValue(registry, "Software\\Microsoft\\Windows\\CurrentVersion", "CommonFilesDir");
    if (!stored.empty())
        folder = IncludeTrailingSeparator(stored);
    return folder;
}

std::string GetCommonAppDataDir(platform::Registry& registry) {
    ScopedActivity activity("Globals.GetCommonAppDataDir ");
    std::string folder = GetSpecialFolder(platform::csidl::CommonAppData);
    if (folder.empty()) {
        folder = IncludeTrailingSeparator(machineValue(
            registry, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
            "Common AppData"));
    }
    if (folder.empty())
        folder = "/etc/xdg/";
    return folder;
}

bool ForceDirectoriesEx(const std::string& folder) {
    if (folder.empty())
        return false;
    CurrentActivity().set("ForceDirectoriesEx(" + folder + ")");
    std::error_code ec;
    bool ok = std::filesystem::is_directory(folder, ec);
    if (!ok) {
        std::filesystem::create_directories(folder, ec);
        ok = std::filesystem::is_directory(folder, ec);
    }
    CurrentActivity().clear();
    return ok;
}

}  // namespace app
