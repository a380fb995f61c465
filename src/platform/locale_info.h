#pragma once

// The user's number, currency and date conventions, handed to the core as a plain value
// so results never depend on the machine the code runs on. The program fills it from the
// system locale (platform/qt/qt_locale.h); tests use the fixed instances below.

#include <array>
#include <string>

namespace platform {

struct LocaleInfo {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
    std::string currencySymbol = "$";
    // Positive currency layout, as Windows numbers it: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int currencyFormat = 0;
    // Negative currency layout, Windows numbering 0..15 (0 "($1)", 1 "-$1", 5 "-1$",
    // 8 "-1 $", ...).
    int negativeCurrencyFormat = 0;
    std::array<std::string, 12> shortMonthNames{};  // "Jan".."Dec"
    std::array<std::string, 12> longMonthNames{};   // "January".."December"
    std::string shortDateFormat = "M/d/yyyy";       // Windows-style picture
    std::string longTimeFormat = "h:mm:ss AMPM";

    // English (United States): ".", ",", "$1,234.50", "($1,234.50)".
    static LocaleInfo englishUS();
    // German (Germany): ",", ".", "1.234,50 €", "-1.234,50 €".
    static LocaleInfo germanDE();
};

}  // namespace platform
