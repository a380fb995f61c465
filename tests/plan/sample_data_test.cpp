#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "plan/plan_file_store.h"
#include "plan/sample_data/sample_checks.h"
#include "plan/sample_data/sample_plan_text.h"
#include "plan_test_helpers.h"
#include "temp_home.h"

namespace {

using plan::TClientRec;
using plan::samples::checkSamplePlan;
using plan::samples::parseSamplePlans;

TEST(SampleDataFile, HoldsOnePassingPlanPerReductionPlan) {
    const std::string file = testing_support::readFile(DEBT_SAMPLE_DATA_FILE);
    ASSERT_EQ(file.size(), 4 * plan::kClientRecSize);
    const int expectedPlans[] = {1, 2, 3, 1};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE("record " + std::to_string(k));
        plan::PlanState state;
        ASSERT_EQ(plan::PlanFileStore(DEBT_SAMPLE_DATA_FILE).GetTheClient(k, state),
                  plan::LoadResult::Loaded);
        const TClientRec& rec = state.ActivePlan;
        EXPECT_EQ(rec.Version.bytes(), "4.0");
        EXPECT_EQ(+rec.ReductionPlan, expectedPlans[k]);
        EXPECT_EQ(rec.PlanName.text().rfind("Sample: ", 0), 0u);
        EXPECT_GE(state.NumDebts, 4);
        EXPECT_EQ(rec.Password.bytes(), "");
        EXPECT_EQ(checkSamplePlan(rec), std::vector<std::string>{});
        EXPECT_FALSE(state.ChangedData());
    }
}

const char* const kSmallPlan = R"(# a comment
[plan]
PlanName           = Test plan
ReductionPlan      = Timed Debt Elimination
TimedMonths        = 30
ExtraPaymentSource = Variable
VariableExtra      = 2-4: 50.25
VariableExtra      = 3: 75
ConNewRate         = 7.5 Eff
Obligation         = Rent | 900.50
Obligation         = Water | 40
Budget             = Food | 300

[debt]
Name           = Card
MinimumPayment = 2.5%
CurrentPayment = 120
Balance        = 4000
Rate           = 0.05 Daily
PayDay         = 28

[debt]
Name           = Loan
MinimumPayment = 150.00
CurrentPayment = 150
Balance        = 5000
Rate           = 1.25 Monthly
PayDay         = 3
)";

TEST(SamplePlanText, ReadsPlansDebtsBudgetsAndVariableExtras) {
    const auto parsed = parseSamplePlans(kSmallPlan);
    ASSERT_EQ(parsed.errors, std::vector<std::string>{});
    ASSERT_EQ(parsed.plans.size(), 1u);
    const TClientRec& r = parsed.plans[0];
    EXPECT_EQ(r.PlanName.text(), "Test plan");
    EXPECT_EQ(+r.ReductionPlan, 3);
    EXPECT_EQ(+r.TimedMonths, 30.0);
    EXPECT_EQ(+r.ExtraPaymentSource, 2);
    EXPECT_EQ(+r.VariableExtra[0], 0.0);
    EXPECT_EQ(+r.VariableExtra[1], 50.25);
    EXPECT_EQ(+r.VariableExtra[2], 75.0);
    EXPECT_EQ(+r.VariableExtra[3], 50.25);
    EXPECT_EQ(+r.ConNewRate, 7.5);
    EXPECT_EQ(+r.ConRateKind, 2);
    EXPECT_EQ(r.ObligationName[1].text(), "Water");
    EXPECT_EQ(+r.ObligationAmount[0], 900.5);
    EXPECT_EQ(r.BudgetName[0].text(), "Food");
    EXPECT_EQ(+r.DebtCount, 2);
    EXPECT_EQ(+r.Debts[0].MinPayIsPercent, 1);
    EXPECT_EQ(+r.Debts[0].MinPayment, 2.5);
    EXPECT_EQ(+r.Debts[0].RateKind, 4);
    EXPECT_EQ(+r.Debts[1].RateKind, 3);
    EXPECT_EQ(+r.Debts[1].Priority, 2) << "priority defaults to the debt number";
    EXPECT_EQ(+r.Debts[2].PayDay, 1) << "unused slots stay empty";
    EXPECT_EQ(checkSamplePlan(r), std::vector<std::string>{});
}

TEST(SamplePlanText, ReportsEveryLineItDoesNotUnderstand) {
    const auto parsed = parseSamplePlans(
        "Balance = 3\n"
        "[debt]\n"
        "[plan]\n"
        "Colour = red\n"
        "ExtraPayment = 12,50\n"
        "ReductionPlan = Snowball\n"
        "PlanName = " +
        std::string(61, 'n') +
        "\n"
        "VariableExtra = 0-3: 10\n"
        "Obligation = Rent 900\n"
        "just words\n"
        "[debt]\n"
        "Rate = 12\n"
        "PlanName = misplaced\n");
    EXPECT_EQ(parsed.errors, (std::vector<std::string>{
                                 "line 1: 'Balance' before the first [plan]",
                                 "line 2: [debt] before the first [plan]",
                                 "line 4: Colour: unknown plan key 'Colour'",
                                 "line 5: ExtraPayment: not a number",
                                 "line 6: ReductionPlan: unknown choice 'Snowball'",
                                 "line 7: PlanName: text longer than 60 characters",
                                 "line 8: VariableExtra: months must lie from 1 to 360",
                                 "line 9: Obligation: expected 'name | amount'",
                                 "line 10: expected 'Key = value' or a section",
                                 "line 12: Rate: expected 'rate kind', for example '18.99 APR'",
                                 "line 13: PlanName: unknown debt key 'PlanName'",
                             }));
}

// A plan that passes, changed in one way each time.
TEST(SampleChecks, RefuseWhatTheEntryFormsWouldRefuse) {
    const TClientRec good = parseSamplePlans(kSmallPlan).plans.at(0);
    const struct {
        const char* what;
        std::function<void(TClientRec&)> change;
        const char* problem;
    } cases[] = {
        {"interest equal to the minimum",
         [](TClientRec& r) {
             r.Debts[1].Balance = 1000;
             r.Debts[1].Rate = 12;
             r.Debts[1].RateKind = 1;
             r.Debts[1].MinPayment = 10.00;
         },
         "debt 2 \"Loan\": the minimum payment can never repay the debt"},
        {"a term of 695 months",
         [](TClientRec& r) {
             r.Debts[1].Balance = 1000;
             r.Debts[1].Rate = 12;
             r.Debts[1].RateKind = 1;
             r.Debts[1].MinPayment = 10.01;
         },
         "debt 2 \"Loan\": the minimum payment does not repay the debt within 360 months"},
        {"0 %", [](TClientRec& r) { r.Debts[0].MinPayment = 0; },
         "debt 1 \"Card\": a minimum percentage must lie from 1 to 100"},
        {"101 %", [](TClientRec& r) { r.Debts[0].MinPayment = 101; },
         "debt 1 \"Card\": a minimum percentage must lie from 1 to 100"},
        {"due day 29", [](TClientRec& r) { r.Debts[0].PayDay = 29; },
         "debt 1 \"Card\": the payment day must lie from 1 to 28"},
        {"a rate of 0", [](TClientRec& r) { r.Debts[1].Rate = 0; },
         "debt 2 \"Loan\": the rate would be questioned as too small"},
        {"current below minimum", [](TClientRec& r) { r.Debts[1].CurrentPayment = 149.99; },
         "debt 2 \"Loan\": the current payment is below the minimum payment"},
        {"shared priority under the schedule",
         [](TClientRec& r) {
             r.ReductionPlan = 1;
             r.Debts[1].Priority = 1;
         },
         "debts 1 and 2 share a priority"},
        {"consolidation that never repays",
         [](TClientRec& r) {
             r.ReductionPlan = 2;
             r.ConMethod = 2;
             r.ConNewRate = 12;
             r.ConRateKind = 1;
             r.Debts[0].Balance = 4000;
             r.Debts[1].Balance = 6000;
             r.ConMonthlyPayment = 100;
         },
         "the consolidated loan can never be repaid"},
        {"no months to pay", [](TClientRec& r) { r.TimedMonths = 0; },
         "TimedMonths must be 1..360"},
    };
    for (const auto& c : cases) {
        TClientRec r = good;
        c.change(r);
        const auto problems = checkSamplePlan(r);
        // The first problem is the one the entry form would stop at.
        ASSERT_FALSE(problems.empty()) << c.what;
        EXPECT_EQ(problems[0], c.problem) << c.what;
    }

    TClientRec passes = good;
    passes.Debts[1].Balance = 1000;
    passes.Debts[1].Rate = 12;
    passes.Debts[1].RateKind = 1;
    passes.Debts[1].MinPayment = 10.50;  // 306 months
    passes.Debts[0].MinPayment = 100;    // 100 % is allowed
    passes.Debts[0].CurrentPayment = 4000;
    EXPECT_EQ(checkSamplePlan(passes), std::vector<std::string>{});
}

}  // namespace
