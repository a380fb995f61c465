#pragma once

// Small plans for the calculation tests, built field by field on an empty record.

#include <memory>
#include <string>

#include "calc/payoff_schedule.h"
#include "plan/client_rec.h"

namespace calc_test {

struct DebtSpec {
    std::string name;
    double balance = 0;
    double rate = 0;
    int rateKind = 1;
    double currentPayment = 0;
    double minPayment = 0;
    bool minIsPercent = false;
    int priority = 1;
    int payDay = 1;
};

inline std::unique_ptr<plan::TClientRec> MakePlan(int reductionPlan = 1, int priorityMethod = 2) {
    auto rec = std::make_unique<plan::TClientRec>(plan::zeroClientRec());
    for (auto& debt : rec->Debts) {
        plan::resetDebtSlot(debt);
    }
    rec->Version.setBytes("4.0");
    rec->ReductionPlan = static_cast<std::uint16_t>(reductionPlan);
    rec->PriorityMethod = static_cast<std::uint16_t>(priorityMethod);
    rec->StartMonth = 1;
    rec->StartYear = 2011;
    rec->ConDayDue = 15;
    rec->ConMethod = 1;
    rec->ConMonthsInLoan = 60;
    rec->ConMonthlyPayment = 100.0;
    rec->ConNewRate = 8.0;
    rec->ConRateKind = 1;
    rec->TimedMonths = 24.0;
    rec->YearEnd = 1;
    rec->DailyDateFormat = 1;
    rec->MonthlyDateFormat = 5;
    rec->DaysBefore = 7;
    return rec;
}

// Adds a debt in the next free slot and returns its number.
inline int AddDebt(plan::TClientRec& rec, const DebtSpec& spec) {
    const int d = rec.DebtCount + 1;
    plan::TDebtRec& debt = rec.Debts[d - 1];
    debt.Name.setText(spec.name);
    debt.Balance = spec.balance;
    debt.Rate = spec.rate;
    debt.RateKind = static_cast<std::uint16_t>(spec.rateKind);
    debt.CurrentPayment = spec.currentPayment;
    debt.MinPayment = spec.minPayment;
    debt.MinPayIsPercent = spec.minIsPercent ? 1 : 0;
    debt.Priority = static_cast<std::uint16_t>(spec.priority);
    debt.PayDay = static_cast<std::uint16_t>(spec.payDay);
    rec.DebtCount = static_cast<std::uint16_t>(d);
    return d;
}

inline std::unique_ptr<calc::PayoffSchedule> NewSchedule() {
    return std::make_unique<calc::PayoffSchedule>();
}

}  // namespace calc_test
