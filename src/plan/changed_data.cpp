#include "plan/changed_data.h"

namespace plan {
namespace {

bool debtChanged(const TDebtRec& a, const TDebtRec& b) {
    if (!a.Name.sameAs(b.Name))
        return true;
    if (a.MinPayIsPercent != b.MinPayIsPercent)
        return true;
    if (a.MinPayment != b.MinPayment)
        return true;
    if (a.SpareByte != b.SpareByte)
        return true;
    if (a.CurrentPayment != b.CurrentPayment)
        return true;
    if (a.Balance != b.Balance)
        return true;
    if (a.Rate != b.Rate)
        return true;
    for (int i = 0; i < 5; ++i) {
        if (a.LegacyValues[i] != b.LegacyValues[i])
            return true;
    }
    // Priority is left out on purpose: it is derived from the priority method.
    return a.RateKind != b.RateKind || a.PayDay != b.PayDay;
}

bool headerChanged(const TClientRec& a, const TClientRec& b) {
    return !a.ProvidedFor.sameAs(b.ProvidedFor) || !a.ProvidedBy.sameAs(b.ProvidedBy) ||
           a.ConDayDue != b.ConDayDue || a.StartMonth != b.StartMonth ||
           a.StartYear != b.StartYear || a.ReductionPlan != b.ReductionPlan ||
           a.UseMinimumPayment != b.UseMinimumPayment || a.ExtraPayment != b.ExtraPayment ||
           a.ExtraPaymentSource != b.ExtraPaymentSource || a.ConMethod != b.ConMethod ||
           a.ConMonthsInLoan != b.ConMonthsInLoan || a.ConMonthlyPayment != b.ConMonthlyPayment ||
           a.ConNewRate != b.ConNewRate || a.ConFee != b.ConFee || a.ConRateKind != b.ConRateKind ||
           !a.ReportTitle.sameAs(b.ReportTitle) || a.PriorityMethod != b.PriorityMethod ||
           a.DebtCount != b.DebtCount || a.MonthlyIncome != b.MonthlyIncome ||
           a.BudgetAutoCalc != b.BudgetAutoCalc || a.TimedMonths != b.TimedMonths ||
           a.YearEnd != b.YearEnd || a.DailyDateFormat != b.DailyDateFormat ||
           a.MonthlyDateFormat != b.MonthlyDateFormat || a.DisplayCents != b.DisplayCents ||
           a.DaysBefore != b.DaysBefore || a.BoxedGrid != b.BoxedGrid ||
           a.CumulativeValues != b.CumulativeValues;
}

bool reportSelectionChanged(const TClientRec& a, const TClientRec& b) {
    return a.RptOverview != b.RptOverview || a.RptSummary != b.RptSummary ||
           a.RptMonthPayOnly != b.RptMonthPayOnly || a.RptMonthPayBal != b.RptMonthPayBal ||
           a.RptDailyPayOnly != b.RptDailyPayOnly || a.RptDailyPayBal != b.RptDailyPayBal ||
           a.RptCalendar != b.RptCalendar || a.RptMoneySave != b.RptMoneySave ||
           a.RptTimeSave != b.RptTimeSave || a.RptPrincInt != b.RptPrincInt ||
           a.ConRptSchedule != b.ConRptSchedule || a.ConRptSummary != b.ConRptSummary ||
           a.ConRptGraph != b.ConRptGraph;
}

}  // namespace

bool changedData(const TClientRec& active, const TClientRec& saved) {
    if (headerChanged(active, saved) || reportSelectionChanged(active, saved))
        return true;
    // All 50 slots, also those above DebtCount: adding or deleting a debt shows here.
    for (int k = 0; k < kMaxDebts; ++k) {
        if (debtChanged(active.Debts[k], saved.Debts[k]))
            return true;
    }
    for (int m = 0; m < kScheduleMonths; ++m) {
        if (active.VariableExtra[m] != saved.VariableExtra[m])
            return true;
    }
    for (int i = 0; i < kBudgetLines; ++i) {
        if (!active.ObligationName[i].sameAs(saved.ObligationName[i]) ||
            active.ObligationAmount[i] != saved.ObligationAmount[i] ||
            !active.BudgetName[i].sameAs(saved.BudgetName[i]) ||
            active.BudgetAmount[i] != saved.BudgetAmount[i]) {
            return true;
        }
    }
    return false;
}

}  // namespace plan
