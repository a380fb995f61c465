#pragma once

// The print settings of one program run (not stored): printer, orientation, copies and the
// page range used when printing from the preview.

#include <vector>

#include "reports/engine/drawing.h"

namespace reports {

struct PrintSettings {
    int printerIndex = -1;  // position in the printer list; -1: the system's default printer
    Orientation orientation = Orientation::Portrait;
    int copies = 1;  // 1 to 99999
    int firstPage = 1;
    int lastPage = -1;  // -1: no last page given
    bool allPages = true;
};

inline constexpr int kMaxCopies = 99999;

// The pages one copy prints from a report of `pageCount` pages: all of them, or the range
// first..last kept inside the report (a missing last page means the report's last page).
std::vector<int> pagesToPrint(bool allPages, int firstPage, int lastPage, int pageCount);

}  // namespace reports
