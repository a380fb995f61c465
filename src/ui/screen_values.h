#pragma once

// Reading the texts of the main window's edits the way its checks do.

#include <optional>
#include <string>

#include "platform/locale_info.h"

namespace ui {

// Blanks and control characters removed at both ends.
std::string Trimmed(const std::string& text);

// A whole number 0..360 (optionally signed, as typed); nullopt when the trimmed text is
// not a whole number or lies outside that range.
std::optional<int> ReadMonths(const std::string& text);

// An amount: 0 for an empty edit; otherwise the trimmed text without the locale's
// thousands separators and currency symbol, read with the locale's decimal separator.
std::optional<double> ReadAmount(const std::string& text, const platform::LocaleInfo& locale);

// The start year: the trimmed text as a whole number; a text that is not a number
// gives 0, a number outside 0..65535 is kept to that range.
int ReadStartYear(const std::string& text);

}  // namespace ui
