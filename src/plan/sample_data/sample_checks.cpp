#include "plan/sample_data/sample_checks.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace plan::samples {
namespace {

// Rounding to the cent on the amount's 12-decimal text, half away from zero.
double roundToCents(double amount) {
    char text[64];
    std::snprintf(text, sizeof text, "%14.12f", amount);
    std::string_view s(text);
    const auto point = s.find('.');
    const char third = s[point + 3];
    double value = std::strtod(std::string(s.substr(0, point + 3)).c_str(), nullptr);
    if (value == 0)
        value = 0;  // no negative zero
    if (third >= '5')
        value += amount >= 0 ? 0.01 : -0.01;
    return value;
}

double power(double base, double exponent) {
    if (exponent == 0)
        return 1;
    if (base == 0)
        return 0;
    if (exponent == 1)
        return base;
    return std::exp(exponent * std::log(base));
}

// The rate per month with compounding, for the entry checks.
double monthlyEquivalentRate(double rate, int kind) {
    if (rate == 0)
        return 0;
    switch (kind) {
        case 2:
            return power(1 + rate / 100, 1.0 / 12) - 1;
        case 3:
            return rate / 100;
        case 4:
            return power(power(1 + rate / 100, 365), 1.0 / 12) - 1;
        default:
            return rate / 1200;
    }
}

// The yearly rate the entry form compares with 1 %.
double yearlyEquivalent(double rate, int kind) {
    switch (kind) {
        case 2:
            return (power(1 + rate / 100, 1.0 / 12) - 1) * 1200;
        case 3:
            return rate * 12;
        case 4:
            return rate * 365;
        default:
            return rate;
    }
}

double termInMonths(double balance, double c, double payment) {
    if (c == 0)
        return balance / payment;
    return -std::log(1 - balance * c / payment) / std::log(1 + c);
}

void checkDebt(const TDebtRec& d, int number, std::vector<std::string>& problems) {
    const std::string name = d.Name.text();
    const std::string who = "debt " + std::to_string(number) + " \"" + name + "\": ";
    auto problem = [&](const std::string& text) { problems.push_back(who + text); };

    const double minPayment = d.MinPayment;
    const double current = d.CurrentPayment;
    const double balance = d.Balance;
    const double rate = d.Rate;
    const int kind = d.RateKind;
    const int payDay = d.PayDay;

    if (name.empty() || name.size() > 17)
        problem("the name must have 1 to 17 characters");
    if (d.MinPayIsPercent && (minPayment < 1 || minPayment > 100)) {
        problem("a minimum percentage must lie from 1 to 100");
    }
    if (minPayment < 0 || current < 0 || balance < 0 || rate < 0) {
        problem("amounts and rates must not be negative");
    }
    if (kind < 1 || kind > 4)
        problem("unknown rate kind");
    if (payDay < 1 || payDay > 28)
        problem("the payment day must lie from 1 to 28");
    if (d.Priority < 1)
        problem("the priority must be above 0");
    if (yearlyEquivalent(rate, kind) < 1)
        problem("the rate would be questioned as too small");

    const double m = d.MinPayIsPercent ? roundToCents(balance * minPayment / 100) : minPayment;
    const double c = monthlyEquivalentRate(rate, kind);
    if (roundToCents(balance * c) >= m) {
        problem("the minimum payment can never repay the debt");
        return;
    }
    const double term =
        c != 0 ? std::nearbyint(termInMonths(balance, c, m) + 0.5001) : std::nearbyint(balance / m);
    if (term > 360)
        problem("the minimum payment does not repay the debt within 360 months");
    if (current < m)
        problem("the current payment is below the minimum payment");
}

void checkConsolidation(const TClientRec& p, std::vector<std::string>& problems) {
    double s = 0;
    double t = 0;
    for (int k = 0; k < p.DebtCount; ++k) {
        s += p.Debts[k].Balance;
        t += p.Debts[k].CurrentPayment;
    }
    const double newRate = p.ConNewRate;
    const double r = p.ConRateKind == 2 ? power(1 + newRate / 100, 1.0 / 12) - 1 : newRate / 1200;
    if (p.ConMethod == 3) {
        if (p.ConMonthsInLoan < 1)
            problems.push_back("Specify Term needs 1 to 360 months");
        return;
    }
    const double payment = p.ConMethod == 2 ? p.ConMonthlyPayment : t;
    if (roundToCents(s * r) >= payment) {
        problems.push_back("the consolidated loan can never be repaid");
        return;
    }
    const double term =
        r != 0 ? std::nearbyint(termInMonths(s, r, payment) + 0.0001) : std::nearbyint(s / payment);
    if (term > 360)
        problems.push_back("the consolidated loan takes more than 360 months");
}

}  // namespace

std::vector<std::string> checkSamplePlan(const TClientRec& p) {
    std::vector<std::string> problems;
    if (p.PlanName.length == 0)
        problems.push_back("the plan has no name");
    if (p.DebtCount < 1 || p.DebtCount > kMaxDebts)
        problems.push_back("1 to 50 debts needed");
    if (p.ReductionPlan < 1 || p.ReductionPlan > 3)
        problems.push_back("unknown reduction plan");
    if (p.StartMonth < 1 || p.StartMonth > 12)
        problems.push_back("StartMonth must be 1..12");
    if (p.ConDayDue < 1 || p.ConDayDue > 28)
        problems.push_back("ConDayDue must be 1..28");
    if (p.ConMonthsInLoan > 360)
        problems.push_back("ConMonthsInLoan must be 0..360");
    const double timed = p.TimedMonths;
    if (timed < 1 || timed > 360)
        problems.push_back("TimedMonths must be 1..360");
    if (p.ExtraPayment < 0 || p.ConFee < 0 || p.ConMonthlyPayment < 0 || p.ConNewRate < 0) {
        problems.push_back("plan amounts must not be negative");
    }
    const int count = p.DebtCount <= kMaxDebts ? p.DebtCount : kMaxDebts;
    for (int k = 0; k < count; ++k)
        checkDebt(p.Debts[k], k + 1, problems);
    if (p.ReductionPlan == 1) {
        for (int i = 0; i < count; ++i) {
            for (int j = i + 1; j < count; ++j) {
                if (p.Debts[i].Priority == p.Debts[j].Priority) {
                    problems.push_back("debts " + std::to_string(i + 1) + " and " +
                                       std::to_string(j + 1) + " share a priority");
                }
            }
        }
    }
    if (p.ReductionPlan == 2 && count > 0)
        checkConsolidation(p, problems);
    return problems;
}

}  // namespace plan::samples
