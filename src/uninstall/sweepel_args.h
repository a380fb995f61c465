#pragma once

#include <string>
#include <vector>

namespace uninstall {

// What the uninstaller told sweepel on its command line.
struct SweepelArgs {
    std::string targetFile;         // absolute path from "/F", empty when missing
    std::string targetDescription;  // words from "/D", empty when missing
};

// Reads "/F<path>" and "/D<description>" in any order and letter case.
// A switch stands at the start of an argument. Its value is the rest of that argument
// and the arguments after it, joined with single blanks, up to the next argument that
// starts with a switch; then trimmed of blanks and control characters. The first
// switch of each kind wins. Arguments before any switch are ignored. A non-empty
// "/F" value is made absolute against `currentFolder`.
SweepelArgs parseSweepelArgs(const std::vector<std::string>& args,
                             const std::string& currentFolder);

}  // namespace uninstall
