#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/rate_text.h"
#include "calc/schedule_engine.h"
#include "test_plans.h"

namespace {

using platform::LocaleInfo;

struct AmountCase {
    double value;
    int decimals;
    bool currency;
    std::string english;
    std::string german;
};

class FormatAmountTest : public testing::TestWithParam<AmountCase> {};

TEST_P(FormatAmountTest, EnglishAndGerman) {
    const AmountCase c = GetParam();
    EXPECT_EQ(calc::FormatAmount(c.value, c.decimals, c.currency, LocaleInfo::englishUS()),
              c.english);
    EXPECT_EQ(calc::FormatAmount(c.value, c.decimals, c.currency, LocaleInfo::germanDE()),
              c.german);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, FormatAmountTest,
    testing::Values(AmountCase{1234.5, 2, false, "1,234.50", "1.234,50"},
                    AmountCase{1234.5, 2, true, "$1,234.50", "1.234,50 \xE2\x82\xAC"},
                    AmountCase{-1234.5, 2, false, "-1,234.50", "-1.234,50"},
                    AmountCase{-1234.5, 2, true, "($1,234.50)", "-1.234,50 \xE2\x82\xAC"},
                    AmountCase{0, 2, false, "0.00", "0,00"},
                    AmountCase{0.125, 2, false, "0.13", "0,13"},
                    AmountCase{2.345, 2, false, "2.35", "2,35"},
                    AmountCase{999.995, 2, false, "1,000.00", "1.000,00"},
                    AmountCase{-0.004, 2, false, "0.00", "0,00"},
                    AmountCase{1234567.891, 0, false, "1,234,568", "1.234.568"},
                    AmountCase{18.99, 4, false, "18.9900", "18,9900"},
                    AmountCase{0.004, 2, true, "$0.00", "0,00 \xE2\x82\xAC"},
                    AmountCase{123, 2, false, "123.00", "123,00"},
                    AmountCase{1e15, 2, false, "1,000,000,000,000,000.00",
                               "1.000.000.000.000.000,00"}));

TEST(FormatAmount, CurrencyLayouts) {
    LocaleInfo l = LocaleInfo::englishUS();
    const std::pair<int, std::string> positive[] = {
        {0, "$5.00"}, {1, "5.00$"}, {2, "$ 5.00"}, {3, "5.00 $"}};
    for (const auto& [layout, text] : positive) {
        l.currencyFormat = layout;
        EXPECT_EQ(calc::FormatAmount(5, 2, true, l), text);
    }
    const std::pair<int, std::string> negative[] = {
        {0, "($5.00)"},  {1, "-$5.00"},   {2, "$-5.00"},    {3, "$5.00-"},
        {4, "(5.00$)"},  {5, "-5.00$"},   {6, "5.00-$"},    {7, "5.00$-"},
        {8, "-5.00 $"},  {9, "-$ 5.00"},  {10, "5.00 $-"},  {11, "$ 5.00-"},
        {12, "$ -5.00"}, {13, "5.00- $"}, {14, "($ 5.00)"}, {15, "(5.00 $)"}};
    for (const auto& [layout, text] : negative) {
        l.negativeCurrencyFormat = layout;
        EXPECT_EQ(calc::FormatAmount(-5, 2, true, l), text) << "layout " << layout;
    }
}

TEST(PadLeft, CountsCharactersNotBytes) {
    EXPECT_EQ(calc::PadLeft("7.25", 6), "  7.25");
    EXPECT_EQ(calc::PadLeft("toolong", 3), "toolong");
    EXPECT_EQ(calc::PadLeft("", 2), "  ");
    EXPECT_EQ(calc::PadLeft("5 \xE2\x82\xAC", 4), " 5 \xE2\x82\xAC");
    EXPECT_EQ(calc::Utf8Left("M\xC3\xA4rz", 2), "M\xC3\xA4");
}

TEST(RateTexts, AbbreviationsDifferForMonthlyRates) {
    auto rec = calc_test::MakePlan();
    calc_test::AddDebt(
        *rec,
        {.name = "Store", .balance = 500, .rate = 7.25, .rateKind = 3, .currentPayment = 10000});
    calc_test::AddDebt(*rec, {.name = "Card",
                              .balance = 900,
                              .rate = 18.99,
                              .rateKind = 1,
                              .currentPayment = 10000,
                              .priority = 1});
    calc_test::AddDebt(*rec, {.name = "Loan",
                              .balance = 900,
                              .rate = 5,
                              .rateKind = 2,
                              .currentPayment = 10000,
                              .priority = 3});
    calc_test::AddDebt(*rec, {.name = "Payday",
                              .balance = 90,
                              .rate = 0.05,
                              .rateKind = 4,
                              .currentPayment = 10000,
                              .priority = 4});
    rec->Debts[0].Priority = 2;

    EXPECT_EQ(calc::GetRate(rec->Debts[0], LocaleInfo::englishUS()), "7.2500% Mth");
    EXPECT_EQ(calc::GetRate(rec->Debts[1], LocaleInfo::englishUS()), "18.9900% APR");
    EXPECT_EQ(calc::GetRate(rec->Debts[2], LocaleInfo::germanDE()), "5,0000% Eff");
    EXPECT_EQ(calc::GetRate(rec->Debts[3], LocaleInfo::englishUS()), "0.0500% Dly");
    EXPECT_EQ(calc::RateStr2(*rec, 1, 14, LocaleInfo::englishUS()), "   7.2500% Mon");

    // RateStr takes the debt at a position of the payoff order.
    auto schedule = calc_test::NewSchedule();
    ASSERT_TRUE(calc::CalcDebtValues(*rec, 4, {}, LocaleInfo::englishUS(), *schedule).ok());
    EXPECT_EQ(schedule->PayoffOrder[0], 2);
    EXPECT_EQ(calc::RateStr(*rec, *schedule, 1, 14, LocaleInfo::englishUS()), "  18.9900% APR");
    EXPECT_EQ(calc::RateStr(*rec, *schedule, 2, 14, LocaleInfo::englishUS()), "   7.2500% Mon");
    EXPECT_EQ(schedule->PositionRateText[1], "7.2500% Mth");
}

TEST(RateTexts, PositionRateTextIsCutToTwelveCharacters) {
    auto rec = calc_test::MakePlan();
    calc_test::AddDebt(
        *rec, {.name = "Pawn", .balance = 100, .rate = 118.5, .rateKind = 1, .currentPayment = 50});
    auto schedule = calc_test::NewSchedule();
    ASSERT_TRUE(calc::CalcDebtValues(*rec, 1, {}, LocaleInfo::englishUS(), *schedule).ok());
    EXPECT_EQ(schedule->PositionRateText[0], "118.5000% AP");
}

}  // namespace
