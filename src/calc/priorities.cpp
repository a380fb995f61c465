#include "calc/priorities.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/rates.h"
#include "calc/rounding.h"

namespace calc {

const std::array<std::string_view, 11> kPriorityMethodNames = {"Highest Rate First",
                                                               "Smallest Debt First",
                                                               "Largest Debt First",
                                                               "Smallest Minimum Payment First",
                                                               "Largest Minimum Payment First",
                                                               "Smallest Current Payment First",
                                                               "Largest Current Payment First",
                                                               "Shortest Term Debt First",
                                                               "Largest Term Debt First",
                                                               "User Specified",
                                                               "Disperse Extra Funds Equally"};

namespace {

double TermKey(const plan::TDebtRec& debt) {
    const double balance = debt.Balance;
    const double payment = debt.CurrentPayment;
    if (!(balance > 0)) {
        return 0.0;
    }
    const double c = MonthlyEquivalentRate(debt.Rate, debt.RateKind);
    const double term = c == 0 ? RoundHalfEven(balance / payment)
                               : RoundHalfEven(TermInMonths(balance, c, payment) + 0.0001);
    // NaN (the payment does not cover the interest) or a zero payment: never repaid.
    if (std::isnan(term) || term < 0) {
        return std::numeric_limits<double>::infinity();
    }
    return term;
}

bool Descending(int method) {
    return method == kHighestRateFirst || method == kLargestDebtFirst ||
           method == kLargestMinimumFirst || method == kLargestCurrentFirst ||
           method == kLargestTermFirst;
}

}  // namespace

double PriorityKey(const plan::TDebtRec& debt, int method) {
    switch (method) {
        case kHighestRateFirst:
            return MonthlyEquivalentRate(debt.Rate, debt.RateKind);
        case kSmallestDebtFirst:
        case kLargestDebtFirst:
            return debt.Balance;
        case kSmallestMinimumFirst:
        case kLargestMinimumFirst: {
            const double minimum = debt.MinPayment;
            const double balance = debt.Balance;
            return debt.MinPayIsPercent != 0 ? minimum * balance / 100 : minimum;
        }
        case kSmallestCurrentFirst:
        case kLargestCurrentFirst:
            return debt.CurrentPayment;
        case kShortestTermFirst:
        case kLargestTermFirst:
            return TermKey(debt);
        default:
            return 0.0;
    }
}

void SetPriorities(plan::TClientRec& plan, int numDebts) {
    const int method = plan.PriorityMethod;
    if (plan.ReductionPlan != 1 || method == kUserSpecified || method < 1 || method > 11) {
        return;
    }
    const int n = std::clamp(numDebts, 0, plan::kMaxDebts);
    if (method == kDisperseEqually) {
        for (int d = 1; d <= n; ++d) {
            plan.Debts[d - 1].Priority = static_cast<std::uint16_t>(d);
        }
        return;
    }
    std::array<double, plan::kMaxDebts> key{};
    std::array<int, plan::kMaxDebts> order{};
    for (int d = 1; d <= n; ++d) {
        key[static_cast<std::size_t>(d - 1)] = PriorityKey(plan.Debts[d - 1], method);
        order[static_cast<std::size_t>(d - 1)] = d;
    }
    const bool descending = Descending(method);
    // NaN keys (only from data that bypassed the entry checks) compare as the largest
    // value, so the comparison stays a strict weak order.
    auto less = [](double a, double b) {
        if (std::isnan(a)) {
            return false;
        }
        if (std::isnan(b)) {
            return true;
        }
        return a < b;
    };
    std::stable_sort(order.begin(), order.begin() + n, [&](int a, int b) {
        const double ka = key[static_cast<std::size_t>(a - 1)];
        const double kb = key[static_cast<std::size_t>(b - 1)];
        return descending ? less(kb, ka) : less(ka, kb);
    });
    for (int k = 1; k <= n; ++k) {
        plan.Debts[order[static_cast<std::size_t>(k - 1)] - 1].Priority =
            static_cast<std::uint16_t>(k);
    }
}

SharedPriority FindSharedPriority(const plan::TClientRec& plan, int numDebts) {
    const int n = std::clamp(numDebts, 0, plan::kMaxDebts);
    for (int i = 1; i <= n; ++i) {
        const int pi = plan.Debts[i - 1].Priority;
        for (int j = i + 1; j <= n; ++j) {
            if (plan.Debts[j - 1].Priority == pi) {
                return {i, j};
            }
        }
    }
    return {};
}

}  // namespace calc
