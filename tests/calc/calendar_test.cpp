#include "calc/calendar.h"

#include <gtest/gtest.h>

#include <string>

#include "test_plans.h"

namespace {

using platform::LocaleInfo;

TEST(Calendar, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(calc::IsLeapYear(2012));
    EXPECT_TRUE(calc::IsLeapYear(2000));
    EXPECT_FALSE(calc::IsLeapYear(1900));
    EXPECT_FALSE(calc::IsLeapYear(2011));
    EXPECT_EQ(calc::DaysInMonth(2, 2012), 29);
    EXPECT_EQ(calc::DaysInMonth(2, 2100), 28);
    EXPECT_EQ(calc::DaysInMonth(4, 2011), 30);
    EXPECT_EQ(calc::DaysInMonth(12, 2011), 31);
}

struct PositionCase {
    int startMonth, startYear, k;
    int month, year, days;
};

class SchedulePositionTest : public testing::TestWithParam<PositionCase> {};

TEST_P(SchedulePositionTest, CalendarMonthOfScheduleMonth) {
    const PositionCase c = GetParam();
    const calc::CalendarMonth got = calc::CalendarOfScheduleMonth(c.startMonth, c.startYear, c.k);
    EXPECT_EQ(got.month, c.month);
    EXPECT_EQ(got.year, c.year);
    EXPECT_EQ(got.days, c.days);
}

INSTANTIATE_TEST_SUITE_P(
    Months, SchedulePositionTest,
    testing::Values(PositionCase{1, 2011, 1, 1, 2011, 31}, PositionCase{1, 2011, 12, 12, 2011, 31},
                    PositionCase{1, 2011, 13, 1, 2012, 31}, PositionCase{3, 2009, 10, 12, 2009, 31},
                    PositionCase{3, 2009, 11, 1, 2010, 31}, PositionCase{12, 2011, 3, 2, 2012, 29},
                    PositionCase{1, 2011, 360, 12, 2040, 31},
                    PositionCase{2, 2011, 1, 2, 2011, 28}));

TEST(SetUpDates, LoadsTheWorkingCalendar) {
    auto rec = calc_test::MakePlan();
    rec->StartMonth = 4;
    rec->StartYear = 2010;
    rec->ConDayDue = 5;
    rec->YearEnd = 1;
    calc::WorkingCalendar w = calc::SetUpDates(*rec);
    EXPECT_EQ(w.year, 2010);
    EXPECT_EQ(w.month, 4);
    EXPECT_EQ(w.dueDay, 5);
    EXPECT_EQ(w.dueDayText, "05");
    EXPECT_EQ(w.yearEndOffset, 3);
    rec->YearEnd = 2;
    rec->ConDayDue = 28;
    w = calc::SetUpDates(*rec);
    EXPECT_EQ(w.yearEndOffset, 0);
    EXPECT_EQ(w.dueDayText, "28");
}

struct AdjustCase {
    int year, month, before, day;
    int wantYear, wantMonth, wantDay;
};

class AdjustDayTest : public testing::TestWithParam<AdjustCase> {};

TEST_P(AdjustDayTest, MovesTheDateBack) {
    AdjustCase c = GetParam();
    calc::AdjustDay(c.year, c.month, c.before, c.day);
    EXPECT_EQ(c.year, c.wantYear);
    EXPECT_EQ(c.month, c.wantMonth);
    EXPECT_EQ(c.day, c.wantDay);
}

INSTANTIATE_TEST_SUITE_P(
    Shifts, AdjustDayTest,
    testing::Values(AdjustCase{2012, 3, 5, 3, 2012, 2, 27},  // leap February
                    AdjustCase{2011, 3, 5, 3, 2011, 2, 26}, AdjustCase{2011, 1, 7, 1, 2010, 12, 25},
                    AdjustCase{2011, 5, 7, 8, 2011, 5, 1}, AdjustCase{2011, 5, 7, 7, 2011, 4, 30},
                    AdjustCase{2011, 5, 0, 3, 2011, 5, 3}, AdjustCase{2011, 5, -2, 3, 2011, 5, 3},
                    AdjustCase{2011, 7, 14, 1, 2011, 6, 17}));

struct LabelCase {
    int dailyFormat;
    std::string english;
    std::string german;
};

class DailyLabelTest : public testing::TestWithParam<LabelCase> {};

// 9 March 2011 in each of the 22 full-date formats.
TEST_P(DailyLabelTest, FillsTheFormat) {
    const LabelCase c = GetParam();
    auto rec = calc_test::MakePlan();
    rec->DailyDateFormat = static_cast<std::uint16_t>(c.dailyFormat);
    for (const bool german : {false, true}) {
        std::string label;
        int year = 2011;
        int month = 3;
        int day = 9;
        calc::CalcMonthAndYear(label, year, 0, false, false, "09", day, month, *rec,
                               german ? LocaleInfo::germanDE() : LocaleInfo::englishUS());
        EXPECT_EQ(label, german ? c.german : c.english);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllFormats, DailyLabelTest,
    testing::Values(
        LabelCase{1, "03/09/11", "03/09/11"}, LabelCase{2, "03-09-11", "03-09-11"},
        LabelCase{3, "03.09.11", "03.09.11"}, LabelCase{4, "03/09/2011", "03/09/2011"},
        LabelCase{5, "03-09-2011", "03-09-2011"}, LabelCase{6, "03.09.2011", "03.09.2011"},
        LabelCase{7, "09/03/11", "09/03/11"}, LabelCase{8, "09-03-11", "09-03-11"},
        LabelCase{9, "09.03.11", "09.03.11"}, LabelCase{10, "09/03/2011", "09/03/2011"},
        LabelCase{11, "09-03-2011", "09-03-2011"}, LabelCase{12, "09.03.2011", "09.03.2011"},
        LabelCase{13, "11/03/09", "11/03/09"}, LabelCase{14, "11-03-09", "11-03-09"},
        LabelCase{15, "11.03.09", "11.03.09"}, LabelCase{16, "2011/03/09", "2011/03/09"},
        LabelCase{17, "2011-03-09", "2011-03-09"}, LabelCase{18, "2011.03.09", "2011.03.09"},
        LabelCase{19, "09 Mar 11", "09 M\xC3\xA4r 11"},
        LabelCase{20, "09 Mar 2011", "09 M\xC3\xA4r 2011"},
        LabelCase{21, "Mar 09 11", "M\xC3\xA4r 09 11"},
        LabelCase{22, "Mar 09 2011", "M\xC3\xA4r 09 2011"}));

struct MonthLabelCase {
    int monthlyFormat;
    std::string english;
};

class MonthLabelTest : public testing::TestWithParam<MonthLabelCase> {};

// December 2009 in each of the 20 month formats.
TEST_P(MonthLabelTest, FillsTheFormat) {
    const MonthLabelCase c = GetParam();
    auto rec = calc_test::MakePlan();
    rec->MonthlyDateFormat = static_cast<std::uint16_t>(c.monthlyFormat);
    std::string label;
    int year = 2009;
    int month = 12;
    int day = 15;
    calc::CalcMonthAndYear(label, year, 0, true, false, "15", day, month, *rec,
                           LocaleInfo::englishUS());
    EXPECT_EQ(label, c.english);
}

INSTANTIATE_TEST_SUITE_P(
    AllFormats, MonthLabelTest,
    testing::Values(
        MonthLabelCase{1, "12 09"}, MonthLabelCase{2, "12/09"}, MonthLabelCase{3, "12-09"},
        MonthLabelCase{4, "12.09"}, MonthLabelCase{5, "12 2009"}, MonthLabelCase{6, "12/2009"},
        MonthLabelCase{7, "12-2009"}, MonthLabelCase{8, "12.2009"}, MonthLabelCase{9, "09 12"},
        MonthLabelCase{10, "09/12"}, MonthLabelCase{11, "09-12"}, MonthLabelCase{12, "09.12"},
        MonthLabelCase{13, "2009 12"}, MonthLabelCase{14, "2009/12"}, MonthLabelCase{15, "2009-12"},
        MonthLabelCase{16, "2009.12"}, MonthLabelCase{17, "Dec 09"}, MonthLabelCase{18, "Dec 2009"},
        MonthLabelCase{19, "09 Dec"}, MonthLabelCase{20, "2009 Dec"}));

TEST(CalcMonthAndYear, GermanMonthNames) {
    auto rec = calc_test::MakePlan();
    rec->MonthlyDateFormat = 18;  // "MMM YYYY"
    std::string label;
    int year = 2011;
    int month = 10;
    int day = 1;
    calc::CalcMonthAndYear(label, year, 0, true, false, "01", day, month, *rec,
                           LocaleInfo::germanDE());
    EXPECT_EQ(label, "Okt 2011");
}

TEST(CalcMonthAndYear, DueDayBeyondTheMonthShowsItsLastDay) {
    auto rec = calc_test::MakePlan();
    rec->DailyDateFormat = 4;  // "MM/DD/YYYY"
    std::string label;
    int year = 2011;
    int month = 2;
    int day = 30;
    calc::CalcMonthAndYear(label, year, 0, false, false, "30", day, month, *rec,
                           LocaleInfo::englishUS());
    EXPECT_EQ(label, "02/28/2011");
    EXPECT_EQ(day, 30);  // only the label is capped

    year = 2012;
    calc::CalcMonthAndYear(label, year, 0, false, false, "31", day = 31, month = 2, *rec,
                           LocaleInfo::englishUS());
    EXPECT_EQ(label, "02/29/2012");
    calc::CalcMonthAndYear(label, year, 0, false, false, "31", day = 31, month = 4, *rec,
                           LocaleInfo::englishUS());
    EXPECT_EQ(label, "04/30/2012");
}

TEST(CalcMonthAndYear, DaysBeforeShiftsTheLabelOnlyAndAdvanceMovesOn) {
    auto rec = calc_test::MakePlan();
    rec->DailyDateFormat = 17;  // "YYYY-MM-DD"
    std::string label;
    int year = 2012;
    int month = 12;
    int day = 3;
    calc::CalcMonthAndYear(label, year, 5, false, true, "03", day, month, *rec,
                           LocaleInfo::englishUS());
    EXPECT_EQ(label, "2012-11-28");
    // The shift is undone; the advance carries into the next year.
    EXPECT_EQ(day, 3);
    EXPECT_EQ(month, 1);
    EXPECT_EQ(year, 2013);

    // Across a year boundary and into a leap February.
    month = 3;
    year = 2012;
    calc::CalcMonthAndYear(label, year, 5, false, false, "03", day, month, *rec,
                           LocaleInfo::englishUS());
    EXPECT_EQ(label, "2012-02-27");
    month = 1;
    calc::CalcMonthAndYear(label, year, 7, true, false, "03", day = 3, month, *rec,
                           LocaleInfo::englishUS());
    EXPECT_EQ(label, "12 2011");  // the month label of the shifted date
    EXPECT_EQ(month, 1);
    EXPECT_EQ(year, 2012);
}

TEST(CalcMonthAndYear, ConsolidationVariantAlwaysAdvances) {
    auto rec = calc_test::MakePlan();
    rec->DailyDateFormat = 10;  // "DD/MM/YYYY"
    std::string label;
    int year = 2011;
    int month = 12;
    int day = 31;
    calc::CalcMonthAndYear(label, year, "31", day, month, *rec, LocaleInfo::englishUS());
    EXPECT_EQ(label, "31/12/2011");
    EXPECT_EQ(month, 1);
    EXPECT_EQ(year, 2012);
    calc::CalcMonthAndYear(label, year, "31", day, month, *rec, LocaleInfo::englishUS());
    EXPECT_EQ(label, "31/01/2012");
    calc::CalcMonthAndYear(label, year, "31", day, month, *rec, LocaleInfo::englishUS());
    EXPECT_EQ(label, "29/02/2012");
}

TEST(CalcMonthAndYear, FormatOutsideItsTableFallsBackToTheDefault) {
    auto rec = calc_test::MakePlan();
    rec->DailyDateFormat = 0;
    rec->MonthlyDateFormat = 99;
    std::string label;
    int year = 2011;
    int month = 7;
    int day = 4;
    calc::CalcMonthAndYear(label, year, 0, false, false, "04", day, month, *rec,
                           LocaleInfo::englishUS());
    EXPECT_EQ(label, "07/04/11");
    calc::CalcMonthAndYear(label, year, 0, true, false, "04", day, month, *rec,
                           LocaleInfo::englishUS());
    EXPECT_EQ(label, "07 2011");
}

}  // namespace
