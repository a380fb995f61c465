#pragma once

// The keyboard filters of the main window's edits: which typed character an edit takes.
// Control characters (codes below 32: Backspace, Enter, Tab, ...) always pass.

#include <string>

namespace ui {

// Months in loan, months to pay: the digits 0 to 9.
bool DigitsOnlyAccepts(char32_t key);

// TMainWin.NumericOnly (monthly payment, new rate, fee): "," and the digits, and the
// locale's decimal separator while `editText` holds neither "." nor ",".
bool NumericOnlyAccepts(const std::string& editText, char32_t key,
                        const std::string& decimalSeparator);

// The extra payment edit drops "-", "(" and ")".
bool ExtraPaymentAccepts(char32_t key);

}  // namespace ui
