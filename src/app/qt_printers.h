#pragma once

namespace app {

// The number of printers the system lists (0 when there are none).
int GetNumPrinters();

}  // namespace app
