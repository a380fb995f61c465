#pragma once

// Number texts: fixed formats with a comma grouping, the locale's number conversions
// used by the settings, and the clean-up of amount texts typed by the user.

#include <stdexcept>
#include <string>

#include "platform/locale_info.h"

namespace app {

// A text that is not a number; the message names it as the user typed it.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// `number` with `decimals` decimals, a "," before every group of three digits of the
// whole part (whatever the locale), padded with blanks on the left to `width`.
std::string FormatCount(double number, int width, int decimals);
// `number` with `decimals` decimals, no grouping, padded with blanks to `width`.
std::string FormatFixed(double number, int width, int decimals);

// Removes every thousands separator and currency symbol of the locale.
std::string StripMoneyText(const std::string& text, const platform::LocaleInfo& locale);
// Removes every "(" and ")".
std::string StripParentheses(const std::string& text);

// Reads a number written with the locale's decimal separator (blanks around it, a sign
// and an exponent allowed, no grouping). Throws ConversionError.
double StrToFloat(const std::string& text, const platform::LocaleInfo& locale);
// Accepts "." or "," as the decimal separator, then reads as StrToFloat.
double ParseLocaleFloat(const std::string& text, const platform::LocaleInfo& locale);
// The general format of stored numbers: up to 15 significant digits, the locale's
// decimal separator, no grouping ("0.5", "1234.56", "1E20").
std::string FloatToStr(double value, const platform::LocaleInfo& locale);

}  // namespace app
