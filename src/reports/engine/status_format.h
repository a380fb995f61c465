#pragma once

// The status text shown while a report runs: the format with "%p" replaced by the page
// number and "%0" .. "%9" by the status lines (missing lines give empty text).

#include <string>
#include <string_view>
#include <vector>

namespace reports {

std::string formatStatus(std::string_view format, int page, const std::vector<std::string>& lines);

}  // namespace reports
