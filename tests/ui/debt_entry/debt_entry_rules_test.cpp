#include "ui/debt_entry/debt_entry_rules.h"

#include <gtest/gtest.h>

namespace {

using platform::LocaleInfo;
using ui::EntryField;

TEST(DebtEntryRules, NumericOnlyKeys) {
    const LocaleInfo us = LocaleInfo::englishUS();
    const LocaleInfo de = LocaleInfo::germanDE();
    struct Case {
        const char* key;
        const char* text;
        EntryField field;
        const LocaleInfo* locale;
        bool accepted;
    };
    const Case cases[] = {
        {"7", "", EntryField::Amount, &us, true},
        {"\b", "12", EntryField::Amount, &us, true},  // control characters pass
        {",", "1,000", EntryField::Amount, &us, true},
        {".", "12", EntryField::Amount, &us, true},
        {".", "12.5", EntryField::Amount, &us, false},  // second decimal point
        {"a", "", EntryField::Amount, &us, false},
        {"-", "", EntryField::Amount, &us, false},  // no minus sign at all
        {"%", "5", EntryField::Amount, &us, false},
        {"%", "5", EntryField::MinPay, &us, true},
        {".", "1", EntryField::WholeNumber, &us, false},
        {"5", "1", EntryField::WholeNumber, &us, true},
        {",", "12", EntryField::Rate, &de, true},  // the German decimal comma
        {",", "12,5", EntryField::Rate, &de, false},
        {".", "12", EntryField::Rate, &de, false},  // "." is no German decimal
        {",", "1", EntryField::WholeNumber, &de, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::NumericOnly(c.key, c.text, c.field, *c.locale), c.accepted)
            << "key '" << c.key << "' after '" << c.text << "'";
}

TEST(DebtEntryRules, ReadAmount) {
    const LocaleInfo us = LocaleInfo::englishUS();
    EXPECT_EQ(ui::ReadAmount("(1,234.50)", us, true), 1234.50);
    EXPECT_EQ(ui::ReadAmount("(1,234.50)", us, false), std::nullopt);
    EXPECT_EQ(ui::ReadAmount(" $1,234.50 ", us), 1234.50);
    EXPECT_EQ(ui::ReadAmount("", us), 0.0);
    EXPECT_EQ(ui::ReadAmount("   ", us), 0.0);
    EXPECT_EQ(ui::ReadAmount("12a", us), std::nullopt);
    EXPECT_EQ(ui::ReadAmount("-5", us), std::nullopt);
    EXPECT_EQ(ui::ReadAmount("1.234,50 €", LocaleInfo::germanDE()), 1234.50);
}

TEST(DebtEntryRules, ReadWholeNumber) {
    EXPECT_EQ(ui::ReadWholeNumber(" 28 "), 28);
    EXPECT_EQ(ui::ReadWholeNumber("0"), 0);
    EXPECT_EQ(ui::ReadWholeNumber(""), std::nullopt);
    EXPECT_EQ(ui::ReadWholeNumber("1.5"), std::nullopt);
    EXPECT_EQ(ui::ReadWholeNumber("1,"), std::nullopt);
}

TEST(DebtEntryRules, RepaymentOfTheThousandAtTwelvePercent) {
    struct Case {
        double minPay;
        double curPay;
        ui::RepaymentProblem expected;
    };
    // First month's interest is 10.00.
    const Case cases[] = {
        {10.00, 20, ui::RepaymentProblem::NeverRepays},
        {10.01, 20, ui::RepaymentProblem::LongerThan30Years},  // 694.3 months
        {10.50, 20, ui::RepaymentProblem::None},               // 306 months
        {10.50, 10.49, ui::RepaymentProblem::CurrentBelowMinimum},
        {0, 0, ui::RepaymentProblem::NeverRepays},
    };
    for (const Case& c : cases) {
        ui::RepaymentInput in;
        in.balance = 1000;
        in.rate = 12;
        in.rateKind = 1;
        in.minPay = c.minPay;
        in.currentPayment = c.curPay;
        EXPECT_EQ(ui::CheckRepayment(in), c.expected) << c.minPay << " / " << c.curPay;
    }
}

TEST(DebtEntryRules, PercentageMinimumUsesRoundedShareOfBalance) {
    ui::RepaymentInput in;
    in.balance = 1234.56;
    in.minPay = 2;
    in.minPayIsPercent = true;
    in.rate = 0;
    EXPECT_DOUBLE_EQ(ui::MinimumPaymentAmount(in), 24.69);
    in.currentPayment = 24.68;
    EXPECT_EQ(ui::CheckRepayment(in), ui::RepaymentProblem::CurrentBelowMinimum);
    in.currentPayment = 24.69;
    EXPECT_EQ(ui::CheckRepayment(in), ui::RepaymentProblem::None);  // 50 months at 0 %
}

TEST(DebtEntryRules, ZeroRateTermIsBalanceOverMinimum) {
    ui::RepaymentInput in;
    in.balance = 3610;
    in.minPay = 10;  // 361 months
    in.currentPayment = 10;
    EXPECT_EQ(ui::CheckRepayment(in), ui::RepaymentProblem::LongerThan30Years);
    in.balance = 3600;  // exactly 360
    EXPECT_EQ(ui::CheckRepayment(in), ui::RepaymentProblem::None);
}

TEST(DebtEntryRules, YearlyEquivalents) {
    EXPECT_DOUBLE_EQ(ui::YearlyEquivalentRate(0.5, 1), 0.5);
    EXPECT_DOUBLE_EQ(ui::YearlyEquivalentRate(1.5, 3), 18.0);
    EXPECT_DOUBLE_EQ(ui::YearlyEquivalentRate(0.002, 4), 0.73);
    EXPECT_NEAR(ui::YearlyEquivalentRate(12, 2), 11.3866, 1e-4);
}

TEST(DebtEntryRules, SmallRateTexts) {
    const LocaleInfo us = LocaleInfo::englishUS();
    EXPECT_EQ(ui::SmallRateWarningText(0.6, 3, "Monthly", us),
              "The interest rate you entered is the equivalent of 0.60000000% APR. This rate "
              "seems too small.\r\nThe Monthly interest rate should be the annual interest rate "
              "divided by 12.\r\n The Interest Rates topic in the help contains more information "
              "about interest rates. \r\n\r\nDo you want to change the interest rate before "
              "continuing?");
    EXPECT_EQ(ui::SmallRateWarningText(0, 1, "APR", us),
              "The interest rate you entered is the equivalent of 0.00000000% APR. This rate "
              "seems too small.\r\n The Interest Rates topic in the help contains more "
              "information about interest rates. \r\n\r\nDo you want to change the interest "
              "rate before continuing?");
    EXPECT_NE(ui::SmallRateWarningText(0.73, 4, "Daily", us).find("divided by 365.\r\n"),
              std::string::npos);
}

}  // namespace
