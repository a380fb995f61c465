#pragma once

// The storage layer under the program's settings. It hides where settings live -- the
// emulated registry (two flavours) or an INI file (two places) -- behind one small set
// of typed operations: open a section, read and write integers, texts, booleans and
// binary blocks with defaults, close the section. Every operation reports its own
// failures in a message box and never raises to the caller.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/message_boxes.h"
#include "platform/registry.h"

namespace settings {

// Where settings live, as PrefLocation.ini beside the executable says.
enum class PrefLocation : std::uint8_t { Registry = 0, File = 1, OnUsb = 2, RegistryClassic = 3 };
const char* locationName(PrefLocation location);  // "Registry", "File", "On USB", ...

enum cfgDataScope : int { cfgPerUserRoam = 0, cfgPerUserNonRoam = 1, cfgPerMachine = 2 };
const char* scopeName(int scope);  // the enumerator's name, "" for other values

inline constexpr const char* kProductName = "Zelvane";
inline constexpr const char* kProductKey = "Software\\Quorvale\\Zelvane";
inline constexpr const char* kIniSubFolder = "Haldrun/Zelvane/";

// The running executable as the store needs to know it.
struct ProgramLocation {
    std::string folder;     // absolute, with a trailing "/"
    std::string exeName;    // file name, e.g. "debt"
    std::string driveRoot;  // mount point of the folder's file system, with "/"
};

// The whole implementation behind the nine operations for one open section.
class PrefBackend;

class TConfigBase {
  public:
    TConfigBase(platform::Registry& registry, platform::MessageBoxes& boxes,
                ProgramLocation program);
    virtual ~TConfigBase();
    TConfigBase(const TConfigBase&) = delete;
    TConfigBase& operator=(const TConfigBase&) = delete;

    // Reads "Location" from [Preferences] of PrefLocation.ini beside the executable;
    // missing or outside 0..3 gives "Registry".
    void ReadPrefLocation();
    PrefLocation prefLocation() const { return PrefLocation_; }
    void setPrefLocation(PrefLocation location) { PrefLocation_ = location; }

    bool OpenPref(int scope, const std::string& key, bool canCreate = true);
    void ClosePref();
    bool isOpen() const { return backend_ != nullptr; }

    std::int32_t GetPrefInteger(const std::string& section, const std::string& name,
                                std::int32_t defaultValue);
    void SetPrefInteger(const std::string& section, const std::string& name, std::int32_t value);
    void GetPrefString(const std::string& section, const std::string& name, std::string& result,
                       const std::string& defaultValue);
    void SetPrefString(const std::string& section, const std::string& name,
                       const std::string& value);
    bool GetPrefBoolean(const std::string& section, const std::string& name, bool defaultValue);
    void SetPrefBoolean(const std::string& section, const std::string& name, bool value);
    // Bytes read, or -1 when the value does not exist or cannot be read.
    int GetPrefBinary(const std::string& section, const std::string& name, int size, void* buffer);
    void SetPrefBinary(const std::string& section, const std::string& name, int size,
                       const void* buffer);

    // Texts with folder macros (or "[ExeDrive]\" in the portable location) turned into
    // usable paths, and back.
    void GetPrefPath(const std::string& section, const std::string& name, std::string& result,
                     const std::string& defaultValue);
    void SetPrefPath(const std::string& section, const std::string& name, const std::string& value);
    std::string expandStoredPath(const std::string& stored) const;
    std::string foldPathForStore(const std::string& path) const;

    // Where the settings of `scope` live (a registry key text or an INI file path).
    std::string GetPrefFileName(int scope);
    bool CanWriteRegKey(const std::string& key, platform::RegRoot root);

    // The INI file a scope uses in the file locations ("" for an unknown scope); the
    // folder is created.
    std::string iniPathFor(int scope, std::string* error = nullptr);

    // "All Users Same": forced true "On USB", read from the store in "Registry Classic",
    // false elsewhere.
    bool AllUsersSame = false;

    // The display name names the INI root section; it changes with a customization.
    void setDisplayName(std::string name) { displayName_ = std::move(name); }
    const std::string& displayName() const { return displayName_; }
    // The window that owns the OpenPref error box.
    void setApplicationWindow(platform::WindowHandle window) { appWindow_ = window; }

    const ProgramLocation& program() const { return program_; }
    platform::Registry& registry() { return registry_; }
    platform::MessageBoxes& messageBoxes() { return boxes_; }

  protected:
    void reportError(const std::string& operation, const std::string& text);

  private:
    PrefBackend& requireOpen(const char* message);
    bool machineWideInRegistry(int scope, const std::string& key);

    platform::Registry& registry_;
    platform::MessageBoxes& boxes_;
    ProgramLocation program_;
    PrefLocation PrefLocation_ = PrefLocation::Registry;
    std::string displayName_ = kProductName;
    platform::WindowHandle appWindow_ = nullptr;
    std::unique_ptr<PrefBackend> backend_;
};

}  // namespace settings
