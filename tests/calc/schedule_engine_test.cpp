#include "calc/schedule_engine.h"

#include <gtest/gtest.h>

#include <vector>

#include "calc/priorities.h"
#include "test_plans.h"

namespace {

using calc::CalcErrorKind;
using calc_test::AddDebt;
using platform::LocaleInfo;

constexpr double kTol = 1e-9;

void ExpectMonths(const calc::PayoffSchedule& s, int position, const std::vector<double>& pay,
                  const std::vector<double>& bal) {
    for (std::size_t i = 0; i < pay.size(); ++i) {
        const int m = static_cast<int>(i) + 1;
        EXPECT_NEAR(s.GetPay(position, m), pay[i], kTol)
            << "pay, position " << position << ", month " << m;
        EXPECT_NEAR(s.GetBal(position, m), bal[i], kTol)
            << "bal, position " << position << ", month " << m;
    }
}

calc::CalcResult RunSchedule(const plan::TClientRec& rec, calc::PayoffSchedule& s,
                             calc::ScheduleOptions options = {}) {
    return calc::CalcDebtValues(rec, rec.DebtCount, options, LocaleInfo::englishUS(), s);
}

// Card (0 %) is paid off in month 2; what it does not need that month flows to Loan, and
// from month 3 on its 30.00 rolls over to Loan as extra money.
TEST(DebtReductionSchedule, RollOverAndSnowballWorkedByHand) {
    auto rec = calc_test::MakePlan(1, 2);
    AddDebt(*rec,
            {.name = "Loan", .balance = 300, .rate = 12, .currentPayment = 50, .priority = 2});
    AddDebt(*rec, {.name = "Card", .balance = 100, .rate = 0, .currentPayment = 30, .priority = 1});
    rec->ExtraPayment = 25;
    auto s = calc_test::NewSchedule();
    ASSERT_TRUE(RunSchedule(*rec, *s).ok());

    EXPECT_EQ(s->PayoffOrder[0], 2);
    EXPECT_EQ(s->PayoffOrder[1], 1);
    EXPECT_EQ(s->PositionOfDebt[1], 1);
    EXPECT_EQ(s->PositionName[0], "Card");
    EXPECT_EQ(s->ScheduleMonths, 4);
    // Month 1: Card 100 - 30 - 25; Loan 300 + 3.00 - 50.
    // Month 2: Card 45 - 30 = 15 takes 15 of the 25; the other 10 goes to Loan
    //          (253 + 2.53 - 50 - 10).
    // Month 3: Loan 195.53 + 1.96 - 50 - 55 (extra 25 + Card's 30).
    // Month 4: Loan 92.49 + 0.92 = 93.41 paid off.
    ExpectMonths(*s, 1, {55, 45, 0, 0}, {45, 0, 0, 0});
    ExpectMonths(*s, 2, {50, 60, 105, 93.41}, {253, 195.53, 92.49, 0});
    EXPECT_NEAR(s->MonthTotal(1), 105, kTol);
    EXPECT_NEAR(s->MonthTotal(3), 105, kTol);
    // The last month counts only what was paid.
    EXPECT_NEAR(s->MonthTotal(4), 93.41, kTol);
    EXPECT_EQ(s->MonthTotal(5), 0);
    EXPECT_EQ(s->GetPay(1, 0), 0);
    EXPECT_EQ(s->GetBal(1, 0), 100);
    EXPECT_EQ(s->GetBal(1, 361), 0);
    EXPECT_EQ(s->StartSchedPay[0], 30);
}

TEST(DebtReductionSchedule, WholeExtraGoesToPositionOneForEveryMethodUpToTen) {
    for (int method = 1; method <= 10; ++method) {
        auto rec = calc_test::MakePlan(1, method);
        AddDebt(*rec,
                {.name = "First", .balance = 1000, .rate = 0, .currentPayment = 50, .priority = 1});
        AddDebt(
            *rec,
            {.name = "Second", .balance = 1000, .rate = 0, .currentPayment = 50, .priority = 2});
        rec->ExtraPayment = 100;
        auto s = calc_test::NewSchedule();
        ASSERT_TRUE(RunSchedule(*rec, *s).ok()) << method;
        // 150 a month to First until it is gone in month 7 (1000 = 6 x 150 + 100).
        EXPECT_NEAR(s->GetPay(1, 6), 150, kTol);
        EXPECT_NEAR(s->GetPay(2, 6), 50, kTol);
        EXPECT_NEAR(s->GetPay(1, 7), 100, kTol);
        EXPECT_NEAR(s->GetPay(2, 7), 100, kTol);  // 50 + the 50 First did not need
        EXPECT_NEAR(s->GetPay(2, 8), 200, kTol);  // 50 + 100 extra + First's 50
    }
}

TEST(DebtReductionSchedule, DisperseSharesOddCentsAmongTheOpenDebts) {
    struct Case {
        double extra;
        double shares[3];
    };
    for (const Case& c : {Case{100, {33.34, 33.33, 33.33}}, Case{200, {66.67, 66.67, 66.66}},
                          Case{0.01, {0.01, 0, 0}}, Case{0.02, {0.01, 0.01, 0}}}) {
        auto rec = calc_test::MakePlan(1, 11);
        for (int i = 0; i < 3; ++i) {
            AddDebt(*rec, {.name = "D", .balance = 1000, .rate = 0, .currentPayment = 0});
        }
        rec->ExtraPayment = c.extra;
        auto s = calc_test::NewSchedule();
        RunSchedule(*rec, *s);  // only month 1 matters; a tiny extra never pays 3000 off
        for (int p = 1; p <= 3; ++p) {
            EXPECT_NEAR(s->GetPay(p, 1), c.shares[p - 1], kTol)
                << "extra " << c.extra << ", position " << p;
        }
    }
}

// Small is paid off by its share in month 1; the 23.34 it did not need is shared again
// between the two debts still open, in the same month.
TEST(DebtReductionSchedule, DisperseRespreadsWhatAPaidOffDebtDidNotNeed) {
    auto rec = calc_test::MakePlan(1, 11);
    AddDebt(*rec, {.name = "Small", .balance = 20, .rate = 0, .currentPayment = 10});
    AddDebt(*rec, {.name = "Big1", .balance = 1000, .rate = 0, .currentPayment = 10});
    AddDebt(*rec, {.name = "Big2", .balance = 1000, .rate = 0, .currentPayment = 10});
    rec->ExtraPayment = 100;
    calc::SetPriorities(*rec, 3);
    auto s = calc_test::NewSchedule();
    ASSERT_TRUE(RunSchedule(*rec, *s).ok());
    ExpectMonths(*s, 1, {20}, {0});
    ExpectMonths(*s, 2, {55}, {945});
    ExpectMonths(*s, 3, {55}, {945});
    EXPECT_NEAR(s->MonthTotal(1), 130, kTol);
    // Month 2: 110 extra (100 + Small's 10) between two debts.
    ExpectMonths(*s, 2, {55, 65}, {945, 880});
}

// A 3 % minimum on 1000 is scheduled at 30.00, then at 27.00 once the balance is 900; the
// 3.00 joins the extra money, so the month's outlay stays 125.
TEST(DebtReductionSchedule, PercentageMinimumStepsDownWithTheBalance) {
    auto rec = calc_test::MakePlan(1, 10);
    AddDebt(*rec, {.name = "Card",
                   .balance = 1000,
                   .rate = 0,
                   .currentPayment = 100,
                   .minPayment = 3,
                   .minIsPercent = true,
                   .priority = 1});
    AddDebt(*rec, {.name = "Loan",
                   .balance = 500,
                   .rate = 0,
                   .currentPayment = 25,
                   .minPayment = 25,
                   .priority = 2});
    rec->UseMinimumPayment = 1;
    auto s = calc_test::NewSchedule();
    ASSERT_TRUE(RunSchedule(*rec, *s).ok());
    EXPECT_EQ(s->StartSchedPay[0], 30);
    EXPECT_EQ(s->StartSchedPay[1], 25);
    EXPECT_EQ(s->ScheduleMonths, 12);
    ExpectMonths(*s, 1, {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 0, 0},
                 {900, 800, 700, 600, 500, 400, 300, 200, 100, 0, 0, 0});
    // Card gone after month 10: its last scheduled 3.00 and the 97.00 of excess go to Loan.
    ExpectMonths(*s, 2, {25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 125, 125},
                 {475, 450, 425, 400, 375, 350, 325, 300, 275, 250, 125, 0});
    for (int m = 1; m <= 12; ++m) {
        EXPECT_NEAR(s->MonthTotal(m), 125, kTol) << m;
    }
    EXPECT_EQ(s->SchedPay[0], 3);
}

TEST(DebtReductionSchedule, MinimumPaymentExcessJoinsTheExtraMoney) {
    for (const bool useMinimum : {true, false}) {
        auto rec = calc_test::MakePlan(1, 10);
        AddDebt(*rec, {.name = "Car",
                       .balance = 5000,
                       .rate = 0,
                       .currentPayment = 80,
                       .minPayment = 50,
                       .priority = 2});
        AddDebt(*rec, {.name = "Card",
                       .balance = 5000,
                       .rate = 0,
                       .currentPayment = 40,
                       .minPayment = 40,
                       .priority = 1});
        rec->UseMinimumPayment = useMinimum ? 1 : 0;
        auto s = calc_test::NewSchedule();
        ASSERT_TRUE(RunSchedule(*rec, *s).ok());
        // Position 1 is Card (priority 1), position 2 is Car.
        EXPECT_EQ(s->StartSchedPay[1], useMinimum ? 50 : 80);
        EXPECT_NEAR(s->GetPay(1, 1), useMinimum ? 70 : 40, kTol);
        EXPECT_NEAR(s->GetPay(2, 1), useMinimum ? 50 : 80, kTol);
    }
}

TEST(DebtReductionSchedule, AllBalancesZeroGiveOneEmptyMonth) {
    auto rec = calc_test::MakePlan(1, 2);
    AddDebt(*rec, {.name = "Old", .balance = 0, .rate = 10, .currentPayment = 40});
    AddDebt(*rec, {.name = "Older", .balance = 0, .rate = 10, .currentPayment = 60});
    rec->ExtraPayment = 15;
    auto s = calc_test::NewSchedule();
    ASSERT_TRUE(RunSchedule(*rec, *s).ok());
    EXPECT_EQ(s->ScheduleMonths, 1);
    EXPECT_EQ(s->GetPay(1, 1), 0);
    EXPECT_EQ(s->GetPay(2, 1), 0);
    EXPECT_EQ(s->MonthTotal(1), 0);
}

TEST(DebtReductionSchedule, VariableExtraAppliesToItsOwnMonth) {
    auto rec = calc_test::MakePlan(1, 2);
    AddDebt(*rec, {.name = "Card", .balance = 1000, .rate = 0, .currentPayment = 100});
    rec->ExtraPayment = 50;
    rec->ExtraPaymentSource = 2;
    EXPECT_FALSE(calc::CheckVariable(*rec));  // all 360 amounts 0: the fixed extra applies
    auto s = calc_test::NewSchedule();
    ASSERT_TRUE(
        RunSchedule(*rec, *s, {.timed = false, .varExtraInUse = calc::CheckVariable(*rec)}).ok());
    EXPECT_NEAR(s->GetPay(1, 1), 150, kTol);

    rec->VariableExtra[1] = 300;  // month 2
    ASSERT_TRUE(calc::CheckVariable(*rec));
    ASSERT_TRUE(RunSchedule(*rec, *s, {.timed = false, .varExtraInUse = true}).ok());
    EXPECT_NEAR(s->GetPay(1, 1), 100, kTol);
    EXPECT_NEAR(s->GetPay(1, 2), 400, kTol);
    EXPECT_NEAR(s->GetPay(1, 3), 100, kTol);
    EXPECT_NEAR(s->MonthTotal(2), 400, kTol);

    rec->ExtraPaymentSource = 1;  // "Budget": the fixed extra again
    EXPECT_FALSE(calc::CheckVariable(*rec));
}

TEST(DebtReductionSchedule, DailyDebtIsChargedByCalendarDays) {
    auto rec = calc_test::MakePlan(1, 2);
    rec->StartMonth = 2;
    rec->StartYear = 2012;
    AddDebt(
        *rec,
        {.name = "Payday", .balance = 1000, .rate = 0.05, .rateKind = 4, .currentPayment = 114.5});
    auto s = calc_test::NewSchedule();
    ASSERT_TRUE(RunSchedule(*rec, *s).ok());
    // February 2012 has 29 days: 14.50 of interest; March has 31.
    EXPECT_NEAR(s->GetBal(1, 1), 900, kTol);
    EXPECT_NEAR(s->GetBal(1, 2), 900 + 13.95 - 114.5, kTol);
}

TEST(DebtReductionSchedule, PayDayOrderIsStable) {
    auto rec = calc_test::MakePlan(1, 2);
    AddDebt(*rec, {.name = "A", .balance = 10, .currentPayment = 10, .payDay = 15});
    AddDebt(*rec, {.name = "B", .balance = 10, .currentPayment = 10, .payDay = 3});
    AddDebt(*rec, {.name = "C", .balance = 10, .currentPayment = 10, .payDay = 15});
    auto s = calc_test::NewSchedule();
    ASSERT_TRUE(RunSchedule(*rec, *s).ok());
    EXPECT_EQ(s->PayDayOrder[0], 2);
    EXPECT_EQ(s->PayDayOrder[1], 1);
    EXPECT_EQ(s->PayDayOrder[2], 3);
}

TEST(DebtReductionSchedule, NotPaidOffWithin360MonthsEndsWithoutASchedule) {
    auto rec = calc_test::MakePlan(1, 2);
    AddDebt(*rec, {.name = "Mortgage", .balance = 100000, .rate = 6, .currentPayment = 500});
    auto s = calc_test::NewSchedule();
    const calc::CalcResult r = RunSchedule(*rec, *s);
    EXPECT_EQ(r.kind, CalcErrorKind::ScheduleTooLong);
    EXPECT_NE(r.message.find("360 months"), std::string::npos);
    EXPECT_EQ(s->ScheduleMonths, 0);

    // Exactly 360 months still fits.
    rec->Debts[0].Balance = 360 * 100.0;
    rec->Debts[0].Rate = 0;
    rec->Debts[0].CurrentPayment = 100;
    ASSERT_TRUE(RunSchedule(*rec, *s).ok());
    EXPECT_EQ(s->ScheduleMonths, 360);
}

TEST(CurrentPlan, EachDebtOnItsOwnCurrentPayment) {
    auto rec = calc_test::MakePlan(1, 2);
    AddDebt(*rec,
            {.name = "Loan", .balance = 1000, .rate = 12, .currentPayment = 100, .priority = 2});
    AddDebt(*rec,
            {.name = "Even", .balance = 300, .rate = 0, .currentPayment = 100, .priority = 1});
    AddDebt(*rec,
            {.name = "Nothing", .balance = 0, .rate = 5, .currentPayment = 20, .priority = 3});
    rec->ExtraPayment = 500;  // plays no part
    auto s = calc_test::NewSchedule();
    ASSERT_TRUE(RunSchedule(*rec, *s).ok());
    calc::CurrentPlan cur;
    ASSERT_TRUE(calc::CalcCurrentPlan(*rec, *s, cur).ok());
    // Position 1 is "Even": three payments of 100, the last one whole.
    EXPECT_EQ(cur.CurPlanMonths[0], 3);
    EXPECT_EQ(cur.CurPlanInterest[0], 0);
    EXPECT_EQ(cur.CurPlanLastPayment[0], 100);
    // Position 2 is "Loan": ten payments of 100 and 58.98.
    EXPECT_EQ(cur.CurPlanMonths[1], 11);
    EXPECT_NEAR(cur.CurPlanInterest[1], 58.98, kTol);
    EXPECT_NEAR(cur.CurPlanLastPayment[1], 58.98, kTol);
    // Nothing owed: one month, no interest, nothing paid.
    EXPECT_EQ(cur.CurPlanMonths[2], 1);
    EXPECT_EQ(cur.CurPlanInterest[2], 0);
    EXPECT_EQ(cur.CurPlanLastPayment[2], 0);
    EXPECT_NEAR(cur.CurPlanTotalInterest, 58.98, kTol);
}

TEST(CurrentPlan, PaymentThatNeverRepaysEndsWithAnError) {
    auto rec = calc_test::MakePlan(1, 2);
    AddDebt(*rec, {.name = "Fine", .balance = 100, .rate = 0, .currentPayment = 50});
    AddDebt(*rec, {.name = "Stuck", .balance = 1000, .rate = 12, .currentPayment = 10});
    rec->ExtraPayment = 200;  // the schedule itself is paid off by the extra money
    auto s = calc_test::NewSchedule();
    ASSERT_TRUE(RunSchedule(*rec, *s).ok());
    calc::CurrentPlan cur;
    const calc::CalcResult r = calc::CalcCurrentPlan(*rec, *s, cur);
    EXPECT_EQ(r.kind, CalcErrorKind::NeverRepays);
    EXPECT_NE(r.message.find("\"Stuck\""), std::string::npos);
}

// 0.05 % a day is 15.50 of interest in a 31-day month but 14.00 in February: a payment of
// 15.25 falls short in most months and still repays the debt over the year.
TEST(CurrentPlan, DailyDebtBelowOneMonthsInterestCanStillRepay) {
    auto rec = calc_test::MakePlan(1, 2);
    rec->StartMonth = 1;
    rec->StartYear = 2011;
    AddDebt(
        *rec,
        {.name = "Payday", .balance = 1000, .rate = 0.05, .rateKind = 4, .currentPayment = 15.25});
    auto s = calc_test::NewSchedule();
    calc::CurrentPlan cur;
    // The schedule needs more than 360 months; the current plan has no such limit.
    ASSERT_EQ(RunSchedule(*rec, *s).kind, CalcErrorKind::ScheduleTooLong);
    s->numPositions = 1;
    s->PayoffOrder[0] = 1;
    const calc::CalcResult r = calc::CalcCurrentPlan(*rec, *s, cur);
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_GT(cur.CurPlanMonths[0], 360);

    // 15.00 is below the interest of a whole year: never repaid.
    rec->Debts[0].CurrentPayment = 15.0;
    EXPECT_EQ(calc::CalcCurrentPlan(*rec, *s, cur).kind, CalcErrorKind::NeverRepays);
}

}  // namespace
