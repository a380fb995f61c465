#pragma once

// An INI file held whole in memory, as the settings store uses it: sections and names
// compare without regard to case, reads of missing entries give the caller's default,
// writes change the memory copy, and save() writes the whole file back atomically.
// Texts are kept as bytes (the program writes UTF-8).

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

class IniError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class IniFile {
  public:
    IniFile() = default;
    // Loads `path`; a file that does not exist is an empty store. Throws IniError when
    // the file exists but cannot be read.
    explicit IniFile(std::string path);

    static IniFile fromText(const std::string& text);
    std::string toText() const;

    const std::string& path() const { return path_; }
    // Writes the whole file to path(); false (with the system's message) on failure,
    // and the old file stays as it was.
    bool save(std::string* error) const;

    std::optional<std::string> read(const std::string& section, const std::string& name) const;
    std::string readString(const std::string& section, const std::string& name,
                           const std::string& defaultValue) const;
    void writeString(const std::string& section, const std::string& name, const std::string& value);
    bool sectionExists(const std::string& section) const;
    bool valueExists(const std::string& section, const std::string& name) const;
    void deleteKey(const std::string& section, const std::string& name);
    void eraseSection(const std::string& section);
    std::vector<std::string> sectionNames() const;

  private:
    struct Line {
        bool isEntry = true;  // false: a comment kept as it was
        std::string name;     // or the whole comment line
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };

    void parse(const std::string& text);
    Section* findSection(const std::string& name);
    const Section* findSection(const std::string& name) const;
    static std::ptrdiff_t findLine(const Section& section, const std::string& name);

    std::string path_;
    std::vector<std::string> preamble_;  // comment lines before the first section
    std::vector<Section> sections_;
};

}  // namespace platform
