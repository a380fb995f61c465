#include "settings/config_base.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <vector>

#include "app/folders.h"
#include "app/path_macros.h"
#include "platform/ini_file.h"
#include "platform/text_compare.h"

namespace settings {

using platform::RegistryKey;
using platform::RegRoot;
using platform::RegType;
using platform::RegValue;

// The implementation of the typed operations for the open section. Failures throw;
// TConfigBase turns them into message boxes.
class PrefBackend {
  public:
    virtual ~PrefBackend() = default;
    virtual void close() = 0;
    virtual std::int32_t getInteger(const std::string& section, const std::string& name,
                                    std::int32_t def) = 0;
    virtual void setInteger(const std::string& section, const std::string& name,
                            std::int32_t value) = 0;
    virtual std::string getString(const std::string& section, const std::string& name,
                                  const std::string& def) = 0;
    virtual void setString(const std::string& section, const std::string& name,
                           const std::string& value) = 0;
    virtual bool getBoolean(const std::string& section, const std::string& name, bool def) = 0;
    virtual void setBoolean(const std::string& section, const std::string& name, bool value) = 0;
    virtual int getBinary(const std::string& section, const std::string& name, int size,
                          void* buffer) = 0;
    virtual void setBinary(const std::string& section, const std::string& name, int size,
                           const void* buffer) = 0;
};

namespace {

constexpr const char* kScratchValue = "CanWriteRegKey Scratch";

// ---- registry: one key ----

std::int32_t regInteger(const RegistryKey& key, const std::string& name, std::int32_t def) {
    return key.valueExists(name) ? key.readInteger(name) : def;
}

std::string regString(const RegistryKey& key, const std::string& name, const std::string& def) {
    return key.valueExists(name) ? key.readString(name) : def;
}

bool regBoolean(const RegistryKey& key, const std::string& name, bool def) {
    return key.valueExists(name) ? key.readBool(name) : def;
}

int regBinary(const RegistryKey& key, const std::string& name, int size, void* buffer) {
    return key.valueExists(name) ? key.readBinaryData(name, buffer, size) : -1;
}

class RegistrySingleBackend final : public PrefBackend {
  public:
    RegistrySingleBackend(platform::Registry& registry, RegRoot root) : key_(registry, root) {}
    bool open(const std::string& key, bool canCreate) { return key_.openKey(key, canCreate); }

    void close() override { key_.closeKey(); }
    std::int32_t getInteger(const std::string&, const std::string& name,
                            std::int32_t def) override {
        return regInteger(key_, name, def);
    }
    void setInteger(const std::string&, const std::string& name, std::int32_t value) override {
        key_.writeInteger(name, value);
    }
    std::string getString(const std::string&, const std::string& name,
                          const std::string& def) override {
        return regString(key_, name, def);
    }
    void setString(const std::string&, const std::string& name, const std::string& value) override {
        key_.writeString(name, value);
    }
    bool getBoolean(const std::string&, const std::string& name, bool def) override {
        return regBoolean(key_, name, def);
    }
    void setBoolean(const std::string&, const std::string& name, bool value) override {
        key_.writeBool(name, value);
    }
    int getBinary(const std::string&, const std::string& name, int size, void* buffer) override {
        return regBinary(key_, name, size, buffer);
    }
    void setBinary(const std::string&, const std::string& name, int size,
                   const void* buffer) override {
        key_.writeBinaryData(name, buffer, size);
    }

  private:
    RegistryKey key_;
};

// ---- registry: the user's values over the machine's ----

class RegistryOverlayBackend final : public PrefBackend {
  public:
    explicit RegistryOverlayBackend(platform::Registry& registry)
        : machine_(registry, RegRoot::LocalMachine), user_(registry, RegRoot::CurrentUser) {}

    bool open(const std::string& key, bool canCreate) {
        try {
            machine_.openKeyReadOnly(key);
        } catch (const platform::RegistryError&) {
            // Without machine values every read falls back to the user's or the default.
        }
        return user_.openKey(key, canCreate);
    }

    void close() override {
        machine_.closeKey();
        user_.closeKey();
    }

    std::int32_t getInteger(const std::string&, const std::string& name,
                            std::int32_t def) override {
        return regInteger(source(name), name, def);
    }
    void setInteger(const std::string&, const std::string& name, std::int32_t value) override {
        const auto m = machineValue(name);
        if (shouldWrite(name, m && m->type == RegType::DWord &&
                                  static_cast<std::int32_t>(m->dword) == value)) {
            user_.writeInteger(name, value);
        }
    }
    std::string getString(const std::string&, const std::string& name,
                          const std::string& def) override {
        return regString(source(name), name, def);
    }
    void setString(const std::string&, const std::string& name, const std::string& value) override {
        const auto m = machineValue(name);
        if (shouldWrite(name, m && m->type == RegType::String && m->text == value)) {
            user_.writeString(name, value);
        }
    }
    bool getBoolean(const std::string&, const std::string& name, bool def) override {
        return regBoolean(source(name), name, def);
    }
    void setBoolean(const std::string&, const std::string& name, bool value) override {
        const auto m = machineValue(name);
        if (shouldWrite(name, m && m->type == RegType::DWord && (m->dword != 0) == value)) {
            user_.writeBool(name, value);
        }
    }
    int getBinary(const std::string&, const std::string& name, int size, void* buffer) override {
        return regBinary(source(name), name, size, buffer);
    }
    void setBinary(const std::string&, const std::string& name, int size,
                   const void* buffer) override {
        const auto m = machineValue(name);
        const auto* p = static_cast<const std::uint8_t*>(buffer);
        const std::vector<std::uint8_t> bytes(p, p + (size > 0 ? size : 0));
        if (shouldWrite(name, m && m->type == RegType::Binary && m->bytes == bytes)) {
            user_.writeBinaryData(name, buffer, size);
        }
    }

  private:
    const RegistryKey& source(const std::string& name) const {
        if (user_.valueExists(name) || !machine_.valueExists(name))
            return user_;
        return machine_;
    }
    std::optional<RegValue> machineValue(const std::string& name) const {
        return machine_.value(name);
    }
    // A value equal to the machine's that the user key does not hold yet stays unwritten.
    bool shouldWrite(const std::string& name, bool equalsMachineValue) const {
        return user_.valueExists(name) || !machine_.valueExists(name) || !equalsMachineValue;
    }

    RegistryKey machine_;
    RegistryKey user_;
};

// ---- INI files ----

std::optional<std::int32_t> parseIniInteger(const std::string& text) {
    std::string t = platform::trimBlanks(text);
    bool negative = false;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
        negative = t[0] == '-';
        t.erase(0, 1);
    }
    int base = 10;
    if (!t.empty() && t[0] == '$') {
        base = 16;
        t.erase(0, 1);
    } else if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        base = 16;
        t.erase(0, 2);
    }
    if (t.empty())
        return std::nullopt;
    const auto first = static_cast<unsigned char>(t[0]);
    if (base == 10 ? !std::isdigit(first) : !std::isxdigit(first))
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(t.c_str(), &end, base);
    if (*end != '\0' || errno == ERANGE)
        return std::nullopt;
    const long long signedValue = negative ? -v : v;
    if (base == 16 && !negative && v <= 0xFFFFFFFFLL) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(signedValue);
}

class IniBackend final : public PrefBackend {
  public:
    IniBackend(const std::string& path, std::string rootSection)
        : file_(path), root_(std::move(rootSection)) {}

    void close() override {
        std::string error;
        if (!file_.save(&error))
            throw std::runtime_error(error);
    }
    std::int32_t getInteger(const std::string& section, const std::string& name,
                            std::int32_t def) override {
        const auto text = file_.read(sectionOf(section), name);
        if (!text)
            return def;
        return parseIniInteger(*text).value_or(def);
    }
    void setInteger(const std::string& section, const std::string& name,
                    std::int32_t value) override {
        file_.writeString(sectionOf(section), name, std::to_string(value));
    }
    std::string getString(const std::string& section, const std::string& name,
                          const std::string& def) override {
        return file_.readString(sectionOf(section), name, def);
    }
    void setString(const std::string& section, const std::string& name,
                   const std::string& value) override {
        file_.writeString(sectionOf(section), name, value);
    }
    bool getBoolean(const std::string& section, const std::string& name, bool def) override {
        return getInteger(section, name, def ? 1 : 0) != 0;
    }
    void setBoolean(const std::string& section, const std::string& name, bool value) override {
        setInteger(section, name, value ? 1 : 0);
    }
    int getBinary(const std::string& section, const std::string& name, int size,
                  void* buffer) override {
        const auto text = file_.read(sectionOf(section), name);
        if (!text)
            return -1;
        const std::string hex = platform::trimBlanks(*text);
        if (hex.size() % 2 != 0)
            throw std::runtime_error("Invalid binary value: GetPrefBinary_File");
        const int count = static_cast<int>(hex.size() / 2);
        if (count > size)
            throw std::runtime_error("Buffer overflow: GetPrefBinary_File");
        auto* out = static_cast<std::uint8_t*>(buffer);
        for (int i = 0; i < count; ++i) {
            const std::string pair = hex.substr(static_cast<std::size_t>(i) * 2, 2);
            if (!std::isxdigit(static_cast<unsigned char>(pair[0])) ||
                !std::isxdigit(static_cast<unsigned char>(pair[1]))) {
                throw std::runtime_error("Invalid binary value: GetPrefBinary_File");
            }
            out[i] = static_cast<std::uint8_t>(std::strtoul(pair.c_str(), nullptr, 16));
        }
        return count;
    }
    void setBinary(const std::string& section, const std::string& name, int size,
                   const void* buffer) override {
        static const char digits[] = "0123456789ABCDEF";
        const auto* p = static_cast<const std::uint8_t*>(buffer);
        std::string hex;
        for (int i = 0; i < size; ++i) {
            hex += digits[p[i] >> 4];
            hex += digits[p[i] & 0x0F];
        }
        file_.writeString(sectionOf(section), name, hex);
    }

  private:
    std::string sectionOf(const std::string& section) const {
        return section.empty() ? root_ : section;
    }

    platform::IniFile file_;
    std::string root_;
};

std::string changeExtension(const std::string& fileName, const std::string& extension) {
    const std::size_t dot = fileName.rfind('.');
    return (dot == std::string::npos ? fileName : fileName.substr(0, dot)) + extension;
}

}  // namespace

const char* locationName(PrefLocation location) {
    switch (location) {
        case PrefLocation::Registry:
            return "Registry";
        case PrefLocation::File:
            return "File";
        case PrefLocation::OnUsb:
            return "On USB";
        case PrefLocation::RegistryClassic:
            return "Registry Classic";
    }
    return "";
}

const char* scopeName(int scope) {
    switch (scope) {
        case cfgPerUserRoam:
            return "cfgPerUserRoam";
        case cfgPerUserNonRoam:
            return "cfgPerUserNonRoam";
        case cfgPerMachine:
            return "cfgPerMachine";
        default:
            return "";
    }
}

TConfigBase::TConfigBase(platform::Registry& registry, platform::MessageBoxes& boxes,
                         ProgramLocation program)
    : registry_(registry), boxes_(boxes), program_(std::move(program)) {}

TConfigBase::~TConfigBase() {
    if (backend_) {
        try {
            backend_->close();
        } catch (...) {
        }
    }
}

void TConfigBase::ReadPrefLocation() {
    int location = 0;
    try {
        const platform::IniFile ini(program_.folder + "PrefLocation.ini");
        if (const auto text = ini.read("Preferences", "Location")) {
            location = parseIniInteger(*text).value_or(0);
        }
    } catch (const std::exception&) {
        location = 0;
    }
    if (location < 0 || location > 3)
        location = 0;
    PrefLocation_ = static_cast<PrefLocation>(location);
}

void TConfigBase::reportError(const std::string& operation, const std::string& text) {
    platform::MessageBoxRequest r;
    r.caption = std::string(kProductName) + " Error: " + operation;
    r.text = text;
    r.icon = platform::MsgIcon::Error;
    r.bringToForeground = true;
    boxes_.show(r);
}

bool TConfigBase::CanWriteRegKey(const std::string& key, RegRoot root) {
    try {
        RegistryKey reg(registry_, root);
        if (!reg.keyExists(key))
            return reg.createKey(key);
        if (!reg.openKey(key, false))
            return false;
        reg.writeInteger(kScratchValue, 0);
        const bool written = reg.valueExists(kScratchValue);
        reg.deleteValue(kScratchValue);
        reg.closeKey();
        return written;
    } catch (...) {
        return false;
    }
}

bool TConfigBase::machineWideInRegistry(int scope, const std::string& key) {
    return (AllUsersSame || scope == cfgPerMachine) && CanWriteRegKey(key, RegRoot::LocalMachine);
}

std::string TConfigBase::iniPathFor(int scope, std::string* error) {
    std::string folder;
    if (PrefLocation_ == PrefLocation::OnUsb) {
        folder = program_.folder;
    } else {
        if (AllUsersSame || scope == cfgPerMachine) {
            folder = app::GetSpecialFolder(platform::csidl::CommonAppData);
        } else if (scope == cfgPerUserRoam) {
            folder = app::GetSpecialFolder(platform::csidl::AppData);
        } else if (scope == cfgPerUserNonRoam) {
            folder = app::GetSpecialFolder(platform::csidl::LocalAppData);
        } else {
            return {};
        }
        if (folder.empty())
            return {};
        folder += kIniSubFolder;
        if (!app::ForceDirectoriesEx(folder)) {
            if (error)
                *error = "Unable to create the folder " + folder;
            return {};
        }
    }
    return folder + changeExtension(program_.exeName, ".ini");
}

bool TConfigBase::OpenPref(int scope, const std::string& key, bool canCreate) {
    if (backend_)
        ClosePref();
    std::string error;
    bool opened = false;
    try {
        switch (PrefLocation_) {
            case PrefLocation::Registry: {
                if (machineWideInRegistry(scope, key)) {
                    auto b =
                        std::make_unique<RegistrySingleBackend>(registry_, RegRoot::LocalMachine);
                    opened = b->open(key, canCreate);
                    if (opened)
                        backend_ = std::move(b);
                } else {
                    auto b = std::make_unique<RegistryOverlayBackend>(registry_);
                    opened = b->open(key, canCreate);
                    if (opened)
                        backend_ = std::move(b);
                }
                break;
            }
            case PrefLocation::RegistryClassic: {
                const bool machineWide =
                    AllUsersSame && CanWriteRegKey(kProductKey, RegRoot::LocalMachine);
                const RegRoot root = machineWide && scope == cfgPerMachine ? RegRoot::LocalMachine
                                                                           : RegRoot::CurrentUser;
                auto b = std::make_unique<RegistrySingleBackend>(registry_, root);
                opened = b->open(key, canCreate);
                if (opened)
                    backend_ = std::move(b);
                break;
            }
            case PrefLocation::File:
            case PrefLocation::OnUsb: {
                const std::string path = iniPathFor(scope, &error);
                if (path.empty()) {
                    if (error.empty())
                        error = "No settings folder for this data scope.";
                    break;
                }
                const std::string root =
                    displayName_.empty() ? std::string("Main Program Settings") : displayName_;
                backend_ = std::make_unique<IniBackend>(path, root);
                opened = true;
                break;
            }
        }
    } catch (const std::exception& e) {
        error = e.what();
        opened = false;
        backend_.reset();
    }
    if (!opened && (canCreate || !error.empty())) {
        platform::MessageBoxRequest r;
        r.caption = std::string(kProductName) + " OpenPref Error";
        r.text = std::string("OpenPref Error: Unable to open Preferences.\r\n\r\n") +
                 "PrefLocation: " + locationName(PrefLocation_) + "\r\n" +
                 "cfgDataScope: " + scopeName(scope) + "\r\n" + "Key: " + key + "\r\n\r\n" + error;
        r.icon = platform::MsgIcon::Error;
        r.owner = appWindow_;
        r.bringToForeground = true;
        boxes_.show(r);
    }
    return opened;
}

PrefBackend& TConfigBase::requireOpen(const char* message) {
    if (!backend_)
        throw std::runtime_error(message);
    return *backend_;
}

void TConfigBase::ClosePref() {
    std::unique_ptr<PrefBackend> backend = std::move(backend_);
    try {
        if (!backend)
            throw std::runtime_error("Error: ClosePref");
        backend->close();
    } catch (const std::exception& e) {
        reportError("ClosePref", std::string("ClosePref: ") + e.what());
    }
}

std::int32_t TConfigBase::GetPrefInteger(const std::string& section, const std::string& name,
                                         std::int32_t defaultValue) {
    try {
        return requireOpen("Error reading integer from preferences: GetPrefInteger")
            .getInteger(section, name, defaultValue);
    } catch (const std::exception& e) {
        reportError("GetPrefInteger", e.what());
        return defaultValue;
    }
}

void TConfigBase::SetPrefInteger(const std::string& section, const std::string& name,
                                 std::int32_t value) {
    try {
        requireOpen("Error writing integer to preferences: SetPrefInteger")
            .setInteger(section, name, value);
    } catch (const std::exception& e) {
        reportError("SetPrefInteger", std::string("SetPrefInteger: ") + e.what());
    }
}

void TConfigBase::GetPrefString(const std::string& section, const std::string& name,
                                std::string& result, const std::string& defaultValue) {
    result = defaultValue;
    try {
        result = requireOpen("Error reading string from preferences: GetPrefString")
                     .getString(section, name, defaultValue);
    } catch (const std::exception& e) {
        result = defaultValue;
        reportError("GetPrefString", std::string("GetPrefString: ") + e.what());
    }
}

void TConfigBase::SetPrefString(const std::string& section, const std::string& name,
                                const std::string& value) {
    try {
        requireOpen("Error writing string to preferences: SetPrefString")
            .setString(section, name, value);
    } catch (const std::exception& e) {
        reportError("SetPrefString", std::string("SetPrefString: ") + e.what());
    }
}

bool TConfigBase::GetPrefBoolean(const std::string& section, const std::string& name,
                                 bool defaultValue) {
    try {
        return requireOpen("Error reading boolean from preferences: GetPrefBooleanProc")
            .getBoolean(section, name, defaultValue);
    } catch (const std::exception& e) {
        reportError("GetPrefBooleanProc", std::string("GetPrefBooleanProc: ") + e.what());
        return defaultValue;
    }
}

void TConfigBase::SetPrefBoolean(const std::string& section, const std::string& name, bool value) {
    try {
        requireOpen("Error writing boolean to preferences: SetPrefBooleanProc")
            .setBoolean(section, name, value);
    } catch (const std::exception& e) {
        reportError("SetPrefBooleanProc", std::string("SetPrefBooleanProc: ") + e.what());
    }
}

int TConfigBase::GetPrefBinary(const std::string& section, const std::string& name, int size,
                               void* buffer) {
    try {
        return requireOpen("Error reading binary from preferences: GetPrefBinaryProc")
            .getBinary(section, name, size, buffer);
    } catch (const std::exception& e) {
        reportError("GetPrefBinaryProc", std::string("GetPrefBinaryProc: ") + e.what());
        return -1;
    }
}

void TConfigBase::SetPrefBinary(const std::string& section, const std::string& name, int size,
                                const void* buffer) {
    try {
        requireOpen("Error writing binary to preferences: SetPrefBinaryProc")
            .setBinary(section, name, size, buffer);
    } catch (const std::exception& e) {
        reportError("SetPrefBinaryProc", std::string("SetPrefBinaryProc: ") + e.what());
    }
}

std::string TConfigBase::expandStoredPath(const std::string& stored) const {
    if (PrefLocation_ == PrefLocation::OnUsb) {
        return platform::replaceAllIgnoreCase(stored, "[ExeDrive]\\", program_.driveRoot);
    }
    return app::ExpandPathMacros(stored);
}

std::string TConfigBase::foldPathForStore(const std::string& path) const {
    if (PrefLocation_ == PrefLocation::OnUsb) {
        // Only a leading mount point is the "drive": a mount point such as "/" would
        // otherwise match inside every path.
        const std::string& root = program_.driveRoot;
        if (!root.empty() && path.compare(0, root.size(), root) == 0) {
            return "[ExeDrive]\\" + path.substr(root.size());
        }
        return path;
    }
    return app::FoldPathMacros(path);
}

void TConfigBase::GetPrefPath(const std::string& section, const std::string& name,
                              std::string& result, const std::string& defaultValue) {
    GetPrefString(section, name, result, defaultValue);
    result = expandStoredPath(result);
}

void TConfigBase::SetPrefPath(const std::string& section, const std::string& name,
                              const std::string& value) {
    SetPrefString(section, name, foldPathForStore(value));
}

std::string TConfigBase::GetPrefFileName(int scope) {
    const std::string user = std::string("HKEY_CURRENT_USER\\") + kProductKey;
    switch (PrefLocation_) {
        case PrefLocation::Registry:
            return user;
        case PrefLocation::RegistryClassic:
            if (AllUsersSame && scope == cfgPerMachine &&
                CanWriteRegKey(kProductKey, RegRoot::LocalMachine)) {
                return std::string("HKEY_LOCAL_MACHINE\\") + kProductKey;
            }
            return user;
        case PrefLocation::File:
            return iniPathFor(scope);
        case PrefLocation::OnUsb:
            return program_.folder + changeExtension(program_.exeName, ".ini");
    }
    return {};
}

}  // namespace settings
