#include "settings/toolbar_layouts.h"

#include <filesystem>

#include "app/versions.h"
#include "platform/ini_file.h"
#include "platform/text_compare.h"

namespace settings {
namespace {

constexpr const char* kLayoutValue = "Layout";

std::string toolbarsKey() {
    return std::string(kProductKey) + "\\Toolbars";
}

std::string toHex(const std::vector<std::uint8_t>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (std::uint8_t b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 0x0F];
    }
    return hex;
}

std::optional<std::vector<std::uint8_t>> fromHex(const std::string& hex) {
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const std::string pair = hex.substr(i, 2);
        char* end = nullptr;
        const unsigned long v = std::strtoul(pair.c_str(), &end, 16);
        if (*end != '\0')
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(v));
    }
    return bytes;
}

}  // namespace

bool ToolbarLayoutStore::inRegistry() const {
    const PrefLocation l = config_.prefLocation();
    return l == PrefLocation::Registry || l == PrefLocation::RegistryClassic;
}

std::string ToolbarLayoutStore::layoutFilePath() {
    const std::string path = config_.GetPrefFileName(cfgPerUserNonRoam);
    if (path.empty())
        return {};
    return platform::replaceAllIgnoreCase(path, ".ini", "_Toolbars.ini");
}

std::optional<std::vector<std::uint8_t>> ToolbarLayoutStore::load(const std::string& formName) {
    try {
        if (inRegistry()) {
            platform::RegistryKey key(config_.registry(), platform::RegRoot::CurrentUser);
            if (!key.openKeyReadOnly(toolbarsKey() + "\\" + formName))
                return std::nullopt;
            const auto v = key.value(kLayoutValue);
            if (!v || v->type != platform::RegType::Binary)
                return std::nullopt;
            return v->bytes;
        }
        const std::string path = layoutFilePath();
        if (path.empty())
            return std::nullopt;
        const platform::IniFile ini(path);
        const auto text = ini.read(formName, kLayoutValue);
        if (!text)
            return std::nullopt;
        return fromHex(*text);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool ToolbarLayoutStore::save(const std::string& formName,
                              const std::vector<std::uint8_t>& layout) {
    try {
        if (inRegistry()) {
            platform::RegistryKey key(config_.registry(), platform::RegRoot::CurrentUser);
            if (!key.openKey(toolbarsKey() + "\\" + formName, true))
                return false;
            key.writeBinaryData(kLayoutValue, layout.data(), static_cast<int>(layout.size()));
            key.closeKey();
            return true;
        }
        const std::string path = layoutFilePath();
        if (path.empty())
            return false;
        platform::IniFile ini(path);
        ini.writeString(formName, kLayoutValue, toHex(layout));
        return ini.save(nullptr);
    } catch (const std::exception&) {
        return false;
    }
}

void ToolbarLayoutStore::discardIfNewer(const std::string& storedVersion,
                                        const std::string& runningVersion) {
    if (app::CompareVersions(storedVersion, runningVersion) != 3)
        return;
    try {
        if (inRegistry()) {
            platform::RegistryKey key(config_.registry(), platform::RegRoot::CurrentUser);
            key.deleteKey(toolbarsKey());
            return;
        }
        const std::string path = layoutFilePath();
        std::error_code ec;
        if (!path.empty())
            std::filesystem::remove(path, ec);
    } catch (const std::exception&) {
    }
}

}  // namespace settings
