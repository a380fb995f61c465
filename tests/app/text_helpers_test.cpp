// Version comparison, environment references, number texts and button rows.

#include <gtest/gtest.h>

#include <map>

#include "app/button_row.h"
#include "app/environment_text.h"
#include "app/number_text.h"
#include "app/versions.h"

namespace {

using platform::LocaleInfo;

TEST(CompareVersionsTest, ComponentsCompareAsText) {
    struct Case {
        const char* a;
        const char* b;
        int result;
    };
    const Case cases[] = {
        {"4.10", "4.9", 1}, {"4.0", "4.0.1", 1}, {"", "4.0", 0},        {"4.0", "", 0},
        {"4.0", "4.0", 2},  {"4.0.1", "4.0", 3}, {"5", "4.9.9", 3},     {"4..1", "4.0.1", 1},
        {"4.1", "4.1.", 2}, {"10", "9", 1},      {"4.0.0", "4.0.0", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(app::CompareVersions(c.a, c.b), c.result) << c.a << " vs " << c.b;
    }
}

TEST(ExpandEnvironmentTextTest, ReferencesAreReplacedAndOthersKept) {
    const std::map<std::string, std::string> env = {
        {"TEMP", "/tmp"},    {"NESTED", "%TEMP%/x"}, {"EMPTY", ""},
        {"SELF", "a%SELF%"}, {"PCT", "50%"},
    };
    const app::EnvironmentLookup lookup =
        [&](const std::string& name) -> std::optional<std::string> {
        const auto it = env.find(name);
        if (it == env.end())
            return std::nullopt;
        return it->second;
    };
    const std::pair<const char*, const char*> cases[] = {
        {"100%", "100%"},
        {"%TEMP%\\Haldrun", "/tmp\\Haldrun"},
        {"%NESTED%", "/tmp/x"},
        {"%UNDEFINED%", "%UNDEFINED%"},
        {"%EMPTY%x", "%EMPTY%x"},
        {"%UNDEFINED%TEMP%", "%UNDEFINED/tmp"},
        {"a%%b", "a%%b"},
        {"%PCT%%TEMP%", "50%/tmp"},  // "50%" + "%TEMP%": the empty name between is kept
        {"no references", "no references"},
        {"%SELF%", "%SELF%"},  // would never end: returned unchanged
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(app::ExpandEnvironmentText(in, lookup), out) << in;
    }
}

TEST(NumberTextTest, FormatCountGroupsTheWholePartWithCommas) {
    EXPECT_EQ(app::FormatCount(1234567.891, 0, 2), "1,234,567.89");
    EXPECT_EQ(app::FormatCount(-123456, 0, 0), "-123,456");
    EXPECT_EQ(app::FormatCount(-123, 8, 1), "  -123.0");
    EXPECT_EQ(app::FormatCount(999.999, 0, 2), "1,000.00");
    EXPECT_EQ(app::FormatCount(12, 1, 0), "12");
    EXPECT_EQ(app::FormatFixed(1234.5, 9, 2), "  1234.50");
    EXPECT_EQ(app::FormatFixed(-0.5, 0, 0), "-0");
}

TEST(NumberTextTest, ParseLocaleFloatAcceptsBothSeparators) {
    const LocaleInfo us = LocaleInfo::englishUS();
    const LocaleInfo de = LocaleInfo::germanDE();
    EXPECT_DOUBLE_EQ(app::ParseLocaleFloat("0,75", us), 0.75);
    EXPECT_DOUBLE_EQ(app::ParseLocaleFloat("0.75", de), 0.75);
    EXPECT_DOUBLE_EQ(app::ParseLocaleFloat(" -1.5E2 ", us), -150);
    EXPECT_THROW(app::ParseLocaleFloat("1,234.5", us), app::ConversionError);  // two points
    EXPECT_THROW(app::StrToFloat("0.5", de), app::ConversionError);
    EXPECT_THROW(app::StrToFloat("", us), app::ConversionError);
    EXPECT_THROW(app::StrToFloat(".", us), app::ConversionError);
    EXPECT_THROW(app::StrToFloat("1e", us), app::ConversionError);
    try {
        app::StrToFloat("abc", us);
        FAIL();
    } catch (const app::ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
}

TEST(NumberTextTest, FloatToStrUsesTheGeneralFormatAndRoundTrips) {
    const LocaleInfo us = LocaleInfo::englishUS();
    const LocaleInfo de = LocaleInfo::germanDE();
    const std::pair<double, const char*> cases[] = {
        {0, "0"},
        {0.5, "0.5"},
        {1234.56, "1234.56"},
        {-0.2, "-0.2"},
        {100, "100"},
        {0.1 + 0.2, "0.3"},
        {1e20, "1E20"},
        {1.5e-7, "1.5E-7"},
        {0.00001, "0.00001"},
        {123456789012345.0, "123456789012345"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(app::FloatToStr(value, us), text);
        EXPECT_DOUBLE_EQ(app::StrToFloat(app::FloatToStr(value, de), de),
                         app::StrToFloat(text, us));
    }
    EXPECT_EQ(app::FloatToStr(1234.56, de), "1234,56");
}

TEST(NumberTextTest, StripMoneyTextAndParentheses) {
    EXPECT_EQ(app::StripMoneyText("$1,234.50", LocaleInfo::englishUS()), "1234.50");
    EXPECT_EQ(app::StripMoneyText("1.234,50 \xE2\x82\xAC", LocaleInfo::germanDE()), "1234,50 ");
    EXPECT_EQ(app::StripParentheses("($12.00)"), "$12.00");
}

TEST(PlaceButtonTest, LeftModeRowOfThree) {
    app::ButtonRowState row;
    row.mode = app::ButtonAlignment::Left;
    EXPECT_EQ(app::PlaceButton(row, app::kFirstFromLeft, 75, 300, 400, 3, 1.0), 11);
    EXPECT_EQ(app::PlaceButton(row, app::kFollowing, 75, 300, 400, 3, 1.0), 94);
    EXPECT_EQ(app::PlaceButton(row, app::kFollowing, 75, 300, 400, 3, 1.0), 177);
}

TEST(PlaceButtonTest, RightModeRunsRightToLeft) {
    app::ButtonRowState row;  // right is the initial mode
    EXPECT_EQ(app::PlaceButton(row, app::kFirstFromRight, 75, 0, 400, 2, 1.0), 314);
    EXPECT_EQ(app::PlaceButton(row, app::kFollowing, 75, 0, 400, 2, 1.0), 231);
    // With a scale the margins grow and results are truncated.
    app::ButtonRowState scaled;
    EXPECT_EQ(app::PlaceButton(scaled, app::kFirstFromRight, 75, 0, 400, 2, 1.25), 311);
    EXPECT_EQ(app::PlaceButton(scaled, app::kFollowing, 75, 0, 400, 2, 1.25), 226);
}

TEST(PlaceButtonTest, CentreModeCountsElevenBetweenButtonsButPlacesThemEightApart) {
    app::ButtonRowState row;
    row.mode = app::ButtonAlignment::Centre;
    // 400/2 - (2*11 + 3*75)/2 = 200 - 123.5 = 76.5
    EXPECT_EQ(app::PlaceButton(row, app::kFirstFromLeft, 75, 0, 400, 3, 1.0), 76);
    EXPECT_EQ(app::PlaceButton(row, app::kFollowing, 75, 0, 400, 3, 1.0), 159);
}

TEST(PlaceButtonTest, AFollowingButtonStaysWhileNoneWasPlaced) {
    for (auto mode :
         {app::ButtonAlignment::Left, app::ButtonAlignment::Centre, app::ButtonAlignment::Right}) {
        app::ButtonRowState row;
        row.mode = mode;
        EXPECT_EQ(app::PlaceButton(row, app::kFollowing, 75, 42, 400, 3, 1.0), 42);
    }
}

}  // namespace
