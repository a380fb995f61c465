#include "calc/rounding.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace calc {

double RoundToCents(double amount) {
    if (!std::isfinite(amount)) {
        return amount;
    }
    // Step 1: fixed notation with exactly 12 decimals (the width of 14 only adds leading
    // blanks and changes no digit). A double needs at most 309 integer digits.
    char text[400];
    const auto written =
        std::to_chars(text, text + sizeof text, amount, std::chars_format::fixed, 12);
    const char* end = written.ptr;
    const char* point = static_cast<const char*>(std::memchr(text, '.', end - text));
    if (written.ec != std::errc() || point == nullptr || end - point < 4) {
        return amount;
    }
    // Step 2: the digit of tenths of a cent, then cut after the second decimal.
    const char tenthOfCent = point[3];
    const char* cut = point + 3;

    // Step 3: "-0.00" counts as zero, not negative zero.
    bool onlyZeros = true;
    for (const char* c = text + (text[0] == '-' ? 1 : 0); c < cut; ++c) {
        if (*c != '0' && *c != '.') {
            onlyZeros = false;
            break;
        }
    }
    // Step 4: read the cut text back.
    double value = 0.0;
    if (!onlyZeros) {
        std::from_chars(text, cut, value);
    }
    // Step 5: one cent away from zero when the dropped digit is 5 or more.
    if (tenthOfCent >= '5') {
        if (amount >= 0) {
            value = value + 0.01;
        } else {
            value = value - 0.01;
        }
    }
    return value;
}

double Power(double x, double y) {
    if (y == 0) {
        return 1.0;
    }
    if (x == 0) {
        return 0.0;
    }
    if (y == 1) {
        return x;
    }
    return std::exp(y * std::log(x));
}

double RoundHalfEven(double value) {
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(value);
}

}  // namespace calc
