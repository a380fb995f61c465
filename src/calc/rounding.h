#pragma once

// Rounding of amounts to the cent, the power function the rate formulas use, and the
// nearest-integer rounding of terms.

namespace calc {

// Rounds an amount to whole cents, half away from zero, on its 12-decimal text: 0.115 gives
// 0.12 although the double is a little below 0.115. The carry is a plain double addition
// of 0.01, so 2.345 gives 2.34 + 0.01 = 2.3499999999999996. Infinities and NaN are
// returned unchanged.
double RoundToCents(double amount);

// x to the power y: 1 when y is 0, 0 when x is 0, x when y is 1, otherwise exp(y * ln x).
// Deliberately not std::pow, whose last bits differ.
double Power(double x, double y);

// Rounds to the nearest whole number; a value exactly halfway goes to the even neighbour.
double RoundHalfEven(double value);

// The exponent one twelfth (the double nearest 1/12).
inline constexpr double kOneTwelfth = 1.0 / 12.0;

}  // namespace calc
