#include "plan/new_plan.h"

#include <cstdint>

namespace plan {
namespace {

// The 1-based record value of a 0-based list setting; out-of-range settings (a hand-edited
// configuration) fall back to the first entry so the record never names a missing entry.
std::uint16_t listPosition(int setting, int entries) {
    return static_cast<std::uint16_t>((setting >= 0 && setting < entries ? setting : 0) + 1);
}

}  // namespace

TClientRec newPlan(const NewPlanDefaults& defaults, const Date& today,
                   std::string_view planPassword) {
    TClientRec rec = zeroClientRec();
    rec.Version.setBytes("4.0");

    rec.ConDayDue = static_cast<std::uint16_t>(today.day);
    rec.StartMonth = static_cast<std::uint16_t>(today.month);
    rec.StartYear = static_cast<std::uint16_t>(today.year);

    rec.ReductionPlan = listPosition(defaults.lastReductionPlan, 3);
    rec.UseMinimumPayment = 0;
    rec.ExtraPayment = 0;
    rec.ConMethod = listPosition(defaults.lastConsolidationMethod, 3);
    rec.ConMonthsInLoan = 60;
    rec.ConMonthlyPayment = 100.0;
    rec.ConNewRate = 8.0;
    rec.ConRateKind = listPosition(defaults.lastConsolidationRateMethod, 2);
    rec.PriorityMethod = listPosition(defaults.lastPriorityMethod, 11);
    rec.DebtCount = 0;
    rec.TimedMonths = 24.0;
    rec.ConFee = 0;
    rec.SaveOrInvest = 0;
    rec.ExtraPaymentSource = listPosition(defaults.extraPaymentSource, 3) - 1;

    for (auto& debt : rec.Debts)
        resetDebtSlot(debt);

    for (int m = 0; m < kScheduleMonths; ++m)
        rec.VariableExtra[m] = defaults.extraPayments[m];
    for (int i = 0; i < kBudgetLines; ++i) {
        rec.ObligationName[i].setText(defaults.obligations[i].name);
        rec.ObligationAmount[i] = defaults.obligations[i].amount;
        rec.BudgetName[i].setText(defaults.budgetItems[i].name);
        rec.BudgetAmount[i] = defaults.budgetItems[i].amount;
    }
    rec.BudgetAutoCalc = defaults.budgetAutoCalc ? 1 : 0;
    rec.MonthlyIncome = defaults.budgetMonthlyIncome;

    rec.YearEnd = 1;
    rec.DailyDateFormat = 1;
    rec.DaysBefore = 7;
    rec.MonthlyDateFormat = 5;
    rec.DisplayCents = 1;
    rec.BoxedGrid = 1;
    rec.CumulativeValues = 1;
    rec.RptOverview = 1;
    rec.RptSummary = 1;
    rec.RptMonthPayOnly = 1;
    rec.RptMonthPayBal = 1;
    rec.RptDailyPayOnly = 0;
    rec.RptDailyPayBal = 0;
    rec.RptCalendar = 0;
    rec.RptMoneySave = 1;
    rec.RptTimeSave = 1;
    rec.RptPrincInt = 1;
    rec.ConRptSchedule = 1;
    rec.ConRptSummary = 1;
    rec.ConRptGraph = 1;

    rec.Password.setBytes(planPassword);
    rec.DebtSortOrder = 0;
    return rec;
}

}  // namespace plan
