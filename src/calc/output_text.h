#pragma once

// Text pieces of the machine-readable outputs: numbers in their shortest exact round-trip
// form, JSON strings and CSV fields.

#include <string>
#include <string_view>

namespace calc {

// The shortest text that reads back as exactly this double ("100", "2.3499999999999996");
// "null" for an infinity or NaN, which JSON cannot hold.
std::string ShortestNumber(double value);

// A JSON string literal with quotes; the text is UTF-8.
std::string JsonString(std::string_view text);

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

}  // namespace calc
