#pragma once

// Stops the loops that run a single debt or loan "until it is paid off" when it never will
// be: the balance at the end of a month is not lower than twelve months earlier (twelve
// months cover every month length, so "Daily" debts, whose interest changes with the days
// of the month, are judged over a whole year), or the payoff would take longer than
// kMonthCap months (a payment only fractions of a cent above the interest).

#include <array>
#include <string>

namespace calc {

enum class Repayment { Repaying, Stalled, TooLong };

class RepaymentWatch {
  public:
    static constexpr int kMonthCap = 12000;  // 1000 years

    explicit RepaymentWatch(double startBalance) {
        history_.fill(0.0);
        history_[0] = startBalance;
    }

    // Call after month m (1, 2, ...) with the balance at its end, while it is not paid off.
    Repayment check(int month, double balance) {
        const std::size_t slot = static_cast<std::size_t>(month % 12);
        if (month >= 12 && !(balance < history_[slot])) {
            return Repayment::Stalled;
        }
        history_[slot] = balance;
        return month >= kMonthCap ? Repayment::TooLong : Repayment::Repaying;
    }

  private:
    std::array<double, 12> history_;  // the balance at the end of month m in slot m mod 12
};

// The text shown when the current payment of debt `debt` (1-based) named `name` does not
// repay it.
std::string NeverRepaysMessage(int debt, const std::string& name, Repayment how);

}  // namespace calc
