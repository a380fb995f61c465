#include "calc/number_text.h"

#include <charconv>
#include <cmath>

namespace calc {

namespace {

// The digits of |value| rounded to `decimals` decimals: integer part and fraction part.
void DecimalDigits(double value, int decimals, std::string& integerPart, std::string& fraction) {
    integerPart = "0";
    fraction.assign(static_cast<std::size_t>(decimals), '0');
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(magnitude)) {
        return;
    }
    // 15 significant digits: d.dddddddddddddde[+-]x
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    std::string digits;
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits += *p;
        }
    }
    int exponent = 0;
    const char* expStart = p + 1;
    if (expStart < res.ptr && *expStart == '+') {
        ++expStart;
    }
    std::from_chars(expStart, static_cast<const char*>(res.ptr), exponent);
    // digits[0] has the place value 10^exponent. Keep the digits down to 10^-decimals.
    const int keep = exponent + 1 + decimals;
    if (keep < 0) {
        return;
    }
    std::string kept = digits.substr(0, static_cast<std::size_t>(std::min<int>(keep, 15)));
    if (static_cast<int>(kept.size()) < keep) {
        kept.append(static_cast<std::size_t>(keep) - kept.size(), '0');
    }
    const bool roundUp =
        keep < static_cast<int>(digits.size()) && digits[static_cast<std::size_t>(keep)] >= '5';
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
            kept[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            kept[static_cast<std::size_t>(i)] += 1;
        } else {
            kept.insert(kept.begin(), '1');
        }
    }
    // Split: the last `decimals` digits are the fraction.
    if (static_cast<int>(kept.size()) < decimals + 1) {
        kept.insert(0, static_cast<std::size_t>(decimals + 1) - kept.size(), '0');
    }
    integerPart = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
    fraction = kept.substr(kept.size() - static_cast<std::size_t>(decimals));
    const auto firstNonZero = integerPart.find_first_not_of('0');
    integerPart =
        firstNonZero == std::string::npos ? std::string("0") : integerPart.substr(firstNonZero);
}

std::string Grouped(const std::string& integerPart, const std::string& separator) {
    std::string out;
    const std::size_t n = integerPart.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += separator;
        }
        out += integerPart[i];
    }
    return out;
}

// The Windows negative currency layouts 0..15, with n the number and s the symbol.
std::string NegativeCurrency(const std::string& n, const std::string& s, int layout) {
    switch (layout) {
        case 0:
            return "(" + s + n + ")";
        case 1:
            return "-" + s + n;
        case 2:
            return s + "-" + n;
        case 3:
            return s + n + "-";
        case 4:
            return "(" + n + s + ")";
        case 5:
            return "-" + n + s;
        case 6:
            return n + "-" + s;
        case 7:
            return n + s + "-";
        case 8:
            return "-" + n + " " + s;
        case 9:
            return "-" + s + " " + n;
        case 10:
            return n + " " + s + "-";
        case 11:
            return s + " " + n + "-";
        case 12:
            return s + " -" + n;
        case 13:
            return n + "- " + s;
        case 14:
            return "(" + s + " " + n + ")";
        case 15:
            return "(" + n + " " + s + ")";
        default:
            return "-" + s + n;
    }
}

std::string PositiveCurrency(const std::string& n, const std::string& s, int layout) {
    switch (layout) {
        case 1:
            return n + s;
        case 2:
            return s + " " + n;
        case 3:
            return n + " " + s;
        default:
            return s + n;
    }
}

}  // namespace

std::string FormatAmount(double value, int decimals, bool currencyStyle,
                         const platform::LocaleInfo& locale) {
    if (decimals < 0) {
        decimals = 0;
    }
    std::string integerPart;
    std::string fraction;
    DecimalDigits(value, decimals, integerPart, fraction);
    std::string number = Grouped(integerPart, locale.thousandsSeparator);
    if (decimals > 0) {
        number += locale.decimalSeparator;
        number += fraction;
    }
    const bool isZero = integerPart == "0" && fraction.find_first_not_of('0') == std::string::npos;
    const bool negative = value < 0 && !isZero;
    if (!currencyStyle) {
        return negative ? "-" + number : number;
    }
    return negative ? NegativeCurrency(number, locale.currencySymbol, locale.negativeCurrencyFormat)
                    : PositiveCurrency(number, locale.currencySymbol, locale.currencyFormat);
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

std::string Utf8Left(std::string_view text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == count) {
                return std::string(text.substr(0, i));
            }
            ++chars;
        }
    }
    return std::string(text);
}

std::string PadLeft(std::string_view text, int width) {
    const std::size_t length = Utf8Length(text);
    if (width <= 0 || length >= static_cast<std::size_t>(width)) {
        return std::string(text);
    }
    return std::string(static_cast<std::size_t>(width) - length, ' ') + std::string(text);
}

}  // namespace calc
