#include "calc/timed_plan.h"

#include <gtest/gtest.h>

#include "calc/schedule_engine.h"
#include "test_plans.h"

namespace {

using calc::CalcErrorKind;
using calc_test::AddDebt;
using platform::LocaleInfo;

constexpr double kTol = 1e-9;

TEST(TimedPayment, RoundsTheLevelPaymentUpToTheCent) {
    auto rec = calc_test::MakePlan(3);
    rec->TimedMonths = 12;
    AddDebt(*rec, {.name = "Card", .balance = 1000, .rate = 12, .currentPayment = 50});
    AddDebt(*rec, {.name = "Free", .balance = 1000, .rate = 0, .currentPayment = 50});
    // 88.8488 + 0.004999 = 88.853799 -> 88.85.
    EXPECT_EQ(calc::TimedPayment(*rec, 1), 88.85);
    rec->TimedMonths = 7;
    // 142.857142... + 0.004999 = 142.862141... -> 142.86.
    EXPECT_EQ(calc::TimedPayment(*rec, 2), 142.86);
    // Already within a millionth of a cent of 60.00: stays 60.00.
    rec->TimedMonths = 10;
    rec->Debts[1].Balance = 600.0000001;
    EXPECT_EQ(calc::TimedPayment(*rec, 2), 60.0);
    rec->Debts[1].Balance = 600.0001;
    EXPECT_EQ(calc::TimedPayment(*rec, 2), 60.01);
}

TEST(CalcTimedValues, KeepsACurrentPaymentThatAlreadyClearsTheDebtInTime) {
    auto rec = calc_test::MakePlan(3);
    rec->TimedMonths = 12;
    AddDebt(*rec, {.name = "Card", .balance = 1000, .rate = 12, .currentPayment = 100});
    AddDebt(*rec, {.name = "Store", .balance = 1000, .rate = 12, .currentPayment = 50});
    std::array<double, calc::kMaxPositions> sched{};
    ASSERT_TRUE(calc::CalcTimedValues(*rec, 2, sched).ok());
    EXPECT_EQ(sched[0], 100);
    EXPECT_EQ(sched[1], 88.85);
    EXPECT_NEAR(calc::ExtraPaymentNeeded(*rec, 2, sched), 38.85, kTol);

    rec->Debts[1].CurrentPayment = 90;
    ASSERT_TRUE(calc::CalcTimedValues(*rec, 2, sched).ok());
    EXPECT_EQ(calc::ExtraPaymentNeeded(*rec, 2, sched), 0);
}

TEST(CalcTimedValues, ZeroMonthsEndsTheCalculation) {
    auto rec = calc_test::MakePlan(3);
    rec->TimedMonths = 0;
    AddDebt(*rec, {.name = "Card", .balance = 1000, .rate = 12, .currentPayment = 100});
    std::array<double, calc::kMaxPositions> sched{};
    const calc::CalcResult r = calc::CalcTimedValues(*rec, 1, sched);
    EXPECT_EQ(r.kind, CalcErrorKind::TimedMonthsZero);
    EXPECT_NE(r.message.find("Months To Pay"), std::string::npos);
    auto s = calc_test::NewSchedule();
    EXPECT_EQ(calc::CalcDebtValues(*rec, 1, {.timed = true}, LocaleInfo::englishUS(), *s).kind,
              CalcErrorKind::TimedMonthsZero);
}

// Debts stay in debt-number order and are each paid on their own: no extra money, no
// roll-over.
TEST(TimedSchedule, EachDebtAtItsOwnFixedPayment) {
    auto rec = calc_test::MakePlan(3, 2);
    rec->TimedMonths = 3;
    rec->ExtraPayment = 500;     // plays no part
    rec->UseMinimumPayment = 1;  // plays no part
    AddDebt(*rec, {.name = "Big",
                   .balance = 900,
                   .rate = 0,
                   .currentPayment = 100,
                   .minPayment = 10,
                   .priority = 2});
    AddDebt(*rec, {.name = "Small",
                   .balance = 100,
                   .rate = 0,
                   .currentPayment = 60,
                   .minPayment = 10,
                   .priority = 1});
    auto s = calc_test::NewSchedule();
    ASSERT_TRUE(calc::CalcDebtValues(*rec, 2, {.timed = true}, LocaleInfo::englishUS(), *s).ok());
    EXPECT_EQ(s->PayoffOrder[0], 1);
    EXPECT_EQ(s->PayoffOrder[1], 2);
    EXPECT_EQ(s->StartSchedPay[0], 300);  // 900 / 3 + 0.004999
    EXPECT_EQ(s->StartSchedPay[1], 60);   // 33.34 is below the current 60
    EXPECT_EQ(s->ScheduleMonths, 3);
    EXPECT_EQ(s->GetPay(2, 1), 60);
    EXPECT_EQ(s->GetPay(2, 2), 40);  // the last payment is smaller
    EXPECT_EQ(s->GetPay(2, 3), 0);   // and then it stops: nothing moves to Big
    EXPECT_EQ(s->GetPay(1, 3), 300);
    EXPECT_EQ(s->MonthTotal(1), 360);
    EXPECT_EQ(s->MonthTotal(2), 340);
    EXPECT_EQ(s->MonthTotal(3), 300);
    EXPECT_EQ(s->GetBal(1, 3), 0);
}

TEST(TimedSchedule, RateDebtsArePaidOffWithinTheMonths) {
    auto rec = calc_test::MakePlan(3);
    rec->TimedMonths = 24;
    rec->StartMonth = 11;
    AddDebt(*rec,
            {.name = "Card", .balance = 3200, .rate = 19.9, .rateKind = 1, .currentPayment = 90});
    AddDebt(*rec,
            {.name = "Store", .balance = 850, .rate = 21, .rateKind = 2, .currentPayment = 40});
    AddDebt(*rec,
            {.name = "Payday", .balance = 400, .rate = 0.06, .rateKind = 4, .currentPayment = 30});
    auto s = calc_test::NewSchedule();
    ASSERT_TRUE(calc::CalcDebtValues(*rec, 3, {.timed = true}, LocaleInfo::englishUS(), *s).ok());
    EXPECT_LE(s->ScheduleMonths, 24);
    for (int p = 1; p <= 3; ++p) {
        EXPECT_EQ(s->GetBal(p, 24), 0) << p;
    }
    double total = 0;
    for (int p = 1; p <= 3; ++p) {
        total += s->GetPay(p, 1);
    }
    EXPECT_NEAR(s->MonthTotal(1), total, kTol);
}

}  // namespace
