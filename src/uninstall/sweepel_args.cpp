#include "uninstall/sweepel_args.h"

#include <filesystem>
#include <optional>

namespace uninstall {
namespace {

enum class Switch { None, File, Description };

Switch switchOf(const std::string& arg) {
    if (arg.size() < 2 || arg[0] != '/') return Switch::None;
    switch (arg[1]) {
        case 'F':
        case 'f': return Switch::File;
        case 'D':
        case 'd': return Switch::Description;
        default: return Switch::None;
    }
}

bool isBlankOrControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F;
}

std::string trimmed(const std::string& s) {
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && isBlankOrControl(s[begin])) ++begin;
    while (end > begin && isBlankOrControl(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

}  // namespace

SweepelArgs parseSweepelArgs(const std::vector<std::string>& args,
                             const std::string& currentFolder) {
    std::optional<std::string> file;
    std::optional<std::string> description;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const Switch kind = switchOf(args[i]);
        if (kind == Switch::None) continue;

        std::string value = args[i].substr(2);
        while (i + 1 < args.size() && switchOf(args[i + 1]) == Switch::None) {
            value += ' ';
            value += args[++i];
        }
        value = trimmed(value);

        auto& slot = (kind == Switch::File) ? file : description;
        if (!slot) slot = std::move(value);
    }

    SweepelArgs result;
    result.targetDescription = description.value_or(std::string());
    if (file && !file->empty()) {
        std::filesystem::path p(*file);
        if (p.is_relative()) p = std::filesystem::path(currentFolder) / p;
        result.targetFile = p.lexically_normal().string();
    }
    return result;
}

}  // namespace uninstall
