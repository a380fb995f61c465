#pragma once

#include <string>

namespace app {

// Compares two dotted version texts component by component, each component as text by
// character codes (so "10" < "9"). 0 when either is empty, 1 when a is older, 2 when
// equal, 3 when a is newer.
int CompareVersions(const std::string& a, const std::string& b);

}  // namespace app
