#include "app/qt_printers.h"

#include <QPrinterInfo>

#include "app/activity_trail.h"

namespace app {

int GetNumPrinters() {
    ScopedActivity activity("Globals.GetNumPrinters ");
    return static_cast<int>(QPrinterInfo::availablePrinterNames().size());
}

}  // namespace app
