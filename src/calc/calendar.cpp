#include "calc/calendar.h"

namespace calc {

namespace {

constexpr std::array<int, 12> kDaysInMonthTable = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int FloorDiv(int a, int b) {
    int q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

bool IsSeparator(char c) {
    return c == ' ' || c == '/' || c == '-' || c == '.';
}

}  // namespace

const std::array<std::string_view, 22> kDailyDateFormats = {
    "MM/DD/YY",  "MM-DD-YY",    "MM.DD.YY",  "MM/DD/YYYY", "MM-DD-YYYY", "MM.DD.YYYY",
    "DD/MM/YY",  "DD-MM-YY",    "DD.MM.YY",  "DD/MM/YYYY", "DD-MM-YYYY", "DD.MM.YYYY",
    "YY/MM/DD",  "YY-MM-DD",    "YY.MM.DD",  "YYYY/MM/DD", "YYYY-MM-DD", "YYYY.MM.DD",
    "DD MMM YY", "DD MMM YYYY", "MMM DD YY", "MMM DD YYYY"};

const std::array<std::string_view, 20> kMonthlyDateFormats = {
    "MM YY",   "MM/YY",   "MM-YY",  "MM.YY",    "MM YYYY", "MM/YYYY", "MM-YYYY",
    "MM.YYYY", "YY MM",   "YY/MM",  "YY-MM",    "YY.MM",   "YYYY MM", "YYYY/MM",
    "YYYY-MM", "YYYY.MM", "MMM YY", "MMM YYYY", "YY MMM",  "YYYY MMM"};

const std::array<std::string_view, 2> kYearEndNames = {"Calendar", "Fiscal"};

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
    if (month < 1 || month > 12) {
        return 31;
    }
    if (month == 2 && IsLeapYear(year)) {
        return 29;
    }
    return kDaysInMonthTable[static_cast<std::size_t>(month - 1)];
}

CalendarMonth CalendarOfScheduleMonth(int startMonth, int startYear, int k) {
    const int t = startMonth - 1 + k - 1;
    CalendarMonth c;
    c.month = t - FloorDiv(t, 12) * 12 + 1;
    c.year = startYear + FloorDiv(t, 12);
    c.days = DaysInMonth(c.month, c.year);
    return c;
}

std::string TwoDigits(int value) {
    std::string s = std::to_string(value);
    if (s.size() == 1) {
        s.insert(s.begin(), '0');
    }
    return s;
}

WorkingCalendar SetUpDates(const plan::TClientRec& plan) {
    WorkingCalendar w;
    w.year = plan.StartYear;
    w.month = plan.StartMonth;
    w.dueDay = plan.ConDayDue;
    w.dueDayText = TwoDigits(w.dueDay);
    w.yearEndOffset = plan.YearEnd == 1 ? w.month - 1 : 0;
    return w;
}

void AdjustDay(int& year, int& month, int daysBefore, int& day) {
    if (daysBefore <= 0) {
        return;
    }
    if (day - daysBefore >= 1) {
        day -= daysBefore;
        return;
    }
    month -= 1;
    if (month < 1) {
        month = 12;
        year -= 1;
    }
    const int length =
        month >= 1 && month <= 12 ? kDaysInMonthTable[static_cast<std::size_t>(month - 1)] : 31;
    day = length + day - daysBefore;
    if (month == 2 && IsLeapYear(year)) {
        day += 1;
    }
}

std::string FillDateFormat(std::string_view format, std::string_view dayText, int month, int year,
                           const platform::LocaleInfo& locale) {
    std::string out;
    std::size_t i = 0;
    while (i < format.size()) {
        if (IsSeparator(format[i])) {
            out += format[i];
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < format.size() && !IsSeparator(format[j])) {
            ++j;
        }
        const std::string_view token = format.substr(i, j - i);
        if (token == "MMM") {
            const std::string& name =
                locale.shortMonthNames[static_cast<std::size_t>((month - 1 + 12) % 12)];
            out += name;
        } else if (token == "MM") {
            out += TwoDigits(month);
        } else if (token == "YYYY") {
            out += std::to_string(year);
        } else if (token == "YY") {
            out += TwoDigits(((year % 100) + 100) % 100);
        } else if (token == "DD") {
            out += dayText;
        } else {
            out += token;
        }
        i = j;
    }
    return out;
}

void CalcMonthAndYear(std::string& label, int& year, int daysBefore, bool monthOnly, bool advance,
                      std::string dayText, int& day, int& month, const plan::TClientRec& plan,
                      const platform::LocaleInfo& locale) {
    // Step 1: shift the date back for the label only.
    const int savedYear = year;
    const int savedMonth = month;
    const int savedDay = day;
    if (daysBefore > 0) {
        AdjustDay(year, month, daysBefore, day);
        dayText = TwoDigits(day);
    }
    if (monthOnly) {
        // Step 3.
        const int f = plan.MonthlyDateFormat;
        const std::string_view format = f >= 1 && f <= 20
                                            ? kMonthlyDateFormats[static_cast<std::size_t>(f - 1)]
                                            : kMonthlyDateFormats[4];
        label = FillDateFormat(format, dayText, month, year, locale);
    } else {
        // Step 4: a due day beyond the month's end shows the month's last day.
        const int length = DaysInMonth(month, year);
        const std::string shownDay = day > length ? TwoDigits(length) : dayText;
        const int f = plan.DailyDateFormat;
        const std::string_view format = f >= 1 && f <= 22
                                            ? kDailyDateFormats[static_cast<std::size_t>(f - 1)]
                                            : kDailyDateFormats[0];
        label = FillDateFormat(format, shownDay, month, year, locale);
    }
    // Step 5: the shift never carries into the next row.
    if (daysBefore > 0) {
        year = savedYear;
        month = savedMonth;
        day = savedDay;
    }
    // Step 6.
    if (advance) {
        month += 1;
        if (month > 12) {
            month = 1;
            year += 1;
        }
    }
}

void CalcMonthAndYear(std::string& label, int& year, const std::string& dayText, int& day,
                      int& month, const plan::TClientRec& plan,
                      const platform::LocaleInfo& locale) {
    CalcMonthAndYear(label, year, 0, false, true, dayText, day, month, plan, locale);
}

}  // namespace calc
