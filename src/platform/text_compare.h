#pragma once

// Small text helpers shared by the registry and INI layers: ASCII case folding and
// comparison, as the Windows names they stand in for compare without regard to case.

#include <string>
#include <string_view>

namespace platform {

std::string asciiLower(std::string_view text);
std::string asciiUpper(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// Replaces every occurrence of `from` (compared without regard to ASCII case) by `to`.
std::string replaceAllIgnoreCase(std::string_view text, std::string_view from, std::string_view to);
// Replaces every occurrence of `from` (exact comparison) by `to`.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);
std::string trimBlanks(std::string_view text);

}  // namespace platform
