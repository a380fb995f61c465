#pragma once

// Number texts in the user's locale.

#include <string>
#include <string_view>

#include "platform/locale_info.h"

namespace calc {

// A value with exactly `decimals` decimals. Number style: the locale's decimal separator and
// thousands separators every three digits ("1,234.50"); currency style: the locale's
// currency layout for positive and negative amounts ("$1,234.50", "1.234,50 €"). The value
// is first taken to 15 significant digits and then rounded half away from zero, so 0.125
// and 2.345 round up as their printed values suggest.
std::string FormatAmount(double value, int decimals, bool currencyStyle,
                         const platform::LocaleInfo& locale);

// Prefixes blanks until the text is `width` characters long (UTF-8 characters are counted,
// not bytes); a longer text is returned unchanged.
std::string PadLeft(std::string_view text, int width);

// The number of characters of a UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// The first `count` characters of a UTF-8 text.
std::string Utf8Left(std::string_view text, std::size_t count);

}  // namespace calc
