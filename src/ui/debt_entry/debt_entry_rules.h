#pragma once

// The rules of the debt entry form that need no window: which keys an edit takes, how
// its texts are read, the small-rate warning and the checks that the minimum payment can
// repay the debt.

#include <optional>
#include <string>

#include "platform/locale_info.h"

namespace ui {

// The kinds of numeric edit of the form, for the key filter.
enum class EntryField { MinPay, Amount, Rate, WholeNumber };

// NumericOnly: true when `key` (one typed character, UTF-8) may go into a field of `kind`
// whose text is `currentText`. Control characters always pass; otherwise digits, ","
// and the locale's decimal separator (not twice, and never in whole-number fields), and
// "%" in the minimum payment.
bool NumericOnly(const std::string& key, const std::string& currentText, EntryField kind,
                 const platform::LocaleInfo& locale);

// Blanks and control characters removed at both ends.
std::string TrimText(const std::string& text);

// An amount as the checks read it: trimmed, thousands separators and the currency symbol
// removed (and "(" ")" when `dropParentheses`), an empty text as 0. Nothing when the text
// is not a number of 0 or more.
std::optional<double> ReadAmount(const std::string& text, const platform::LocaleInfo& locale,
                                 bool dropParentheses = false);

// A whole number, trimmed; nothing when the text is anything else.
std::optional<int> ReadWholeNumber(const std::string& text);

// The yearly rate a quoted rate amounts to, for the small-rate warning.
double YearlyEquivalentRate(double rate, int rateKind);

// The text of the small-rate question; `kindText` is the chooser's item text.
std::string SmallRateWarningText(double yearlyRate, int rateKind, const std::string& kindText,
                                 const platform::LocaleInfo& locale);

// DebtInfoOkay without its messages.
enum class RepaymentProblem { None, NeverRepays, LongerThan30Years, CurrentBelowMinimum };
struct RepaymentInput {
    double balance = 0;
    double minPay = 0;  // the amount, or the percentage when minPayIsPercent
    bool minPayIsPercent = false;
    double currentPayment = 0;
    double rate = 0;
    int rateKind = 1;
};
// The minimum payment in money: the rounded percentage of the balance, or the amount.
double MinimumPaymentAmount(const RepaymentInput& in);
RepaymentProblem CheckRepayment(const RepaymentInput& in);

}  // namespace ui
