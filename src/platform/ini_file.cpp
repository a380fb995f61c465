#include "platform/ini_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/safe_file_write.h"
#include "platform/text_compare.h"

namespace platform {
namespace {

bool isComment(const std::string& line) {
    return !line.empty() && (line[0] == ';' || line[0] == '#');
}

// A value must stay on its line: line breaks inside it would start new entries.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) {
        if (ec)
            throw IniError(ec.message());
        return;
    }
    if (std::filesystem::is_directory(path_, ec))
        throw IniError(std::strerror(EISDIR));
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        throw IniError(std::strerror(errno));
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad())
        throw IniError(std::strerror(errno));
    parse(s.str());
}

IniFile IniFile::fromText(const std::string& text) {
    IniFile f;
    f.parse(text);
    return f;
}

void IniFile::parse(const std::string& text) {
    std::istringstream in(text);
    std::string raw;
    Section* current = nullptr;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        std::size_t start = 0;
        while (start < raw.size() && (raw[start] == ' ' || raw[start] == '\t'))
            ++start;
        const std::string line = raw.substr(start);
        if (line.empty())
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string name =
                line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
            current = findSection(name);
            if (!current) {
                sections_.push_back({name, {}});
                current = &sections_.back();
            }
            continue;
        }
        if (isComment(line) || line.find('=') == std::string::npos) {
            if (current) {
                current->lines.push_back({false, line, {}});
            } else {
                preamble_.push_back(line);
            }
            continue;
        }
        if (!current)
            continue;  // an entry outside any section cannot be read back
        const std::size_t eq = line.find('=');
        current->lines.push_back({true, line.substr(0, eq), line.substr(eq + 1)});
    }
}

std::string IniFile::toText() const {
    std::string out;
    for (const std::string& line : preamble_)
        out += line + "\n";
    bool first = true;
    for (const Section& section : sections_) {
        if (!first)
            out += "\n";
        first = false;
        out += "[" + section.name + "]\n";
        for (const Line& line : section.lines) {
            out += line.isEntry ? line.name + "=" + line.value + "\n" : line.name + "\n";
        }
    }
    return out;
}

bool IniFile::save(std::string* error) const {
    return writeFileAtomically(path_, toText(), error);
}

IniFile::Section* IniFile::findSection(const std::string& name) {
    for (Section& s : sections_) {
        if (equalsIgnoreCase(s.name, name))
            return &s;
    }
    return nullptr;
}

const IniFile::Section* IniFile::findSection(const std::string& name) const {
    for (const Section& s : sections_) {
        if (equalsIgnoreCase(s.name, name))
            return &s;
    }
    return nullptr;
}

// Names are matched exactly first (some names end with a blank on purpose); a name
// written by hand with blanks around it is found by its trimmed form.
std::ptrdiff_t IniFile::findLine(const Section& section, const std::string& name) {
    const auto& lines = section.lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].isEntry && equalsIgnoreCase(lines[i].name, name)) {
            return static_cast<std::ptrdiff_t>(i);
        }
    }
    const std::string trimmed = trimBlanks(name);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].isEntry && equalsIgnoreCase(trimBlanks(lines[i].name), trimmed)) {
            return static_cast<std::ptrdiff_t>(i);
        }
    }
    return -1;
}

std::optional<std::string> IniFile::read(const std::string& section,
                                         const std::string& name) const {
    const Section* s = findSection(section);
    if (!s)
        return std::nullopt;
    const std::ptrdiff_t i = findLine(*s, name);
    if (i < 0)
        return std::nullopt;
    return s->lines[static_cast<std::size_t>(i)].value;
}

std::string IniFile::readString(const std::string& section, const std::string& name,
                                const std::string& defaultValue) const {
    return read(section, name).value_or(defaultValue);
}

void IniFile::writeString(const std::string& section, const std::string& name,
                          const std::string& value) {
    Section* s = findSection(section);
    if (!s) {
        sections_.push_back({oneLine(section), {}});
        s = &sections_.back();
    }
    if (const std::ptrdiff_t i = findLine(*s, name); i >= 0) {
        s->lines[static_cast<std::size_t>(i)].value = oneLine(value);
        return;
    }
    s->lines.push_back({true, oneLine(name), oneLine(value)});
}

bool IniFile::sectionExists(const std::string& section) const {
    return findSection(section) != nullptr;
}

bool IniFile::valueExists(const std::string& section, const std::string& name) const {
    return read(section, name).has_value();
}

void IniFile::deleteKey(const std::string& section, const std::string& name) {
    Section* s = findSection(section);
    if (!s)
        return;
    const std::ptrdiff_t i = findLine(*s, name);
    if (i >= 0)
        s->lines.erase(s->lines.begin() + i);
}

void IniFile::eraseSection(const std::string& section) {
    for (auto it = sections_.begin(); it != sections_.end(); ++it) {
        if (equalsIgnoreCase(it->name, section)) {
            sections_.erase(it);
            return;
        }
    }
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& s : sections_)
        names.push_back(s.name);
    return names;
}

}  // namespace platform
