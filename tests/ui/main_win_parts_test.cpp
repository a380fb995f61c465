// The parts of the main window that need no window: sorting, key filters, reading the
// screen values, row texts and the defaults of a new plan.

#include <gtest/gtest.h>

#include "main_win_fixture.h"
#include "ui/debt_grid.h"
#include "ui/debt_sort.h"
#include "ui/key_filters.h"
#include "ui/new_plan_defaults.h"
#include "ui/screen_values.h"

namespace ui_testing {
namespace {

std::vector<std::string> names(const plan::TClientRec& p, int n) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back(p.Debts[i].Name.text());
    return out;
}

TEST(DebtSort, NamesCompareByteWiseAndEqualKeysKeepTheirOrder) {
    plan::TClientRec p = planWith({{"b"}, {"B"}, {"Ba"}, {"a"}, {"B"}});
    p.Debts[1].Reserved[0] = 1;  // tell the two "B" apart
    p.Debts[4].Reserved[0] = 2;
    p.Debts[5].Name.setText("not sorted");  // past NumDebts
    ui::SortDebts(p, 5, ui::DebtSortKey::Name, false);
    EXPECT_EQ(names(p, 6), (std::vector<std::string>{"B", "B", "Ba", "a", "b", "not sorted"}));
    EXPECT_EQ(+p.Debts[0].Reserved[0], 1);
    EXPECT_EQ(+p.Debts[1].Reserved[0], 2);
    EXPECT_EQ(+p.DebtSortOrder, 2);
    ui::SortDebts(p, 5, ui::DebtSortKey::Name, true);
    EXPECT_EQ(names(p, 5), (std::vector<std::string>{"b", "a", "Ba", "B", "B"}));
    EXPECT_EQ(+p.Debts[3].Reserved[0], 1);
    EXPECT_EQ(+p.DebtSortOrder, 1);
}

TEST(DebtSort, WholeEntriesMoveAndTheOrderNumbersFollowTheTable) {
    plan::TClientRec p =
        planWith({{"x", 10, 1, false, 1, 1, 1, 3, 9}, {"y", 20, 2, true, 2, 2, 4, 1, 28}});
    ui::SortDebts(p, 2, ui::DebtSortKey::Priority, false);
    const plan::TDebtRec first = p.Debts[0];
    EXPECT_EQ(first.Name.text(), "y");
    EXPECT_EQ(+first.Balance, 20.0);
    EXPECT_EQ(+first.MinPayIsPercent, 1);
    EXPECT_EQ(+first.RateKind, 4);
    EXPECT_EQ(+first.PayDay, 28);
    EXPECT_EQ(+p.DebtSortOrder, 4);
    ui::SortDebts(p, 2, ui::DebtSortKey::PayDay, true);
    EXPECT_EQ(+p.DebtSortOrder, 5);
    EXPECT_EQ(p.Debts[0].Name.text(), "y");
    EXPECT_EQ(ui::DebtSortOrderFor(ui::DebtSortKey::Priority, true), 3);
    EXPECT_EQ(ui::DebtSortOrderFor(ui::DebtSortKey::PayDay, false), 6);
}

TEST(KeyFilters, NumericOnlyTakesOneDecimalSeparatorUnlessACommaCameFirst) {
    struct Case {
        const char* text;
        char32_t key;
        const char* separator;
        bool accepted;
    };
    const Case cases[] = {
        {"", U'5', ".", true},     {"12", U'.', ".", true},  {"1,000", U'.', ".", false},
        {"1.5", U'.', ".", false}, {"1.5", U',', ".", true}, {"", U'%', ".", false},
        {"", U'$', ".", false},    {"1", U'\b', ".", true},  {"", U'-', ".", false},
        {"12", U',', ",", true},   {"12", U'.', ",", false}, {"1,5", U',', ",", true},
        {"", U'a', ".", false},    {"", U'\r', ".", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::NumericOnlyAccepts(c.text, c.key, c.separator), c.accepted)
            << "'" << c.text << "' + " << static_cast<int>(c.key) << " sep " << c.separator;
    EXPECT_TRUE(ui::DigitsOnlyAccepts(U'7'));
    EXPECT_TRUE(ui::DigitsOnlyAccepts(U'\b'));
    EXPECT_FALSE(ui::DigitsOnlyAccepts(U'.'));
    EXPECT_FALSE(ui::ExtraPaymentAccepts(U'('));
    EXPECT_TRUE(ui::ExtraPaymentAccepts(U'.'));
}

TEST(ScreenValues, MonthsAndAmounts) {
    EXPECT_EQ(ui::ReadMonths("0"), 0);
    EXPECT_EQ(ui::ReadMonths(" 360 "), 360);
    EXPECT_EQ(ui::ReadMonths("361"), std::nullopt);
    EXPECT_EQ(ui::ReadMonths("-1"), std::nullopt);
    EXPECT_EQ(ui::ReadMonths("1 2"), std::nullopt);
    EXPECT_EQ(ui::ReadMonths(""), std::nullopt);
    EXPECT_EQ(ui::ReadMonths("99999999999999999999"), std::nullopt);

    const platform::LocaleInfo us = platform::LocaleInfo::englishUS();
    const platform::LocaleInfo de = platform::LocaleInfo::germanDE();
    EXPECT_EQ(ui::ReadAmount("", us), 0.0);
    EXPECT_EQ(ui::ReadAmount(" $1,234.50 ", us), 1234.5);
    EXPECT_EQ(ui::ReadAmount("1.234,50 €", de), 1234.5);
    EXPECT_EQ(ui::ReadAmount("1,5.0", us), 15.0);  // commas are grouping, wherever they stand
    EXPECT_EQ(ui::ReadAmount("12a", us), std::nullopt);
    EXPECT_EQ(ui::ReadStartYear(" 2031 "), 2031);
    EXPECT_EQ(ui::ReadStartYear("20x1"), 0);
}

TEST(DebtRows, TextsAndCounts) {
    const platform::LocaleInfo us = platform::LocaleInfo::englishUS();
    plan::TClientRec p = planWith({{"Store", 1234.56, 2, true, 40, 2.75, 3, 4, 17}});
    const plan::TDebtRec d = p.Debts[0];
    const ui::DebtRowTexts t = ui::DebtRowTextsOf(d, false, false, us);
    EXPECT_EQ(t.name, "Store");
    EXPECT_EQ(t.balance, "1,234.56");
    EXPECT_EQ(t.minimum, "2.00%");
    EXPECT_EQ(t.current, "40.00");
    EXPECT_EQ(t.rate, "2.7500 Mon");
    EXPECT_EQ(t.priority, "4");
    EXPECT_EQ(t.payDay, "17");
    EXPECT_EQ(ui::MinimumPaymentAmount(d), 24.69);
    const ui::DebtRowTexts c = ui::DebtRowTextsOf(d, true, true, us);
    EXPECT_EQ(c.balance, "$1,234.56");
    EXPECT_EQ(c.minimum, "***");
    EXPECT_EQ(c.priority, "***");
    EXPECT_EQ(c.payDay, "***");
    EXPECT_EQ(ui::DebtCountText(0), "(0 Debts)");
    EXPECT_EQ(ui::DebtCountText(1), "(1 Debt)");
    EXPECT_EQ(ui::DebtCountText(2), "(2 Debts)");

    const ui::DebtGrid grid(659, 1.0);
    EXPECT_EQ(grid.unit, 31);  // (659 - 20) div 20
    EXPECT_EQ(grid.rightEdges()[0], 8 * 31 - 2);
    EXPECT_EQ(grid.rightEdges()[4], 19 * 31 - 4);
}

TEST(NewPlanDefaultsFrom, TakesTheSettingsOfANewPlan) {
    testing_support::TempHome home;
    platform::Registry registry = platform::Registry::fromEnvironment();
    testing_support::ScriptedMessageBoxes boxes;
    settings::TConfigManager config(registry, boxes, {"/opt/z/", "debt", "/"},
                                    platform::LocaleInfo::englishUS());
    config.LastReductionPlan = 2;
    config.LastPriorityMethod = 4;
    config.LastConsolidationMethod = 1;
    config.LastConsolidationRateMethod = 1;
    config.ExtraPaymentSource = 2;
    config.ExtraPayments[1] = 11;
    config.ExtraPayments[360] = 99;
    config.ObligationItem[0] = "Rent";
    config.ObligationPayment[0] = 900;
    config.BudgetItem[39] = "Gym";
    config.BudgetPayment[39] = 30;
    config.BudgetAutoCalc = true;
    config.BudgetMonthlyIncome = 4200;
    const plan::NewPlanDefaults d = ui::NewPlanDefaultsFrom(config);
    EXPECT_EQ(d.lastReductionPlan, 2);
    EXPECT_EQ(d.lastPriorityMethod, 4);
    EXPECT_EQ(d.lastConsolidationMethod, 1);
    EXPECT_EQ(d.lastConsolidationRateMethod, 1);
    EXPECT_EQ(d.extraPaymentSource, 2);
    EXPECT_EQ(d.extraPayments[0], 11.0);
    EXPECT_EQ(d.extraPayments[359], 99.0);
    EXPECT_EQ(d.obligations[0].name, "Rent");
    EXPECT_EQ(d.obligations[0].amount, 900.0);
    EXPECT_EQ(d.budgetItems[39].name, "Gym");
    EXPECT_TRUE(d.budgetAutoCalc);
    EXPECT_EQ(d.budgetMonthlyIncome, 4200.0);
    const plan::TClientRec p = plan::newPlan(d, {2027, 3, 31}, "");
    EXPECT_EQ(+p.ReductionPlan, 3);
    EXPECT_EQ(+p.PriorityMethod, 5);
}

}  // namespace
}  // namespace ui_testing
