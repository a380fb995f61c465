#pragma once

// Matching an output device entry to a printer name. Device entries may carry a port part
// after the name, as "Office on LPT1:"; the 12 characters that begin at the first " on "
// are removed (fewer when the entry ends sooner) before comparing with the printer name.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

std::string deviceNameWithoutPort(std::string_view entry);

// Index of the first entry that names `printerName`, if any.
std::optional<std::size_t> matchOutputDevice(const std::vector<std::string>& devices,
                                             std::string_view printerName);

}  // namespace reports
