#include "plan/new_plan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "plan/plan_file_store.h"
#include "plan/plan_state.h"
#include "plan_test_helpers.h"
#include "scripted_message_boxes.h"
#include "temp_home.h"

namespace {

using plan::NewPlanDefaults;
using plan::PlanState;

std::uint16_t wordAt(const std::string& b, std::size_t offset) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[offset]) |
                                      static_cast<unsigned char>(b[offset + 1]) << 8);
}

double doubleAt(const std::string& b, std::size_t offset) {
    double d;
    std::memcpy(&d, b.data() + offset, sizeof d);
    return d;
}

std::int32_t int32At(const std::string& b, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, b.data() + offset, sizeof v);
    return v;
}

bool allZero(const std::string& b, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i <= to; ++i) {
        if (b[i] != 0)
            return false;
    }
    return true;
}

// A new plan saved to an empty folder, read back as bytes.
class NewPlanOnDisk : public ::testing::Test {
  protected:
    std::string saveNewPlan(const NewPlanDefaults& defaults, plan::Date today) {
        PlanState state;
        state.PlanPassword = "s3cret";
        state.InitializeValues(defaults, today);
        state.ActivePlan = state.SavedPlan;
        const plan::PlanFileStore store((dir / "Debts4.dat").string());
        EXPECT_TRUE(store.SaveAClient(state, true, boxes, nullptr, "Zelvane"));
        EXPECT_EQ(state.PlanIndex, 0);
        return testing_support::readFile(dir / "Debts4.dat");
    }

    testing_support::TempDir dir;
    testing_support::ScriptedMessageBoxes boxes;
};

TEST_F(NewPlanOnDisk, HoldsTheDesignedBytes) {
    NewPlanDefaults defaults;
    defaults.lastReductionPlan = 2;
    defaults.lastConsolidationMethod = 1;
    defaults.lastConsolidationRateMethod = 1;
    defaults.lastPriorityMethod = 4;
    defaults.extraPaymentSource = 2;
    defaults.extraPayments[0] = 25;
    defaults.extraPayments[359] = 99.5;
    defaults.obligations[0] = {"Rent", 1200};
    defaults.budgetItems[39] = {"Entertainment", 80};
    defaults.budgetAutoCalc = true;
    defaults.budgetMonthlyIncome = 4200;

    const std::string b = saveNewPlan(defaults, {2026, 12, 11});
    ASSERT_EQ(b.size(), 13044u);

    EXPECT_EQ(b.substr(0, 4), std::string("\x03"
                                          "4.0"));
    EXPECT_TRUE(allZero(b, 4, 5));
    EXPECT_EQ(b[6], 0) << "ProvidedFor empty";
    EXPECT_EQ(b[47], 0) << "ProvidedBy empty";
    EXPECT_EQ(b[127], 0) << "ReportTitle empty";
    EXPECT_EQ(b[188], 0) << "PlanName empty";
    EXPECT_EQ(wordAt(b, 88), 11) << "ConDayDue";
    EXPECT_EQ(wordAt(b, 90), 12) << "StartMonth";
    EXPECT_EQ(wordAt(b, 92), 2026) << "StartYear";
    EXPECT_EQ(wordAt(b, 94), 3) << "ReductionPlan = setting + 1";
    EXPECT_EQ(b[96], 0) << "UseMinimumPayment";
    EXPECT_EQ(doubleAt(b, 97), 0.0) << "ExtraPayment";
    EXPECT_EQ(wordAt(b, 105), 2) << "ConMethod";
    EXPECT_EQ(wordAt(b, 107), 60) << "ConMonthsInLoan";
    EXPECT_EQ(doubleAt(b, 109), 100.0) << "ConMonthlyPayment";
    EXPECT_EQ(doubleAt(b, 117), 8.0) << "ConNewRate";
    EXPECT_EQ(wordAt(b, 125), 2) << "ConRateKind";
    EXPECT_EQ(wordAt(b, 249), 5) << "PriorityMethod";
    EXPECT_EQ(wordAt(b, 251), 0) << "DebtCount";
    for (int k = 0; k < 50; ++k) {
        const std::size_t d = 253 + 151 * static_cast<std::size_t>(k);
        SCOPED_TRACE("debt slot " + std::to_string(k + 1));
        EXPECT_TRUE(allZero(b, d, d + 94));
        EXPECT_EQ(wordAt(b, d + 95), 1) << "Priority";
        EXPECT_EQ(wordAt(b, d + 97), 1) << "RateKind";
        EXPECT_EQ(wordAt(b, d + 99), 1) << "PayDay";
        EXPECT_TRUE(allZero(b, d + 101, d + 150)) << "reserved";
    }
    EXPECT_EQ(doubleAt(b, 7803), 24.0) << "TimedMonths";
    EXPECT_EQ(doubleAt(b, 7811), 25.0);
    EXPECT_EQ(doubleAt(b, 7811 + 8 * 359), 99.5);
    EXPECT_EQ(b.substr(10691, 5), std::string("\x04Rent"));
    EXPECT_EQ(doubleAt(b, 11411), 1200.0);
    EXPECT_EQ(b.substr(11731 + 18 * 39, 14), std::string("\x0d"
                                                         "Entertainment"));
    EXPECT_EQ(doubleAt(b, 12451 + 8 * 39), 80.0);
    EXPECT_EQ(b[12771], 1) << "BudgetAutoCalc";
    EXPECT_EQ(doubleAt(b, 12772), 4200.0) << "MonthlyIncome";
    EXPECT_TRUE(allZero(b, 12780, 12811)) << "LegacyMargins";
    EXPECT_EQ(wordAt(b, 12812), 1) << "YearEnd";
    EXPECT_EQ(wordAt(b, 12814), 1) << "DailyDateFormat";
    EXPECT_EQ(wordAt(b, 12816), 7) << "DaysBefore";
    EXPECT_EQ(b.substr(12818, 3), std::string("\x01\x01\x01"));
    EXPECT_EQ(wordAt(b, 12821), 5) << "MonthlyDateFormat";
    EXPECT_EQ(b.substr(12823, 13),
              std::string("\x01\x01\x01\x01\x00\x00\x00\x01\x01\x01\x01\x01\x01", 13));
    EXPECT_EQ(doubleAt(b, 12836), 0.0) << "ConFee";
    EXPECT_EQ(int32At(b, 12844), 0) << "DebtSortOrder";
    EXPECT_EQ(b.substr(12848, 7), std::string("\x06s3cret"));
    EXPECT_EQ(doubleAt(b, 12864), 0.0) << "SaveOrInvest";
    EXPECT_EQ(int32At(b, 12872), 2) << "ExtraPaymentSource as the setting";
    EXPECT_TRUE(allZero(b, 12876, 13043)) << "reserved";
}

TEST_F(NewPlanOnDisk, DefaultSettingsGiveTheFirstEntryOfEachList) {
    const std::string b = saveNewPlan({}, {2027, 1, 31});
    EXPECT_EQ(wordAt(b, 88), 31) << "a plan made on the 31st keeps due day 31";
    EXPECT_EQ(wordAt(b, 94), 1);
    EXPECT_EQ(wordAt(b, 105), 1);
    EXPECT_EQ(wordAt(b, 125), 1);
    EXPECT_EQ(wordAt(b, 249), 1);
    EXPECT_EQ(int32At(b, 12872), 0);
    EXPECT_EQ(b[12771], 0);
    EXPECT_TRUE(allZero(b, 7811, 12770)) << "no default extra payments or budget";
}

TEST(NewPlan, SettingsOutsideTheirListFallBackToTheFirstEntry) {
    NewPlanDefaults defaults;
    defaults.lastReductionPlan = 3;
    defaults.lastConsolidationMethod = -1;
    defaults.lastConsolidationRateMethod = 2;
    defaults.lastPriorityMethod = 11;
    defaults.extraPaymentSource = 7;
    const plan::TClientRec rec = plan::newPlan(defaults, {2027, 5, 1}, "");
    EXPECT_EQ(+rec.ReductionPlan, 1);
    EXPECT_EQ(+rec.ConMethod, 1);
    EXPECT_EQ(+rec.ConRateKind, 1);
    EXPECT_EQ(+rec.PriorityMethod, 1);
    EXPECT_EQ(+rec.ExtraPaymentSource, 0);

    defaults = {};
    defaults.lastPriorityMethod = 10;
    EXPECT_EQ(+plan::newPlan(defaults, {2027, 5, 1}, "").PriorityMethod, 11);
}

TEST(NewPlan, TextsAreCutToTheirStoredBytes) {
    NewPlanDefaults defaults;
    defaults.obligations[3] = {"Car insurance premium", 95};  // 21 characters
    defaults.budgetItems[0] = {"Café", 10};                   // é is one stored byte
    const plan::TClientRec rec = plan::newPlan(defaults, {2027, 5, 1}, "a-very-long-password!");
    EXPECT_EQ(rec.ObligationName[3].bytes(), "Car insurance pre");
    EXPECT_EQ(rec.BudgetName[0].bytes(), "Caf\xe9");
    EXPECT_EQ(rec.BudgetName[0].text(), "Café");
    EXPECT_EQ(rec.Password.bytes(), "a-very-long-pas");
}

TEST(PlanState, InitializeValuesResetsThePlanVariables) {
    PlanState state;
    state.PlanIndex = 4;
    state.NumDebts = 7;
    state.CurrentDebt = 3;
    state.PlanPassword = "pw";
    state.ActivePlan = plan_testing::namedPlan("Old", 7);
    state.InitializeValues({}, {2027, 2, 14});
    EXPECT_EQ(state.PlanIndex, -1);
    EXPECT_EQ(state.NumDebts, 0);
    EXPECT_EQ(state.CurrentDebt, 0);
    EXPECT_EQ(state.PlanPassword, "pw") << "a new plan keeps the password in force";
    EXPECT_EQ(state.SavedPlan.Password.bytes(), "pw");
    EXPECT_EQ(+state.SavedPlan.StartMonth, 2);
    EXPECT_EQ(state.ActivePlan.PlanName.text(), "Old") << "the caller copies SavedPlan";
}

TEST(RemoveDebt, MovesLaterDebtsDownAndEmptiesTheFreedSlot) {
    plan::TClientRec rec = plan_testing::namedPlan("Plan", 3);
    rec.Debts[2].Reserved[0] = 9;
    int numDebts = 3;
    plan::removeDebt(rec, numDebts, 2);
    EXPECT_EQ(numDebts, 2);
    EXPECT_EQ(rec.Debts[0].Name.text(), "Debt 1");
    EXPECT_EQ(rec.Debts[1].Name.text(), "Debt 3");
    EXPECT_EQ(+rec.Debts[1].Reserved[0], 9) << "whole entries move";
    const plan::TClientRec fresh = plan::newPlan({}, {2027, 3, 2}, "");
    EXPECT_EQ(std::memcmp(&rec.Debts[2], &fresh.Debts[2], 101), 0) << "slot 3 is empty";
    EXPECT_EQ(+rec.Debts[2].Reserved[0], 9) << "the freed slot keeps its reserved bytes";

    plan::removeDebt(rec, numDebts, 3);
    EXPECT_EQ(numDebts, 2) << "no debt 3 any more";
}

TEST(RemoveDebt, DeletingTheOnlyDebtLeavesNoDebtsAfterSaving) {
    testing_support::TempDir dir;
    testing_support::ScriptedMessageBoxes boxes;
    PlanState state;
    state.SavedPlan = plan_testing::namedPlan("Plan", 1);
    state.ActivePlan = state.SavedPlan;
    state.NumDebts = 1;
    plan::removeDebt(state.ActivePlan, state.NumDebts, 1);
    EXPECT_EQ(state.NumDebts, 0);
    EXPECT_TRUE(state.ChangedData()) << "seen through the debt slot";
    ASSERT_TRUE(plan::PlanFileStore((dir / "d.dat").string())
                    .SaveAClient(state, true, boxes, nullptr, "Zelvane"));
    EXPECT_EQ(+state.SavedPlan.DebtCount, 0);
    EXPECT_EQ(state.SavedPlan.Debts[0].Name.bytes(), "");
    EXPECT_EQ(+state.SavedPlan.Debts[0].PayDay, 1);
}

}  // namespace
