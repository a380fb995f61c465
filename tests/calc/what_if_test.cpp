#include "calc/what_if.h"

#include <gtest/gtest.h>

#include "scripted_message_boxes.h"
#include "test_plans.h"

namespace {

using calc::WhatIfField;
using platform::MsgIcon;
using testing_support::ScriptedMessageBoxes;

constexpr double kTol = 1e-9;

plan::TDebtRec Debt(double balance, double rate, int kind, double payment) {
    auto rec = calc_test::MakePlan();
    calc_test::AddDebt(*rec, {.name = "Card",
                              .balance = balance,
                              .rate = rate,
                              .rateKind = kind,
                              .currentPayment = payment});
    return rec->Debts[0];
}

constexpr const char* kNever = "The current payment as specified can never repay the loan.";
constexpr const char* k100 =
    "The payment as specified will not repay the loan within a 100 year period.";
constexpr const char* k30 =
    "The payment as specified will not repay the loan within a 30 year period.";

TEST(WhatIf, ThousandAtTwelvePercentPayingAHundred) {
    const plan::TDebtRec debt = Debt(1000, 12, 1, 100);
    ScriptedMessageBoxes boxes;
    const calc::DurationResult d = calc::CalcDuration(debt, 100, boxes);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.months, 11);  // 10.5886 + 0.49999
    const calc::TotalPaymentsResult t = calc::CalcTotalPayments(debt, 100);
    ASSERT_TRUE(t.repaid);
    EXPECT_NEAR(t.total, 1058.98, kTol);
    EXPECT_EQ(t.months, 11);

    // 12 months: 88.8488 rounded, nothing added; twelve payments, the last one smaller.
    const calc::PaymentResult p = calc::CalcPayment(debt, 12, boxes);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.payment, 88.84 + 0.01);  // the carry of RoundToCents
    const calc::TotalPaymentsResult t2 = calc::CalcTotalPayments(debt, p.payment);
    EXPECT_NEAR(t2.total, 1066.19, kTol);
    EXPECT_EQ(t2.months, 12);
}

TEST(WhatIf, ZeroRateDebt) {
    const plan::TDebtRec debt = Debt(1000, 0, 1, 75);
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(calc::CalcDuration(debt, 75, boxes).months, 13);  // 13.33 to the nearest
    EXPECT_EQ(calc::CalcPayment(debt, 7, boxes).payment, 142.85 + 0.01);
    const calc::TotalPaymentsResult t = calc::CalcTotalPayments(debt, 75);
    EXPECT_EQ(t.total, 1000);
    EXPECT_EQ(t.months, 14);
}

TEST(WhatIf, PaymentEqualToTheInterestIsRefused) {
    const plan::TDebtRec debt = Debt(1000, 1, 3, 10);
    ScriptedMessageBoxes boxes;
    boxes.expect("Error", kNever, MsgIcon::Warning);
    const calc::DurationResult d = calc::CalcDuration(debt, 10, boxes);
    EXPECT_FALSE(d.ok);
    EXPECT_FALSE(d.hasMonths);
    EXPECT_EQ(d.focus, WhatIfField::Payment);
    // The total no longer runs for ever.
    EXPECT_FALSE(calc::CalcTotalPayments(debt, 10).repaid);
    EXPECT_FALSE(calc::CalcTotalPayments(debt, 9).repaid);
}

TEST(WhatIf, OverAHundredYearsIsRefusedAndWarned) {
    // 1000 at 2.4 % APR paying 2.16: a term of 1303 months.
    const plan::TDebtRec debt = Debt(1000, 2.4, 1, 0);
    ScriptedMessageBoxes boxes;
    boxes.expect("Error", k100, MsgIcon::Warning);
    boxes.expect("Warning", k30, MsgIcon::Warning);
    const calc::DurationResult d = calc::CalcDuration(debt, 2.16, boxes);
    EXPECT_FALSE(d.ok);
    EXPECT_TRUE(d.hasMonths);
    EXPECT_EQ(d.months, 1303);
    EXPECT_EQ(d.focus, WhatIfField::Payment);
    // The total still exists: it is long, not endless.
    const calc::TotalPaymentsResult t = calc::CalcTotalPayments(debt, 2.16);
    EXPECT_TRUE(t.repaid);
    EXPECT_GT(t.months, 1200);
}

TEST(WhatIf, OverThirtyYearsOnlyWarns) {
    const plan::TDebtRec debt = Debt(1000, 12, 1, 0);
    ScriptedMessageBoxes boxes;
    boxes.expect("Warning", k30, MsgIcon::Warning);
    const calc::DurationResult d = calc::CalcDuration(debt, 10.2, boxes);
    EXPECT_TRUE(d.ok);
    EXPECT_EQ(d.months, 396);  // 395.65
    EXPECT_TRUE(calc::CalcTotalPayments(debt, 10.2).repaid);
}

TEST(WhatIf, DailyRateIsChargedMonthlyAtTheEquivalentRate) {
    const plan::TDebtRec debt = Debt(1000, 0.05, 4, 100);
    const calc::TotalPaymentsResult t = calc::CalcTotalPayments(debt, 1000);
    // 1.532 % a month: 15.32 of interest, then 0.23 on what the first payment left.
    EXPECT_NEAR(t.total, 1015.55, kTol);
    EXPECT_EQ(t.months, 2);
}

TEST(WhatIf, PaymentThatRoundingLeavesAtTheInterestIsRefused) {
    // 1000 at 1 % a month over 1200 months: 10.0000066 rounds to 10.00, the interest.
    const plan::TDebtRec debt = Debt(1000, 12, 1, 0);
    ScriptedMessageBoxes boxes;
    boxes.expect("Error",
                 "Due to rounding of values to the cent, the number of months specified produces "
                 "a scenario where the debt will never be paid off.  Please correct.",
                 MsgIcon::Warning);
    const calc::PaymentResult p = calc::CalcPayment(debt, 1200, boxes);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.focus, WhatIfField::Months);
}

TEST(WhatIf, ZeroMonthsIsAnInvalidEntry) {
    const plan::TDebtRec debt = Debt(1000, 12, 1, 0);
    ScriptedMessageBoxes boxes;
    boxes.expect("Error", "Invalid months specified.  Please correct.", MsgIcon::Warning);
    EXPECT_FALSE(calc::CalcPayment(debt, 0, boxes).ok);
}

TEST(WhatIf, NothingOwed) {
    const plan::TDebtRec debt = Debt(0, 12, 1, 50);
    const calc::TotalPaymentsResult t = calc::CalcTotalPayments(debt, 50);
    EXPECT_TRUE(t.repaid);
    EXPECT_EQ(t.total, 0);
}

}  // namespace
