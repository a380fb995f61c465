#include "platform/qt/qt_locale.h"

#include <gtest/gtest.h>

namespace {

TEST(QtLocaleTest, EnglishAndGermanMatchTheFixedInstances) {
    const auto us = platform::localeInfoFrom(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto fixedUs = platform::LocaleInfo::englishUS();
    EXPECT_EQ(us.decimalSeparator, fixedUs.decimalSeparator);
    EXPECT_EQ(us.thousandsSeparator, fixedUs.thousandsSeparator);
    EXPECT_EQ(us.currencySymbol, fixedUs.currencySymbol);
    EXPECT_EQ(us.currencyFormat, fixedUs.currencyFormat);
    EXPECT_EQ(us.shortMonthNames, fixedUs.shortMonthNames);
    EXPECT_EQ(us.longMonthNames, fixedUs.longMonthNames);
    EXPECT_EQ(us.negativeCurrencyFormat, fixedUs.negativeCurrencyFormat);

    const auto de = platform::localeInfoFrom(QLocale(QLocale::German, QLocale::Germany));
    const auto fixedDe = platform::LocaleInfo::germanDE();
    EXPECT_EQ(de.decimalSeparator, fixedDe.decimalSeparator);
    EXPECT_EQ(de.thousandsSeparator, fixedDe.thousandsSeparator);
    EXPECT_EQ(de.currencySymbol, fixedDe.currencySymbol);
    EXPECT_EQ(de.currencyFormat, fixedDe.currencyFormat);
    EXPECT_EQ(de.negativeCurrencyFormat, fixedDe.negativeCurrencyFormat);
    EXPECT_EQ(de.longMonthNames, fixedDe.longMonthNames);
}

}  // namespace
