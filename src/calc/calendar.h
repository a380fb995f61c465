#pragma once

// Calendar of the schedules: month lengths, the calendar month of a schedule month, the
// report generators' working calendar, the payment-day shift and the date labels.

#include <array>
#include <string>
#include <string_view>

#include "plan/client_rec.h"
#include "platform/locale_info.h"

namespace calc {

// A year divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);

// Days of a calendar month (1..12): 31, 28 (29 in a leap year), 31, 30, ...
int DaysInMonth(int month, int year);

// The calendar month of schedule month k (k = 1 is the plan's start month).
struct CalendarMonth {
    int month = 1;  // 1..12
    int year = 0;
    int days = 31;
};
CalendarMonth CalendarOfScheduleMonth(int startMonth, int startYear, int k);

// Days of the calendar month in which schedule month k falls; what "Daily" interest uses.
inline int DaysOfScheduleMonth(int startMonth, int startYear, int k) {
    return CalendarOfScheduleMonth(startMonth, startYear, k).days;
}

// The working calendar each report generator keeps (loaded by SetUpDates).
struct WorkingCalendar {
    int year = 0;
    int month = 1;
    int dueDay = 1;
    std::string dueDayText;  // two digits: "05"
    int yearEndOffset = 0;   // StartMonth - 1 for calendar years, 0 for fiscal years
};

// TfrmReport.SetUpDates and TfrmReport2.SetUpDates (identical).
WorkingCalendar SetUpDates(const plan::TClientRec& plan);

// TfrmReport.AdjustDay: moves the date back by daysBefore days, in place; nothing happens
// when daysBefore is 0 or less.
void AdjustDay(int& year, int& month, int daysBefore, int& day);

// A number as two digits ("05"); numbers above 99 are written whole.
std::string TwoDigits(int value);

// The 22 full-date formats (DailyDateFormat 1..22) and 20 month formats
// (MonthlyDateFormat 1..20).
extern const std::array<std::string_view, 22> kDailyDateFormats;
extern const std::array<std::string_view, 20> kMonthlyDateFormats;
extern const std::array<std::string_view, 2> kYearEndNames;

// Fills a date format ("MM/DD/YY", "MMM YYYY", ...) with the parts of one date. A format
// number outside its table uses the first entry (daily) or "MM YYYY" (monthly).
std::string FillDateFormat(std::string_view format, std::string_view dayText, int month, int year,
                           const platform::LocaleInfo& locale);

// TfrmReport.CalcMonthAndYear: builds the label of one schedule row from the working values.
// With daysBefore above 0 the date is shifted back for the label only; with advance the
// working month moves on by one afterwards.
void CalcMonthAndYear(std::string& label, int& year, int daysBefore, bool monthOnly, bool advance,
                      std::string dayText, int& day, int& month, const plan::TClientRec& plan,
                      const platform::LocaleInfo& locale);

// TfrmReport2.CalcMonthAndYear: the consolidated loan's variant (full date, no shift,
// always advancing).
void CalcMonthAndYear(std::string& label, int& year, const std::string& dayText, int& day,
                      int& month, const plan::TClientRec& plan, const platform::LocaleInfo& locale);

}  // namespace calc
