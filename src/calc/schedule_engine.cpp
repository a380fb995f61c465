#include "calc/schedule_engine.h"

#include <algorithm>
#include <cmath>

#include "calc/calendar.h"
#include "calc/number_text.h"
#include "calc/priorities.h"
#include "calc/rate_text.h"
#include "calc/rates.h"
#include "calc/repayment_watch.h"
#include "calc/rounding.h"
#include "calc/timed_plan.h"

namespace calc {

namespace {

using Amounts = std::array<double, kMaxPositions>;

// The working values of one run, per position; all on the stack, nothing is allocated
// while the months are computed.
struct Working {
    Amounts balance{};
    Amounts rate{};
    std::array<bool, kMaxPositions> daily{};
    Amounts paid{};  // paid on the position in the current month
    Amounts equalShares{};
};

constexpr std::size_t At(int position) {
    return static_cast<std::size_t>(position - 1);
}

CalcResult ScheduleTooLong(bool timed) {
    return CalcResult::failure(
        CalcErrorKind::ScheduleTooLong,
        std::string("The debts are not paid off within 360 months (30 years)") +
            (timed ? " at the timed payments" : "") +
            ", so no payment schedule can be made. Raise the payments or the extra payment.");
}

void StoreMonth(PayoffSchedule& s, const Working& w, int p, int m) {
    s.SetBal(p, m, w.balance[At(p)]);
    s.SetPay(p, m, w.paid[At(p)]);
}

// Methods 1 to 10: all extra money goes to the first open position; what it does not need
// flows on to the next.
void SnowballExtra(PayoffSchedule& s, Working& w, double& extraPool, int m) {
    for (int p = 1; p <= s.numPositions; ++p) {
        double b = w.balance[At(p)];
        if (extraPool > 0 && b > 0) {
            b = b - extraPool;
            if (b >= 0) {
                w.paid[At(p)] = w.paid[At(p)] + extraPool;
                extraPool = 0;
            } else {
                w.paid[At(p)] = w.paid[At(p)] + (extraPool + b);
                extraPool = -b;
                b = 0;
            }
            w.balance[At(p)] = b;
            StoreMonth(s, w, p, m);
        }
    }
}

// Method 11: the extra money is shared equally among the open positions; the odd cents go
// to the first open positions (or are taken from the last ones), and money a position does
// not need is shared again among those still open.
void DisperseExtra(PayoffSchedule& s, Working& w, double& extraPool, int m) {
    const int n = s.numPositions;
    for (;;) {
        int k = 0;
        for (int p = 1; p <= n; ++p) {
            if (w.balance[At(p)] > 0) {
                ++k;
            }
        }
        if (k == 0) {
            return;
        }
        const double share = RoundToCents(extraPool / k);
        for (int j = 1; j <= k; ++j) {
            w.equalShares[At(j)] = share;
        }
        double r = extraPool - k * share;
        if (r > 0) {
            for (int j = 1; j <= k && r > 0.005; ++j) {
                w.equalShares[At(j)] = w.equalShares[At(j)] + 0.01;
                r = r - 0.01;
            }
        } else {
            r = std::fabs(r);
            for (int j = k; j >= 1 && r > 0.005; --j) {
                w.equalShares[At(j)] = w.equalShares[At(j)] - 0.01;
                r = r - 0.01;
            }
        }
        extraPool = 0;
        int j = 0;
        for (int p = 1; p <= n; ++p) {
            double b = w.balance[At(p)];
            if (!(b > 0)) {
                continue;
            }
            const double mine = w.equalShares[At(++j)];
            b = b - mine;
            if (b >= 0) {
                w.paid[At(p)] = w.paid[At(p)] + mine;
            } else {
                w.paid[At(p)] = w.paid[At(p)] + (mine + b);
                extraPool = extraPool + -b;
                b = 0;
            }
            w.balance[At(p)] = b;
            StoreMonth(s, w, p, m);
        }
        if (extraPool == 0) {
            return;
        }
    }
}

double SumOfBalances(const Working& w, int n) {
    double sum = 0.0;
    for (int p = 1; p <= n; ++p) {
        sum += w.balance[At(p)];
    }
    return sum;
}

CalcResult RunReduction(const plan::TClientRec& plan, const ScheduleOptions& options,
                        PayoffSchedule& s, Working& w, double minPayExcess) {
    const int n = s.numPositions;
    const bool useMinimum = plan.UseMinimumPayment != 0;
    const bool disperse = plan.PriorityMethod == kDisperseEqually;
    const double fixedExtra = plan.ExtraPayment;
    const int startMonth = plan.StartMonth;
    const int startYear = plan.StartYear;

    // Step 6.
    double basePayment = 0.0;
    for (int p = 1; p <= n; ++p) {
        basePayment += s.SchedPay[At(p)];
    }
    basePayment += minPayExcess;

    for (int m = 1; m <= kMaxMonths; ++m) {
        // Step 7.
        const double extra = options.varExtraInUse ? plan.VariableExtra[m - 1] : fixedExtra;
        double extraPool = minPayExcess + extra;
        const double totalPaid = basePayment + extra;
        const int days = DaysOfScheduleMonth(startMonth, startYear, m);

        // Step 8: the scheduled payments; paid-off positions roll their payment over.
        for (int p = 1; p <= n; ++p) {
            double b = w.balance[At(p)];
            if (b > 0) {
                const double interest = MonthInterest(b, w.rate[At(p)], w.daily[At(p)], days);
                double paid = s.SchedPay[At(p)];
                b = b + interest - paid;
                if (b < 0) {
                    extraPool = extraPool + -b;
                    paid = paid + b;
                    b = 0;
                }
                w.balance[At(p)] = b;
                w.paid[At(p)] = paid;
                StoreMonth(s, w, p, m);
            } else {
                w.paid[At(p)] = 0;
                s.SetBal(p, m, 0);
                extraPool = extraPool + s.SchedPay[At(p)];
            }
        }

        // Step 9: the extra money.
        if (disperse) {
            DisperseExtra(s, w, extraPool, m);
        } else {
            SnowballExtra(s, w, extraPool, m);
        }

        // Step 10: percentage minimums fall with the balance; the difference becomes extra
        // money from the next month on.
        if (useMinimum) {
            for (int p = 1; p <= n; ++p) {
                const plan::TDebtRec& debt = plan.Debts[s.PayoffOrder[At(p)] - 1];
                const double b = w.balance[At(p)];
                if (debt.MinPayIsPercent != 0 && b > 0) {
                    const double minimum = debt.MinPayment;
                    const double newSched = RoundToCents(minimum * b / 100);
                    minPayExcess = minPayExcess + (s.SchedPay[At(p)] - newSched);
                    s.SchedPay[At(p)] = newSched;
                }
            }
        }

        // Step 11.
        s.MonthTotals[static_cast<std::size_t>(m - 1)] = totalPaid;
        if (SumOfBalances(w, n) == 0) {
            s.MonthTotals[static_cast<std::size_t>(m - 1)] = totalPaid - extraPool;
            s.ScheduleMonths = m;
            return CalcResult::success();
        }
    }
    return ScheduleTooLong(false);
}

CalcResult RunTimed(const plan::TClientRec& plan, PayoffSchedule& s, Working& w) {
    const int n = s.numPositions;
    const int startMonth = plan.StartMonth;
    const int startYear = plan.StartYear;
    for (int m = 1; m <= kMaxMonths; ++m) {
        double totalPaid = 0.0;
        const int days = DaysOfScheduleMonth(startMonth, startYear, m);
        for (int p = 1; p <= n; ++p) {
            double b = w.balance[At(p)];
            if (b > 0) {
                const double interest = MonthInterest(b, w.rate[At(p)], w.daily[At(p)], days);
                totalPaid += s.SchedPay[At(p)];
                double paid = s.SchedPay[At(p)];
                b = b + interest - paid;
                if (b < 0) {
                    totalPaid += b;
                    paid = paid + b;
                    b = 0;
                }
                w.balance[At(p)] = b;
                w.paid[At(p)] = paid;
                StoreMonth(s, w, p, m);
            } else {
                s.SetBal(p, m, 0);
                s.SetPay(p, m, 0);
            }
        }
        s.MonthTotals[static_cast<std::size_t>(m - 1)] = totalPaid;
        if (SumOfBalances(w, n) == 0) {
            s.ScheduleMonths = m;
            return CalcResult::success();
        }
    }
    return ScheduleTooLong(true);
}

}  // namespace

bool CheckVariable(const plan::TClientRec& plan) {
    if (plan.ExtraPaymentSource != 2) {
        return false;
    }
    for (int m = 0; m < kMaxMonths; ++m) {
        if (plan.VariableExtra[m] > 0) {
            return true;
        }
    }
    return false;
}

CalcResult CalcDebtValues(const plan::TClientRec& plan, int numDebts,
                          const ScheduleOptions& options, const platform::LocaleInfo& locale,
                          PayoffSchedule& s) {
    const int n = std::clamp(numDebts, 0, kMaxPositions);
    s.numPositions = n;
    s.timed = options.timed;
    s.ScheduleMonths = 0;

    // Step 1.
    s.calendar = SetUpDates(plan);

    // Step 2: payoff order by priority (not for the timed plan) and payment-day order, both
    // stable so that equal keys keep the order of the debt numbers.
    s.PayoffOrder.fill(0);
    s.PayDayOrder.fill(0);
    for (int p = 1; p <= n; ++p) {
        s.PayoffOrder[At(p)] = p;
        s.PayDayOrder[At(p)] = p;
    }
    if (!options.timed) {
        std::stable_sort(s.PayoffOrder.begin(), s.PayoffOrder.begin() + n, [&](int a, int b) {
            return plan.Debts[a - 1].Priority < plan.Debts[b - 1].Priority;
        });
    }
    std::stable_sort(s.PayDayOrder.begin(), s.PayDayOrder.begin() + n, [&](int a, int b) {
        return plan.Debts[a - 1].PayDay < plan.Debts[b - 1].PayDay;
    });
    s.PositionOfDebt.fill(0);
    for (int p = 1; p <= n; ++p) {
        s.PositionOfDebt[At(s.PayoffOrder[At(p)])] = p;
    }

    // Step 3.
    Working w;
    for (int p = 1; p <= n; ++p) {
        const plan::TDebtRec& debt = plan.Debts[s.PayoffOrder[At(p)] - 1];
        s.PositionName[At(p)] = debt.Name.text();
        s.PositionStartBalance[At(p)] = debt.Balance;
        s.PositionRateText[At(p)] = Utf8Left(GetRate(debt, locale), 12);
        w.balance[At(p)] = debt.Balance;
        w.rate[At(p)] = MonthlyRate(debt);
        w.daily[At(p)] = debt.RateKind == kRateDaily;
    }
    for (int p = n + 1; p <= kMaxPositions; ++p) {
        s.PositionName[At(p)].clear();
        s.PositionStartBalance[At(p)] = 0;
        s.PositionRateText[At(p)].clear();
    }

    // Step 4: the scheduled payments.
    double minPayExcess = 0.0;
    s.SchedPay.fill(0.0);
    if (options.timed) {
        const CalcResult timed = CalcTimedValues(plan, n, s.SchedPay);
        if (!timed.ok()) {
            return timed;
        }
    } else {
        const bool useMinimum = plan.UseMinimumPayment != 0;
        for (int p = 1; p <= n; ++p) {
            const plan::TDebtRec& debt = plan.Debts[s.PayoffOrder[At(p)] - 1];
            const double current = debt.CurrentPayment;
            if (useMinimum) {
                const double minimum = debt.MinPayment;
                const double balance = debt.Balance;
                const double sched =
                    debt.MinPayIsPercent != 0 ? RoundToCents(minimum * balance / 100) : minimum;
                s.SchedPay[At(p)] = sched;
                minPayExcess += current - sched;
            } else {
                s.SchedPay[At(p)] = current;
            }
        }
    }
    s.StartSchedPay = s.SchedPay;

    // Step 5.
    s.MonthTotals.fill(0.0);
    for (auto& row : s.Pay) {
        row.fill(0.0);
    }
    for (auto& row : s.Bal) {
        row.fill(0.0);
    }

    return options.timed ? RunTimed(plan, s, w) : RunReduction(plan, options, s, w, minPayExcess);
}

CalcResult CalcCurrentPlan(const plan::TClientRec& plan, const PayoffSchedule& s,
                           CurrentPlan& current) {
    const int n = s.numPositions;
    const int startMonth = plan.StartMonth;
    const int startYear = plan.StartYear;
    current.numPositions = n;
    current.CurPlanTotalInterest = 0.0;
    for (int p = 1; p <= n; ++p) {
        const int d = s.PayoffOrder[At(p)];
        const plan::TDebtRec& debt = plan.Debts[d - 1];
        const double rate = MonthlyRate(debt);
        const bool daily = debt.RateKind == kRateDaily;
        const double payment = debt.CurrentPayment;
        double b = debt.Balance;
        double interestSum = 0.0;
        double last = 0.0;
        int months = 0;
        RepaymentWatch watch(b);
        for (;;) {
            ++months;
            if (b > 0) {
                const double interest = MonthInterest(
                    b, rate, daily, DaysOfScheduleMonth(startMonth, startYear, months));
                interestSum += interest;
                b = b + interest - payment;
                last = payment;
                if (b < 0) {
                    last = payment + b;
                    b = 0;
                }
            }
            // Paid off; a balance that was never above 0 counts as paid off after one month.
            if (!(b > 0)) {
                break;
            }
            const Repayment how = watch.check(months, b);
            if (how != Repayment::Repaying) {
                return CalcResult::failure(CalcErrorKind::NeverRepays,
                                           NeverRepaysMessage(d, debt.Name.text(), how));
            }
        }
        current.CurPlanMonths[At(p)] = months;
        current.CurPlanInterest[At(p)] = interestSum;
        current.CurPlanLastPayment[At(p)] = last;
        current.CurPlanTotalInterest += interestSum;
    }
    return CalcResult::success();
}

}  // namespace calc
