#include "calc/rate_text.h"

#include "calc/number_text.h"

namespace calc {

const char* RateAbbreviation(int rateKind) {
    switch (rateKind) {
        case 1:
            return "APR";
        case 3:
            return "Mth";
        case 4:
            return "Dly";
        default:
            return "Eff";
    }
}

const char* RateAbbreviation2(int rateKind) {
    switch (rateKind) {
        case 1:
            return "APR";
        case 3:
            return "Mon";
        case 4:
            return "Dly";
        default:
            return "Eff";
    }
}

std::string GetRate(const plan::TDebtRec& debt, const platform::LocaleInfo& locale) {
    return FormatAmount(debt.Rate, 4, false, locale) + "% " + RateAbbreviation(debt.RateKind);
}

std::string RateStr2(const plan::TClientRec& plan, int debt, int width,
                     const platform::LocaleInfo& locale) {
    const plan::TDebtRec& d = plan.Debts[debt - 1];
    return PadLeft(FormatAmount(d.Rate, 4, false, locale) + "% " + RateAbbreviation2(d.RateKind),
                   width);
}

std::string RateStr(const plan::TClientRec& plan, const PayoffSchedule& schedule, int position,
                    int width, const platform::LocaleInfo& locale) {
    return RateStr2(plan, schedule.PayoffOrder[static_cast<std::size_t>(position - 1)], width,
                    locale);
}

}  // namespace calc
