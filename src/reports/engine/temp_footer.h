#pragma once

// The three temporary footer lines: held in memory for one program run, empty at start,
// edited by the temporary footer dialog, cleared by a new plan, and printed at the bottom
// of every report page while the setting "Use Temporary Footer" is on.

#include <array>
#include <string>

namespace reports {

struct TempFooter {
    std::array<std::string, 3> lines{};

    void clear() { lines = {}; }
};

}  // namespace reports
