#include "ui/debt_entry/debt_entry_rules.h"

#include <cmath>

#include "app/number_text.h"
#include "calc/number_text.h"
#include "calc/rates.h"
#include "calc/rounding.h"

namespace ui {

bool NumericOnly(const std::string& key, const std::string& currentText, EntryField kind,
                 const platform::LocaleInfo& locale) {
    if (key.empty())
        return true;
    if (key.size() == 1 && static_cast<unsigned char>(key[0]) < 32)
        return true;
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9')
        return true;
    if (key == locale.decimalSeparator) {
        if (kind == EntryField::WholeNumber)
            return false;
        return currentText.find(locale.decimalSeparator) == std::string::npos;
    }
    if (key == ",")
        return true;
    return key == "%" && kind == EntryField::MinPay;
}

std::string TrimText(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return text.substr(begin, end - begin);
}

std::optional<double> ReadAmount(const std::string& text, const platform::LocaleInfo& locale,
                                 bool dropParentheses) {
    std::string s = app::StripMoneyText(TrimText(text), locale);
    if (dropParentheses)
        s = app::StripParentheses(s);
    s = TrimText(s);
    if (s.empty())
        return 0.0;
    try {
        const double value = app::StrToFloat(s, locale);
        if (!std::isfinite(value) || value < 0)
            return std::nullopt;
        return value;
    } catch (const app::ConversionError&) {
        return std::nullopt;
    }
}

std::optional<int> ReadWholeNumber(const std::string& text) {
    const std::string s = TrimText(text);
    if (s.empty() || s.size() > 9)
        return std::nullopt;
    std::size_t i = 0;
    if (s[0] == '+' || s[0] == '-')
        i = 1;
    if (i == s.size())
        return std::nullopt;
    for (std::size_t k = i; k < s.size(); ++k)
        if (s[k] < '0' || s[k] > '9')
            return std::nullopt;
    return std::stoi(s);
}

double YearlyEquivalentRate(double rate, int rateKind) {
    switch (rateKind) {
        case calc::kRateEffective:
            return (calc::Power(1 + rate / 100, calc::kOneTwelfth) - 1) * 1200;
        case calc::kRateMonthly:
            return rate * 12;
        case calc::kRateDaily:
            return rate * 365;
        default:
            return rate;
    }
}

std::string SmallRateWarningText(double yearlyRate, int rateKind, const std::string& kindText,
                                 const platform::LocaleInfo& locale) {
    std::string text = "The interest rate you entered is the equivalent of ";
    text += calc::FormatAmount(yearlyRate, 8, false, locale);
    text += "% APR. This rate seems too small.";
    text += "\r\n";
    if (rateKind == calc::kRateMonthly || rateKind == calc::kRateDaily) {
        text += "The " + kindText + " interest rate should be the annual interest rate divided by ";
        text += rateKind == calc::kRateMonthly ? "12" : "365";
        text += ".";
        text += "\r\n";
    }
    text +=
        " The Interest Rates topic in the help contains more information about interest rates. ";
    text += "\r\n\r\n";
    text += "Do you want to change the interest rate before continuing?";
    return text;
}

double MinimumPaymentAmount(const RepaymentInput& in) {
    return in.minPayIsPercent ? calc::RoundToCents(in.balance * in.minPay / 100) : in.minPay;
}

RepaymentProblem CheckRepayment(const RepaymentInput& in) {
    const double minimum = MinimumPaymentAmount(in);
    const double c = in.rate == 0 ? 0.0 : calc::MonthlyEquivalentRate(in.rate, in.rateKind);
    if (calc::RoundToCents(in.balance * c) >= minimum)
        return RepaymentProblem::NeverRepays;
    // The term rounded up to whole months.
    const double term =
        c != 0 ? calc::RoundHalfEven(calc::TermInMonths(in.balance, c, minimum) + 0.5001)
               : calc::RoundHalfEven(in.balance / minimum);
    if (term > 360)
        return RepaymentProblem::LongerThan30Years;
    if (in.currentPayment < minimum)
        return RepaymentProblem::CurrentBelowMinimum;
    return RepaymentProblem::None;
}

}  // namespace ui
