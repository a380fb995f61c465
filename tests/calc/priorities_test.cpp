#include "calc/priorities.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "test_plans.h"

namespace {

using calc_test::AddDebt;

// Four debts whose keys order differently under each method. A and B need 11 whole months
// each at their current payments (10.9 and 11.3 before rounding).
std::unique_ptr<plan::TClientRec> FourDebts(int method) {
    auto rec = calc_test::MakePlan(1, method);
    AddDebt(*rec, {.name = "A",
                   .balance = 500,
                   .rate = 18,
                   .rateKind = 1,
                   .currentPayment = 50,
                   .minPayment = 15,
                   .priority = 7});
    AddDebt(*rec, {.name = "B",
                   .balance = 200,
                   .rate = 24,
                   .rateKind = 1,
                   .currentPayment = 20,
                   .minPayment = 2,
                   .minIsPercent = true,
                   .priority = 7});
    AddDebt(*rec, {.name = "C",
                   .balance = 1500,
                   .rate = 1,
                   .rateKind = 3,
                   .currentPayment = 100,
                   .minPayment = 30,
                   .priority = 7});
    AddDebt(*rec, {.name = "D",
                   .balance = 200,
                   .rate = 0.05,
                   .rateKind = 4,
                   .currentPayment = 75,
                   .minPayment = 25,
                   .priority = 7});
    return rec;
}

struct MethodCase {
    int method;
    std::array<int, 4> priorities;  // of debts A, B, C, D
};

class SetPrioritiesTest : public testing::TestWithParam<MethodCase> {};

TEST_P(SetPrioritiesTest, RanksTheDebts) {
    const MethodCase c = GetParam();
    auto rec = FourDebts(c.method);
    calc::SetPriorities(*rec, 4);
    for (int d = 0; d < 4; ++d) {
        EXPECT_EQ(int{rec->Debts[d].Priority}, c.priorities[static_cast<std::size_t>(d)])
            << calc::kPriorityMethodNames[static_cast<std::size_t>(c.method - 1)] << ", debt "
            << d + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllMethods, SetPrioritiesTest,
    testing::Values(MethodCase{1, {3, 1, 4, 2}},  // B 2 %, D 1.53 %, A 1.5 %, C 1 % a month
                    MethodCase{2, {3, 1, 4, 2}},  // B and D owe 200: lower number first
                    MethodCase{3, {2, 3, 1, 4}},
                    MethodCase{4, {2, 1, 4, 3}},  // B's 2 % of 200 is 4
                    MethodCase{5, {3, 4, 1, 2}}, MethodCase{6, {2, 1, 4, 3}},
                    MethodCase{7, {3, 4, 1, 2}},
                    MethodCase{8, {2, 3, 4, 1}},   // D 3, A 11, B 11, C 16 months
                    MethodCase{9, {2, 3, 1, 4}},   // whole months: A stays before B
                    MethodCase{10, {7, 7, 7, 7}},  // the user's priorities stand
                    MethodCase{11, {1, 2, 3, 4}}));

TEST(SetPriorities, OnlyForTheDebtReductionSchedule) {
    for (const int reductionPlan : {2, 3}) {
        auto rec = FourDebts(2);
        rec->ReductionPlan = static_cast<std::uint16_t>(reductionPlan);
        calc::SetPriorities(*rec, 4);
        EXPECT_EQ(int{rec->Debts[0].Priority}, 7);
    }
}

TEST(SetPriorities, TouchesOnlyDebtsInUse) {
    auto rec = FourDebts(11);
    calc::SetPriorities(*rec, 2);
    EXPECT_EQ(int{rec->Debts[1].Priority}, 2);
    EXPECT_EQ(int{rec->Debts[2].Priority}, 7);
}

TEST(PriorityKey, TermOfAZeroRateDebtAndOfOneThatNeverRepays) {
    auto rec = calc_test::MakePlan(1, 8);
    AddDebt(*rec, {.name = "Free", .balance = 1000, .rate = 0, .currentPayment = 75});
    AddDebt(*rec, {.name = "Stuck", .balance = 1000, .rate = 12, .currentPayment = 10});
    AddDebt(*rec, {.name = "Unpaid", .balance = 1000, .rate = 0, .currentPayment = 0});
    AddDebt(*rec, {.name = "Done", .balance = 0, .rate = 12, .currentPayment = 0});
    EXPECT_EQ(calc::PriorityKey(rec->Debts[0], 8), 13.0);  // 13.33 rounded, nothing added
    EXPECT_TRUE(std::isinf(calc::PriorityKey(rec->Debts[1], 8)));
    EXPECT_TRUE(std::isinf(calc::PriorityKey(rec->Debts[2], 8)));
    EXPECT_EQ(calc::PriorityKey(rec->Debts[3], 8), 0.0);
    calc::SetPriorities(*rec, 4);
    EXPECT_EQ(int{rec->Debts[3].Priority}, 1);
    EXPECT_EQ(int{rec->Debts[0].Priority}, 2);
    EXPECT_EQ(int{rec->Debts[1].Priority}, 3);  // never repaid: sorted as the longest terms
    EXPECT_EQ(int{rec->Debts[2].Priority}, 4);
}

TEST(FindSharedPriority, NamesTheFirstPair) {
    auto rec = FourDebts(10);
    rec->Debts[0].Priority = 1;
    rec->Debts[1].Priority = 3;
    rec->Debts[2].Priority = 2;
    rec->Debts[3].Priority = 3;
    const calc::SharedPriority shared = calc::FindSharedPriority(*rec, 4);
    EXPECT_EQ(shared.first, 2);
    EXPECT_EQ(shared.second, 4);
    rec->Debts[3].Priority = 4;
    EXPECT_EQ(calc::FindSharedPriority(*rec, 4).first, 0);
}

}  // namespace
