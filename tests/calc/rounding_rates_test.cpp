#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/rates.h"
#include "calc/rounding.h"
#include "test_plans.h"

namespace {

using calc::RoundToCents;

struct RoundCase {
    double amount;
    double expected;
};

class RoundToCentsTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToCentsTest, RoundsOnTheTwelveDecimalText) {
    const RoundCase c = GetParam();
    const double got = RoundToCents(c.amount);
    // Exact: the engines carry these very doubles.
    EXPECT_EQ(got, c.expected) << "amount " << c.amount;
    EXPECT_FALSE(std::signbit(got) && got == 0) << "negative zero for " << c.amount;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RoundToCentsTest,
    testing::Values(
        // The carry is a double addition: 2.34 + 0.01.
        RoundCase{2.345, 2.34 + 0.01}, RoundCase{2.345, 2.3499999999999996},
        // Its 12-decimal text is 2.345000000000, so it rounds up.
        RoundCase{2.3449999999999, 2.34 + 0.01}, RoundCase{2.344999999999, 2.34},
        RoundCase{0.0049999999999999, 0.01}, RoundCase{-1.236, -1.23 - 0.01},
        RoundCase{-0.004, 0.0}, RoundCase{-0.005, -0.01}, RoundCase{0.125, 0.12 + 0.01},
        RoundCase{0.115, 0.11 + 0.01}, RoundCase{1e-13, 0.0}, RoundCase{0.0, 0.0},
        RoundCase{2.5, 2.5}, RoundCase{1234567.891, 1234567.89}, RoundCase{88.853799, 88.85},
        RoundCase{142.862141, 142.86}, RoundCase{90.4595829, 90.45 + 0.01}, RoundCase{-0.0, 0.0}));

TEST(RoundToCents, LeavesInfinityAndNaNAlone) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(RoundToCents(inf), inf);
    EXPECT_TRUE(std::isnan(RoundToCents(std::nan(""))));
    EXPECT_EQ(RoundToCents(1e300), 1e300);
}

TEST(Power, SpecialCasesAndExpLog) {
    EXPECT_EQ(calc::Power(0.0, 0.0), 1.0);
    EXPECT_EQ(calc::Power(5.0, 0.0), 1.0);
    EXPECT_EQ(calc::Power(0.0, 3.0), 0.0);
    EXPECT_EQ(calc::Power(1.07, 1.0), 1.07);
    EXPECT_EQ(calc::Power(1.12, calc::kOneTwelfth), std::exp(calc::kOneTwelfth * std::log(1.12)));
    EXPECT_EQ(calc::kOneTwelfth, 0.08333333333333333);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(calc::RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(calc::RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(calc::RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(calc::RoundHalfEven(2.5001), 3.0);
    EXPECT_EQ(calc::RoundHalfEven(13.333), 13.0);
    EXPECT_EQ(calc::RoundHalfEven(-2.5), -2.0);
}

struct RateCase {
    double rate;
    int kind;
    double monthly;
    double equivalent;
};

class RateKindTest : public testing::TestWithParam<RateCase> {};

TEST_P(RateKindTest, PeriodicAndEquivalentRates) {
    const RateCase c = GetParam();
    EXPECT_EQ(calc::MonthlyRate(c.rate, c.kind), c.monthly);
    EXPECT_EQ(calc::MonthlyEquivalentRate(c.rate, c.kind), c.equivalent);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RateKindTest,
    testing::Values(RateCase{12.0, 1, 0.01, 0.01}, RateCase{18.0, 1, 18.0 / 1200, 18.0 / 1200},
                    RateCase{12.0, 2, 0.009488792934583046, 0.009488792934583046},
                    RateCase{7.25, 3, 0.0725, 0.0725},
                    // "Daily": a rate per day for the schedules, compounded for terms.
                    RateCase{0.05, 4, 0.0005, 0.015320709480086458}, RateCase{0.0, 1, 0.0, 0.0},
                    RateCase{0.0, 2, 0.0, 0.0}, RateCase{0.0, 4, 0.0, 0.0},
                    // A kind outside 1..4 counts as "Effective".
                    RateCase{12.0, 9, 0.009488792934583046, 0.009488792934583046}));

TEST(ConsolidationMonthlyRate, AprAndEff) {
    EXPECT_EQ(calc::ConsolidationMonthlyRate(12.0, 1), 0.01);
    EXPECT_NEAR(calc::ConsolidationMonthlyRate(12.0, 2), 0.0094888, 1e-7);
    EXPECT_EQ(calc::ConsolidationMonthlyRate(0.0, 2), 0.0);
}

TEST(MonthInterest, DailyDebtCountsTheDaysOfTheMonth) {
    // 0.05 % a day on 1000 in February of a leap year.
    EXPECT_EQ(calc::MonthInterest(1000, 0.0005, true, 29), 14.5);
    EXPECT_EQ(calc::MonthInterest(1000, 0.0005, true, 31), 15.5);
    EXPECT_EQ(calc::MonthInterest(253, 0.01, false, 31), 2.53);
    EXPECT_EQ(calc::MonthInterest(8.67, 0.01, false, 30), 0.09);
}

TEST(LoanFormulas, LevelPaymentAndTerm) {
    EXPECT_NEAR(calc::LevelPayment(1000, 0.01, 12), 88.8488, 1e-4);
    EXPECT_NEAR(calc::LevelPayment(2000, 8.0 / 1200, 24), 90.4546, 1e-4);
    EXPECT_EQ(calc::LevelPayment(1000, 0, 7), 1000.0 / 7);
    EXPECT_NEAR(calc::TermInMonths(1000, 0.01, 100), 10.5886, 1e-4);
    EXPECT_EQ(calc::TermInMonths(1000, 0, 75), 1000.0 / 75);
    // A payment that does not cover the interest has no term.
    EXPECT_TRUE(std::isnan(calc::TermInMonths(1000, 0.01, 5)));
}

TEST(MonthlyRate, ReadsTheDebtRecord) {
    auto rec = calc_test::MakePlan();
    calc_test::AddDebt(*rec, {.name = "Card", .balance = 100, .rate = 18, .rateKind = 1});
    EXPECT_EQ(calc::MonthlyRate(rec->Debts[0]), 18.0 / 1200);
}

}  // namespace
