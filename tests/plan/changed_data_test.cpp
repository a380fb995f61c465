#include "plan/changed_data.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "plan/client_rec.h"
#include "plan/plan_state.h"
#include "plan_test_helpers.h"

namespace {

using plan::TClientRec;

struct Change {
    const char* what;
    std::function<void(TClientRec&)> apply;
};

// Changes that make the plan count as changed.
const Change kCounted[] = {
    {"ProvidedFor", [](TClientRec& r) { r.ProvidedFor.setText("Ann"); }},
    {"ProvidedBy", [](TClientRec& r) { r.ProvidedBy.setText("Bob"); }},
    {"ConDayDue", [](TClientRec& r) { r.ConDayDue = 28; }},
    {"StartMonth", [](TClientRec& r) { r.StartMonth = 7; }},
    {"StartYear", [](TClientRec& r) { r.StartYear = 2030; }},
    {"ReductionPlan", [](TClientRec& r) { r.ReductionPlan = 3; }},
    {"UseMinimumPayment", [](TClientRec& r) { r.UseMinimumPayment = 1; }},
    {"ExtraPayment", [](TClientRec& r) { r.ExtraPayment = 0.01; }},
    {"ExtraPaymentSource", [](TClientRec& r) { r.ExtraPaymentSource = 1; }},
    {"ConMethod", [](TClientRec& r) { r.ConMethod = 3; }},
    {"ConMonthsInLoan", [](TClientRec& r) { r.ConMonthsInLoan = 61; }},
    {"ConMonthlyPayment", [](TClientRec& r) { r.ConMonthlyPayment = 100.5; }},
    {"ConNewRate", [](TClientRec& r) { r.ConNewRate = 8.25; }},
    {"ConFee", [](TClientRec& r) { r.ConFee = 50; }},
    {"ConRateKind", [](TClientRec& r) { r.ConRateKind = 2; }},
    {"ReportTitle", [](TClientRec& r) { r.ReportTitle.setText("Title"); }},
    {"PriorityMethod", [](TClientRec& r) { r.PriorityMethod = 2; }},
    {"DebtCount", [](TClientRec& r) { r.DebtCount = 3; }},
    {"MonthlyIncome", [](TClientRec& r) { r.MonthlyIncome = 3000; }},
    {"BudgetAutoCalc", [](TClientRec& r) { r.BudgetAutoCalc = 1; }},
    {"TimedMonths", [](TClientRec& r) { r.TimedMonths = 36; }},
    {"YearEnd", [](TClientRec& r) { r.YearEnd = 2; }},
    {"DailyDateFormat", [](TClientRec& r) { r.DailyDateFormat = 4; }},
    {"MonthlyDateFormat", [](TClientRec& r) { r.MonthlyDateFormat = 6; }},
    {"DisplayCents", [](TClientRec& r) { r.DisplayCents = 0; }},
    {"DaysBefore", [](TClientRec& r) { r.DaysBefore = 0; }},
    {"BoxedGrid", [](TClientRec& r) { r.BoxedGrid = 0; }},
    {"CumulativeValues", [](TClientRec& r) { r.CumulativeValues = 0; }},
    {"RptOverview", [](TClientRec& r) { r.RptOverview = 0; }},
    {"RptDailyPayBal", [](TClientRec& r) { r.RptDailyPayBal = 1; }},
    {"RptCalendar", [](TClientRec& r) { r.RptCalendar = 1; }},
    {"RptPrincInt", [](TClientRec& r) { r.RptPrincInt = 0; }},
    {"ConRptSchedule", [](TClientRec& r) { r.ConRptSchedule = 0; }},
    {"ConRptGraph", [](TClientRec& r) { r.ConRptGraph = 0; }},
    {"debt Name", [](TClientRec& r) { r.Debts[0].Name.setText("Visa"); }},
    {"debt MinPayIsPercent", [](TClientRec& r) { r.Debts[1].MinPayIsPercent = 1; }},
    {"debt MinPayment", [](TClientRec& r) { r.Debts[0].MinPayment = 25; }},
    {"debt SpareByte", [](TClientRec& r) { r.Debts[0].SpareByte = 1; }},
    {"debt CurrentPayment", [](TClientRec& r) { r.Debts[0].CurrentPayment = 61; }},
    {"debt Balance", [](TClientRec& r) { r.Debts[0].Balance = 999.99; }},
    {"debt Rate", [](TClientRec& r) { r.Debts[0].Rate = 12.5; }},
    {"debt LegacyValues", [](TClientRec& r) { r.Debts[0].LegacyValues[4] = 1; }},
    {"debt RateKind", [](TClientRec& r) { r.Debts[0].RateKind = 4; }},
    {"debt PayDay", [](TClientRec& r) { r.Debts[0].PayDay = 15; }},
    {"a slot above DebtCount", [](TClientRec& r) { r.Debts[49].Balance = 1; }},
    {"VariableExtra of month 360", [](TClientRec& r) { r.VariableExtra[359] = 10; }},
    {"obligation name", [](TClientRec& r) { r.ObligationName[39].setText("Rent"); }},
    {"obligation amount", [](TClientRec& r) { r.ObligationAmount[0] = 1; }},
    {"budget name", [](TClientRec& r) { r.BudgetName[0].setText("Food"); }},
    {"budget amount", [](TClientRec& r) { r.BudgetAmount[39] = 1; }},
    {"a debt deleted (slot reset)", [](TClientRec& r) { plan::resetDebtSlot(r.Debts[1]); }},
};

// Changes that do not count.
const Change kIgnored[] = {
    {"debt Priority", [](TClientRec& r) { r.Debts[0].Priority = 9; }},
    {"DebtSortOrder", [](TClientRec& r) { r.DebtSortOrder = 2; }},
    {"Password", [](TClientRec& r) { r.Password.setText("secret"); }},
    {"SaveOrInvest", [](TClientRec& r) { r.SaveOrInvest = 200; }},
    {"Version", [](TClientRec& r) { r.Version.setBytes("3.1"); }},
    {"PlanName", [](TClientRec& r) { r.PlanName.setText("Renamed"); }},
    {"LegacyMargins", [](TClientRec& r) { r.LegacyMargins[2] = 0.5; }},
    {"reserved bytes", [](TClientRec& r) { r.Reserved[0] = 7; }},
    {"debt reserved bytes", [](TClientRec& r) { r.Debts[0].Reserved[49] = 7; }},
    {"bytes past a text's length", [](TClientRec& r) { r.ReportTitle.chars[59] = 'x'; }},
    {"sorting the debts and priorities together",
     [](TClientRec& r) {
         r.DebtSortOrder = 4;
         r.Debts[0].Priority = 2;
         r.Debts[1].Priority = 1;
     }},
};

TEST(ChangedData, EachCountedFieldMarksThePlanAsChanged) {
    const TClientRec saved = plan_testing::namedPlan("Plan", 2);
    for (const Change& change : kCounted) {
        TClientRec active = saved;
        change.apply(active);
        EXPECT_TRUE(plan::changedData(active, saved)) << change.what;
    }
}

TEST(ChangedData, IgnoredFieldsDoNotMarkThePlanAsChanged) {
    const TClientRec saved = plan_testing::namedPlan("Plan", 2);
    for (const Change& change : kIgnored) {
        TClientRec active = saved;
        change.apply(active);
        EXPECT_FALSE(plan::changedData(active, saved)) << change.what;
    }
}

TEST(ChangedData, PlanStateComparesActiveWithSaved) {
    plan::PlanState state;
    state.SavedPlan = plan_testing::namedPlan("Plan", 1);
    state.ActivePlan = state.SavedPlan;
    EXPECT_FALSE(state.ChangedData());
    state.ActivePlan.Debts[0].Rate = 18;
    EXPECT_TRUE(state.ChangedData());
}

}  // namespace
