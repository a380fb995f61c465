#pragma once

// Conversion between UTF-8 (what the windows show) and Windows-1252 (what records and
// settings store). A character without a Windows-1252 byte is stored as "?".

#include <string>
#include <string_view>

namespace platform {

std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view bytes);

}  // namespace platform
