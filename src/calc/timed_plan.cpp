#include "calc/timed_plan.h"

#include <algorithm>

#include "calc/rates.h"
#include "calc/rounding.h"

namespace calc {

double TimedPayment(const plan::TClientRec& plan, int debt) {
    const plan::TDebtRec& d = plan.Debts[debt - 1];
    const double c = MonthlyEquivalentRate(d.Rate, d.RateKind);
    return RoundToCents(LevelPayment(d.Balance, c, plan.TimedMonths) + 0.004999);
}

CalcResult CalcTimedValues(const plan::TClientRec& plan, int numDebts,
                           std::array<double, kMaxPositions>& schedPay) {
    const double months = plan.TimedMonths;
    if (!(months > 0)) {
        return CalcResult::failure(
            CalcErrorKind::TimedMonthsZero,
            "Timed Debt Elimination needs a number of months to pay the debts off in, but "
            "\"Months To Pay\" is 0. Enter 1 to 360 months.");
    }
    const int n = std::clamp(numDebts, 0, kMaxPositions);
    for (int d = 1; d <= n; ++d) {
        const double timed = TimedPayment(plan, d);
        const double current = plan.Debts[d - 1].CurrentPayment;
        schedPay[static_cast<std::size_t>(d - 1)] = timed < current ? current : timed;
    }
    return CalcResult::success();
}

double ExtraPaymentNeeded(const plan::TClientRec& plan, int numDebts,
                          const std::array<double, kMaxPositions>& schedPay) {
    const int n = std::clamp(numDebts, 0, kMaxPositions);
    double extra = 0.0;
    for (int d = 1; d <= n; ++d) {
        const double current = plan.Debts[d - 1].CurrentPayment;
        extra += schedPay[static_cast<std::size_t>(d - 1)] - current;
    }
    return extra;
}

}  // namespace calc
