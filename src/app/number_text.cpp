#include "app/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/text_compare.h"

namespace app {
namespace {

std::string fixed(double number, int decimals) {
    if (decimals < 0)
        decimals = 0;
    const int n = std::snprintf(nullptr, 0, "%.*f", decimals, number);
    std::string out(static_cast<std::size_t>(n), '\0');
    std::snprintf(out.data(), out.size() + 1, "%.*f", decimals, number);
    return out;
}

std::string padLeft(std::string text, int width) {
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

[[noreturn]] void notANumber(const std::string& text) {
    throw ConversionError("'" + text + "' is not a valid floating point value");
}

}  // namespace

std::string FormatCount(double number, int width, int decimals) {
    std::string text = fixed(number, decimals);
    const std::size_t signLength = (!text.empty() && text[0] == '-') ? 1 : 0;
    std::size_t point = text.find('.');
    if (point == std::string::npos)
        point = text.size();
    for (std::size_t pos = point; pos > signLength + 3; pos -= 3) {
        text.insert(pos - 3, ",");
    }
    return padLeft(text, width);
}

std::string FormatFixed(double number, int width, int decimals) {
    return padLeft(fixed(number, decimals), width);
}

std::string StripMoneyText(const std::string& text, const platform::LocaleInfo& locale) {
    std::string out = platform::replaceAll(text, locale.thousandsSeparator, "");
    return platform::replaceAll(out, locale.currencySymbol, "");
}

std::string StripParentheses(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '(' && c != ')')
            out += c;
    }
    return out;
}

double StrToFloat(const std::string& text, const platform::LocaleInfo& locale) {
    const std::string t = platform::trimBlanks(text);
    const std::string& sep =
        locale.decimalSeparator.empty() ? std::string(".") : locale.decimalSeparator;
    // Rewrite into the C form that strtod reads, checking the shape on the way.
    std::string c;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        c += t[i++];
    bool digits = false;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        c += t[i++];
        digits = true;
    }
    if (t.compare(i, sep.size(), sep) == 0) {
        c += '.';
        i += sep.size();
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            c += t[i++];
            digits = true;
        }
    }
    if (!digits)
        notANumber(text);
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            c += t[i++];
        bool expDigits = false;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            c += t[i++];
            expDigits = true;
        }
        if (!expDigits)
            notANumber(text);
    }
    if (i != t.size())
        notANumber(text);
    const double value = std::strtod(c.c_str(), nullptr);
    if (!std::isfinite(value))
        notANumber(text);
    return value;
}

double ParseLocaleFloat(const std::string& text, const platform::LocaleInfo& locale) {
    std::string t = text;
    if (locale.decimalSeparator == ".") {
        t = platform::replaceAll(t, ",", ".");
    } else if (locale.decimalSeparator == ",") {
        t = platform::replaceAll(t, ".", ",");
    }
    return StrToFloat(t, locale);
}

std::string FloatToStr(double value, const platform::LocaleInfo& locale) {
    if (value == 0)
        return "0";
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);  // d.dddddddddddddde+XX
    std::string s(buf);
    const bool negative = s[0] == '-';
    if (negative)
        s.erase(0, 1);
    const std::size_t e = s.find('e');
    const int exponent = std::atoi(s.c_str() + e + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const std::string& sep = locale.decimalSeparator;

    std::string out = negative ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out += "0" + sep + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        } else {
            const auto whole = static_cast<std::size_t>(exponent + 1);
            if (digits.size() <= whole) {
                out += digits + std::string(whole - digits.size(), '0');
            } else {
                out += digits.substr(0, whole) + sep + digits.substr(whole);
            }
        }
        return out;
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1)
        out += sep + digits.substr(1);
    return out + "E" + std::to_string(exponent);
}

}  // namespace app
