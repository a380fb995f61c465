#pragma once

// The process-wide values of the running program, created at start and handed to the
// parts that need them.

#include <string>

#include "app/button_row.h"

namespace app {

inline constexpr const char* kProductName = "Zelvane";

struct ProcessState {
    std::string DisplayName = kProductName;  // replaced by a customization
    std::string ProgramFolder;               // absolute, with a trailing "/"
    std::string ExeName;                     // the executable's file name ("debt")
    std::string DataFilePath;
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    int PrinterCount = 0;
    bool SessionEnding = false;
    bool Crashed = false;
    ButtonRowState ButtonRow;
};

}  // namespace app
