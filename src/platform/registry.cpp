#include "platform/registry.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/safe_file_write.h"
#include "platform/text_compare.h"

namespace platform {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

// Reads a quoted text starting at text[pos] == '"'; advances pos past the closing quote.
std::optional<std::string> unquote(std::string_view text, std::size_t& pos) {
    if (pos >= text.size() || text[pos] != '"')
        return std::nullopt;
    std::string out;
    for (std::size_t i = pos + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c == '\\' && i + 1 < text.size()) {
            const char n = text[++i];
            out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    char buf[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", bytes[i]);
        if (i > 0)
            out += ',';
        out += buf;
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> parseHexBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    std::string digits;
    auto flush = [&]() -> bool {
        const std::string d = trimBlanks(digits);
        digits.clear();
        if (d.empty())
            return true;
        if (d.size() > 2)
            return false;
        char* end = nullptr;
        const long v = std::strtol(d.c_str(), &end, 16);
        if (*end != '\0')
            return false;
        bytes.push_back(static_cast<std::uint8_t>(v));
        return true;
    };
    for (char c : text) {
        if (c == ',') {
            if (!flush())
                return std::nullopt;
        } else {
            digits += c;
        }
    }
    if (!flush())
        return std::nullopt;
    return bytes;
}

std::optional<RegValue> parseValueLine(std::string_view line) {
    RegValue v;
    std::size_t pos = 0;
    if (line.front() == '@') {
        pos = 1;
    } else {
        auto name = unquote(line, pos);
        if (!name)
            return std::nullopt;
        v.name = *name;
    }
    if (pos >= line.size() || line[pos] != '=')
        return std::nullopt;
    const std::string_view data = line.substr(pos + 1);
    if (data.starts_with("\"")) {
        std::size_t p = 0;
        auto text = unquote(data, p);
        if (!text)
            return std::nullopt;
        v.type = RegType::String;
        v.text = *text;
        return v;
    }
    const std::string lower = asciiLower(data);
    if (lower.starts_with("dword:")) {
        const std::string digits = trimBlanks(data.substr(6));
        if (digits.empty() || digits.size() > 8)
            return std::nullopt;
        char* end = nullptr;
        const unsigned long n = std::strtoul(digits.c_str(), &end, 16);
        if (*end != '\0')
            return std::nullopt;
        v.type = RegType::DWord;
        v.dword = static_cast<std::uint32_t>(n);
        return v;
    }
    if (lower.starts_with("hex:")) {
        auto bytes = parseHexBytes(data.substr(4));
        if (!bytes)
            return std::nullopt;
        v.type = RegType::Binary;
        v.bytes = std::move(*bytes);
        return v;
    }
    if (lower.starts_with("hex(")) {
        const std::size_t close = data.find("):");
        if (close == std::string_view::npos)
            return std::nullopt;
        char* end = nullptr;
        const std::string typeText(data.substr(4, close - 4));
        const long type = std::strtol(typeText.c_str(), &end, 16);
        if (*end != '\0' || typeText.empty())
            return std::nullopt;
        auto bytes = parseHexBytes(data.substr(close + 2));
        if (!bytes)
            return std::nullopt;
        if (type == 3) {
            v.type = RegType::Binary;
        } else {
            v.type = RegType::Other;
            v.rawType = static_cast<int>(type);
        }
        v.bytes = std::move(*bytes);
        return v;
    }
    return std::nullopt;
}

std::string valueLine(const RegValue& v) {
    std::string out = v.name.empty() ? std::string("@") : quote(v.name);
    out += '=';
    char buf[16];
    switch (v.type) {
        case RegType::String:
            out += quote(v.text);
            break;
        case RegType::DWord:
            std::snprintf(buf, sizeof buf, "%08x", v.dword);
            out += "dword:";
            out += buf;
            break;
        case RegType::Binary:
            out += "hex:" + hexBytes(v.bytes);
            break;
        case RegType::Other:
            std::snprintf(buf, sizeof buf, "hex(%x):", static_cast<unsigned>(v.rawType));
            out += buf + hexBytes(v.bytes);
            break;
    }
    return out;
}

RegValue* findValue(RegistryHive::Key& key, std::string_view name) {
    for (RegValue& v : key.values) {
        if (equalsIgnoreCase(v.name, name))
            return &v;
    }
    return nullptr;
}

std::string configDirsFirst() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string first = dirs ? std::string(dirs) : std::string();
    first = first.substr(0, first.find(':'));
    if (first.empty())
        first = "/etc/xdg";
    return first;
}

std::string configHome() {
    const char* v = std::getenv("XDG_CONFIG_HOME");
    if (v && *v)
        return v;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}

}  // namespace

const char* rootName(RegRoot root) {
    return root == RegRoot::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

// ---- RegistryHive ----

std::string RegistryHive::normalisePath(std::string_view path) {
    std::string out;
    for (char c : path) {
        if (c == '\\' && (out.empty() || out.back() == '\\'))
            continue;
        out += c;
    }
    while (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

RegistryHive RegistryHive::parse(std::string_view text, RegRoot root) {
    RegistryHive hive;
    const std::string prefix = std::string(rootName(root));
    Key* current = nullptr;
    std::istringstream in{std::string(text)};
    std::string raw;
    std::string line;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        // A line ending in a backslash continues on the next one (long hex values).
        if (!line.empty())
            raw = trimBlanks(raw);
        line += raw;
        if (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos) {
            line.pop_back();
            continue;
        }
        const std::string l = trimBlanks(line);
        line.clear();
        if (l.empty() || l.front() == ';' || l == kHeader || l == "REGEDIT4")
            continue;
        if (l.front() == '[') {
            current = nullptr;
            if (l.size() < 2 || l.back() != ']' || l[1] == '-')
                continue;
            const std::string full = l.substr(1, l.size() - 2);
            if (equalsIgnoreCase(full, prefix)) {
                current = &hive.create("");
            } else if (full.size() > prefix.size() && full[prefix.size()] == '\\' &&
                       equalsIgnoreCase(full.substr(0, prefix.size()), prefix)) {
                current = &hive.create(full.substr(prefix.size() + 1));
            }
            continue;
        }
        if (!current)
            continue;
        if (auto v = parseValueLine(l)) {
            if (RegValue* old = findValue(*current, v->name)) {
                *old = std::move(*v);
            } else {
                current->values.push_back(std::move(*v));
            }
        }
    }
    return hive;
}

std::string RegistryHive::toText(RegRoot root) const {
    std::string out = std::string(kHeader) + "\n";
    for (const Key& k : keys_) {
        out += "\n[";
        out += rootName(root);
        if (!k.path.empty())
            out += "\\" + k.path;
        out += "]\n";
        for (const RegValue& v : k.values)
            out += valueLine(v) + "\n";
    }
    return out;
}

RegistryHive::Key* RegistryHive::find(std::string_view path) {
    const std::string p = normalisePath(path);
    for (Key& k : keys_) {
        if (equalsIgnoreCase(k.path, p))
            return &k;
    }
    return nullptr;
}

const RegistryHive::Key* RegistryHive::find(std::string_view path) const {
    return const_cast<RegistryHive*>(this)->find(path);
}

bool RegistryHive::exists(std::string_view path) const {
    const std::string p = normalisePath(path);
    if (p.empty())
        return true;
    for (const Key& k : keys_) {
        if (equalsIgnoreCase(k.path, p))
            return true;
        if (k.path.size() > p.size() && k.path[p.size()] == '\\' &&
            equalsIgnoreCase(std::string_view(k.path).substr(0, p.size()), p)) {
            return true;
        }
    }
    return false;
}

RegistryHive::Key& RegistryHive::create(std::string_view path) {
    if (Key* k = find(path))
        return *k;
    keys_.push_back({normalisePath(path), {}});
    return keys_.back();
}

bool RegistryHive::remove(std::string_view path) {
    const std::string p = normalisePath(path);
    if (p.empty())
        return false;
    const auto before = keys_.size();
    std::erase_if(keys_, [&](const Key& k) {
        return equalsIgnoreCase(k.path, p) ||
               (k.path.size() > p.size() && k.path[p.size()] == '\\' &&
                equalsIgnoreCase(std::string_view(k.path).substr(0, p.size()), p));
    });
    return keys_.size() != before;
}

// ---- Registry ----

Registry::Registry(std::string userHivePath, std::string machineHivePath)
    : userPath_(std::move(userHivePath)), machinePath_(std::move(machineHivePath)) {}

Registry Registry::fromEnvironment() {
    return Registry(configHome() + "/Quorvale/registry/user.reg",
                    configDirsFirst() + "/Quorvale/registry/machine.reg");
}

const std::string& Registry::hivePath(RegRoot root) const {
    return root == RegRoot::CurrentUser ? userPath_ : machinePath_;
}

void Registry::setReadOnly(RegRoot root, bool readOnly) {
    (root == RegRoot::CurrentUser ? userReadOnly_ : machineReadOnly_) = readOnly;
}

bool Registry::isWritable(RegRoot root) const {
    if (root == RegRoot::CurrentUser ? userReadOnly_ : machineReadOnly_)
        return false;
    std::filesystem::path p(hivePath(root));
    std::error_code ec;
    if (std::filesystem::exists(p, ec)) {
        return ::access(p.c_str(), W_OK) == 0 && ::access(p.parent_path().c_str(), W_OK) == 0;
    }
    for (p = p.parent_path(); !p.empty(); p = p.parent_path()) {
        if (std::filesystem::exists(p, ec))
            return ::access(p.c_str(), W_OK) == 0;
        if (p == p.root_path())
            break;
    }
    return false;
}

RegistryHive Registry::load(RegRoot root) const {
    const std::string& path = hivePath(root);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return {};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw RegistryError(std::strerror(errno));
    std::ostringstream s;
    s << in.rdbuf();
    return RegistryHive::parse(s.str(), root);
}

void Registry::store(RegRoot root, const RegistryHive& hive) const {
    if (!isWritable(root))
        throw RegistryError("Access is denied.");
    const std::filesystem::path path(hivePath(root));
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec)
        throw RegistryError(ec.message());
    FileWriteOptions options;
    options.newFileMode = root == RegRoot::CurrentUser ? 0600 : 0644;
    std::string error;
    if (!writeFileAtomically(path.string(), hive.toText(root), &error, options)) {
        throw RegistryError(error);
    }
}

// ---- RegistryKey ----

RegistryKey::RegistryKey(Registry& registry, RegRoot root) : registry_(registry), root_(root) {}

RegistryKey::~RegistryKey() {
    try {
        closeKey();
    } catch (const RegistryError&) {
    }
}

bool RegistryKey::openIn(std::string_view path, bool canCreate, bool writable) {
    closeKey();
    if (writable && !registry_.isWritable(root_))
        return false;
    hive_ = registry_.load(root_);
    if (!hive_.find(path)) {
        if (!canCreate || !writable) {
            // A key above listed keys exists without values of its own.
            if (!hive_.exists(path))
                return false;
        } else {
            hive_.create(path);
            dirty_ = true;
        }
    }
    path_ = RegistryHive::normalisePath(path);
    open_ = true;
    writable_ = writable;
    return true;
}

bool RegistryKey::openKey(std::string_view path, bool canCreate) {
    return openIn(path, canCreate, true);
}

bool RegistryKey::openKeyReadOnly(std::string_view path) {
    return openIn(path, false, false);
}

void RegistryKey::closeKey() {
    if (!open_)
        return;
    const bool store = dirty_;
    open_ = false;
    dirty_ = false;
    if (store)
        registry_.store(root_, hive_);
}

bool RegistryKey::keyExists(std::string_view path) const {
    return registry_.load(root_).exists(path);
}

bool RegistryKey::createKey(std::string_view path) {
    if (!registry_.isWritable(root_))
        return false;
    RegistryHive hive = registry_.load(root_);
    if (hive.find(path))
        return true;
    hive.create(path);
    try {
        registry_.store(root_, hive);
    } catch (const RegistryError&) {
        return false;
    }
    return true;
}

bool RegistryKey::deleteKey(std::string_view path) {
    if (!registry_.isWritable(root_))
        return false;
    RegistryHive hive = registry_.load(root_);
    if (!hive.remove(path))
        return false;
    registry_.store(root_, hive);
    return true;
}

bool RegistryKey::valueExists(std::string_view name) const {
    return value(name).has_value();
}

std::optional<RegValue> RegistryKey::value(std::string_view name) const {
    if (!open_)
        return std::nullopt;
    const RegistryHive::Key* key = hive_.find(path_);
    if (!key)
        return std::nullopt;
    for (const RegValue& v : key->values) {
        if (equalsIgnoreCase(v.name, name))
            return v;
    }
    return std::nullopt;
}

const RegValue& RegistryKey::existing(std::string_view name) const {
    const RegistryHive::Key* key = open_ ? hive_.find(path_) : nullptr;
    if (key) {
        for (const RegValue& v : key->values) {
            if (equalsIgnoreCase(v.name, name))
                return v;
        }
    }
    throw RegistryError("Failed to get data for '" + std::string(name) + "'");
}

std::int32_t RegistryKey::readInteger(std::string_view name) const {
    const RegValue& v = existing(name);
    if (v.type != RegType::DWord) {
        throw RegistryError("Invalid data type for '" + std::string(name) + "'");
    }
    return static_cast<std::int32_t>(v.dword);
}

bool RegistryKey::readBool(std::string_view name) const {
    return readInteger(name) != 0;
}

std::string RegistryKey::readString(std::string_view name) const {
    if (!valueExists(name))
        return {};
    const RegValue& v = existing(name);
    if (v.type != RegType::String) {
        throw RegistryError("Invalid data type for '" + std::string(name) + "'");
    }
    return v.text;
}

int RegistryKey::dataSize(std::string_view name) const {
    const auto v = value(name);
    if (!v)
        return -1;
    switch (v->type) {
        case RegType::DWord:
            return 4;
        case RegType::String:
            return static_cast<int>(v->text.size() + 1);
        default:
            return static_cast<int>(v->bytes.size());
    }
}

int RegistryKey::readBinaryData(std::string_view name, void* buffer, int size) const {
    const RegValue& v = existing(name);
    if (v.type != RegType::Binary && v.type != RegType::Other) {
        throw RegistryError("Invalid data type for '" + std::string(name) + "'");
    }
    if (static_cast<int>(v.bytes.size()) > size) {
        throw RegistryError("Invalid data type for '" + std::string(name) + "'");
    }
    if (!v.bytes.empty())
        std::memcpy(buffer, v.bytes.data(), v.bytes.size());
    return static_cast<int>(v.bytes.size());
}

void RegistryKey::put(RegValue value) {
    if (!open_ || !writable_)
        throw RegistryError("Failed to set data for '" + value.name + "'");
    RegistryHive::Key& key = hive_.create(path_);
    if (RegValue* old = findValue(key, value.name)) {
        value.name = old->name;  // keep the spelling the value was created with
        *old = std::move(value);
    } else {
        key.values.push_back(std::move(value));
    }
    dirty_ = true;
}

void RegistryKey::writeInteger(std::string_view name, std::int32_t value) {
    RegValue v;
    v.name = name;
    v.type = RegType::DWord;
    v.dword = static_cast<std::uint32_t>(value);
    put(std::move(v));
}

void RegistryKey::writeBool(std::string_view name, bool value) {
    writeInteger(name, value ? 1 : 0);
}

void RegistryKey::writeString(std::string_view name, std::string_view value) {
    RegValue v;
    v.name = name;
    v.type = RegType::String;
    v.text = value;
    put(std::move(v));
}

void RegistryKey::writeBinaryData(std::string_view name, const void* buffer, int size) {
    RegValue v;
    v.name = name;
    v.type = RegType::Binary;
    const auto* p = static_cast<const std::uint8_t*>(buffer);
    v.bytes.assign(p, p + (size > 0 ? size : 0));
    put(std::move(v));
}

bool RegistryKey::deleteValue(std::string_view name) {
    if (!open_ || !writable_)
        return false;
    RegistryHive::Key* key = hive_.find(path_);
    if (!key)
        return false;
    const auto before = key->values.size();
    std::erase_if(key->values, [&](const RegValue& v) { return equalsIgnoreCase(v.name, name); });
    if (key->values.size() == before)
        return false;
    dirty_ = true;
    return true;
}

}  // namespace platform
