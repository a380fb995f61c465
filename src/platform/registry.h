#pragma once

// An emulated Windows registry: the current user's and the machine's keys live in two
// hive files in the text format of registry exports ("Windows Registry Editor Version
// 5.00", [key] lines, "name"=dword:0000000a, "name"="text", "name"=hex:0a,1f). Key and
// value names compare without regard to case. A hive is read whole when a key is opened
// and written whole (atomically) when a changed key is closed. A hive that cannot be
// written makes every opening for writing fail, as HKEY_LOCAL_MACHINE does on Windows for
// an ordinary user.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class RegRoot { CurrentUser, LocalMachine };

// "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE".
const char* rootName(RegRoot root);

enum class RegType { String, DWord, Binary, Other };

struct RegValue {
    std::string name;
    RegType type = RegType::String;
    std::uint32_t dword = 0;          // DWord
    std::string text;                 // String
    std::vector<std::uint8_t> bytes;  // Binary, Other
    int rawType = 0;                  // the n of hex(n): for Other
};

class RegistryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The keys and values of one hive, in memory.
class RegistryHive {
  public:
    struct Key {
        std::string path;  // without the root, e.g. "Software\Quorvale\Zelvane"
        std::vector<RegValue> values;
    };

    // Reads the export text; lines that cannot be understood are skipped so that one bad
    // line does not cost the rest of the settings.
    static RegistryHive parse(std::string_view text, RegRoot root);
    std::string toText(RegRoot root) const;

    Key* find(std::string_view path);
    const Key* find(std::string_view path) const;
    // True when the key is listed or lies above a listed key.
    bool exists(std::string_view path) const;
    Key& create(std::string_view path);
    // Removes the key and everything below it; false when nothing was there.
    bool remove(std::string_view path);
    const std::vector<Key>& keys() const { return keys_; }

    static std::string normalisePath(std::string_view path);

  private:
    std::vector<Key> keys_;
};

// The two hive files.
class Registry {
  public:
    Registry(std::string userHivePath, std::string machineHivePath);
    // $XDG_CONFIG_HOME/Quorvale/registry/user.reg and the first folder of
    // $XDG_CONFIG_DIRS (default /etc/xdg) + /Quorvale/registry/machine.reg.
    static Registry fromEnvironment();

    const std::string& hivePath(RegRoot root) const;
    // Makes a hive refuse every change (tests run as root, where file modes do not).
    void setReadOnly(RegRoot root, bool readOnly);
    // Whether changes to the hive can be stored: not made read-only, and its file (or
    // the nearest folder that exists on the way to it) may be written.
    bool isWritable(RegRoot root) const;

    // Throws RegistryError when the file exists but cannot be read.
    RegistryHive load(RegRoot root) const;
    // Writes the whole hive; throws RegistryError on failure (the old file stays).
    void store(RegRoot root, const RegistryHive& hive) const;

  private:
    std::string userPath_;
    std::string machinePath_;
    bool userReadOnly_ = false;
    bool machineReadOnly_ = false;
};

// One open key below one root, in the manner of the VCL's TRegistry.
class RegistryKey {
  public:
    RegistryKey(Registry& registry, RegRoot root);
    ~RegistryKey();  // closes; a failure to store is lost, so call closeKey() yourself
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    RegRoot root() const { return root_; }
    // Opens for reading and writing; creates the key when missing and canCreate. False
    // when the key is missing and may not be created, or the hive cannot be written.
    bool openKey(std::string_view path, bool canCreate);
    bool openKeyReadOnly(std::string_view path);
    // Stores the hive when something changed, then closes. Throws RegistryError.
    void closeKey();
    bool isOpen() const { return open_; }
    const std::string& currentPath() const { return path_; }

    // Work on the hive without an open key.
    bool keyExists(std::string_view path) const;
    bool createKey(std::string_view path);  // the key stays; false when it cannot be stored
    bool deleteKey(std::string_view path);  // with its subkeys; throws RegistryError

    bool valueExists(std::string_view name) const;
    std::optional<RegValue> value(std::string_view name) const;
    std::int32_t readInteger(std::string_view name) const;
    bool readBool(std::string_view name) const;
    std::string readString(std::string_view name) const;
    int dataSize(std::string_view name) const;
    // Copies the value into buffer; returns its size. Throws when it is larger than size.
    int readBinaryData(std::string_view name, void* buffer, int size) const;

    void writeInteger(std::string_view name, std::int32_t value);
    void writeBool(std::string_view name, bool value);
    void writeString(std::string_view name, std::string_view value);
    void writeBinaryData(std::string_view name, const void* buffer, int size);
    bool deleteValue(std::string_view name);

  private:
    const RegValue& existing(std::string_view name) const;
    void put(RegValue value);
    bool openIn(std::string_view path, bool canCreate, bool writable);

    Registry& registry_;
    RegRoot root_;
    RegistryHive hive_;
    std::string path_;
    bool open_ = false;
    bool writable_ = false;
    bool dirty_ = false;
};

}  // namespace platform
