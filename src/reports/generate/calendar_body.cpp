// DoCalendar: one calendar month per page. Each payment is written into the box of its
// date, the debt's pay day moved back by "Days Before"; a payment moved into the previous
// calendar month appears on that month's page, with its own schedule month's amount. The
// pages run from the month of the first entry to the month of the last.

#include <algorithm>
#include <chrono>

#include "calc/calendar.h"
#include "reports/generate/frm_report.h"
#include "reports/generate/schedule_bodies.h"

namespace reports {
namespace {

constexpr double kGridGap = 0.03;   // below the day heading
constexpr double kDayInset = 0.03;  // day numbers from the box's left border
constexpr double kBottomGap = 0.2;  // above the footer

int monthIndex(int year, int month) {
    return year * 12 + (month - 1);
}

}  // namespace

int weekdayOf(int year, int month, int day) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                        std::chrono::day{static_cast<unsigned>(day)}};
    return static_cast<int>(weekday{date}.c_encoding());
}

int calendarWeekRows(int firstWeekday, int daysInMonth) {
    const int cells = firstWeekday + daysInMonth;
    return cells < 29 ? 4 : cells < 36 ? 5 : 6;
}

std::vector<CalendarBody::Entry> CalendarBody::collectEntries(const TfrmReport& report,
                                                              const calc::PayoffSchedule& s) {
    const plan::TClientRec& plan = report.plan();
    std::vector<Entry> entries;
    for (int k = 1; k <= s.ScheduleMonths; ++k) {
        const calc::CalendarMonth cm =
            calc::CalendarOfScheduleMonth(plan.StartMonth, plan.StartYear, k);
        for (int i = 0; i < s.numPositions; ++i) {
            const int debt = s.PayDayOrder[static_cast<std::size_t>(i)];
            const int position = s.PositionOfDebt[static_cast<std::size_t>(debt - 1)];
            const double pay = s.GetPay(position, k);
            if (pay == 0)
                continue;
            Entry entry;
            entry.year = cm.year;
            entry.month = cm.month;
            entry.day = plan.Debts[debt - 1].PayDay;
            calc::AdjustDay(entry.year, entry.month, plan.DaysBefore, entry.day);
            // A pay day beyond the month's end falls on its last day, as in the daily lists.
            entry.day = std::clamp(entry.day, 1, calc::DaysInMonth(entry.month, entry.year));
            entry.text = report.gridMoney(pay) + " " + plan.Debts[debt - 1].Name.text();
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

void CalendarBody::startSection() {
    entries_ = collectEntries(report_, *report_.schedule());
    const plan::TClientRec& plan = report_.plan();
    year_ = plan.StartYear;
    month_ = plan.StartMonth;
    lastYear_ = year_;
    lastMonth_ = month_;
    if (entries_.empty())
        return;
    const auto byMonth = [](const Entry& a, const Entry& b) {
        return monthIndex(a.year, a.month) < monthIndex(b.year, b.month);
    };
    const auto [first, last] = std::minmax_element(entries_.begin(), entries_.end(), byMonth);
    year_ = first->year;
    month_ = first->month;
    lastYear_ = last->year;
    lastMonth_ = last->month;
}

bool CalendarBody::printPage(ReportEngine& e) {
    const TfrmReport& r = report_;
    if (entries_.empty())
        return true;
    const double middle = e.pageWidth() / 2;
    const double w = r.PrintWidth / 7;
    const double left = e.leftMargin();

    e.restoreFont(slot::kCustomHeader);
    e.newLine();
    e.printCenter(r.locale().longMonthNames[static_cast<std::size_t>(month_ - 1)] + " " +
                      std::to_string(year_),
                  middle);
    e.newLine();
    e.restoreFont(slot::kSpacer);
    e.newLine();
    e.newLine();

    e.restoreFont(slot::kHeader);
    e.setShadeColor(r.settings().gridHeaderShadeColor);
    e.clearTabs();
    for (int i = 0; i < 7; ++i) {
        e.setTab(std::nullopt, Justify::Center, w, ReportFrame::kCellMargin,
                 r.lines(border::kAll, border::kNone), r.HeaderShade);
    }
    r.printRow(e, std::vector<std::string>(r.inputs().longDayNames.begin(),
                                           r.inputs().longDayNames.end()));

    const int days = calc::DaysInMonth(month_, year_);
    const int offset = weekdayOf(year_, month_, 1);
    const int rows = calendarWeekRows(offset, days);
    const double gridTop = e.yPos() + kGridGap;
    const double rowHeight =
        (e.pageHeight() - gridTop - e.bottomMargin() - r.BottomSpace - kBottomGap) / rows;
    const double gridBottom = gridTop + rows * rowHeight;
    for (int c = 0; c <= 7; ++c)
        e.line(left + c * w, gridTop, left + c * w, gridBottom);
    for (int row = 0; row <= rows; ++row)
        e.line(left, gridTop + row * rowHeight, left + 7 * w, gridTop + row * rowHeight);

    e.restoreFont(slot::kBody);
    const double dayLine = e.lineHeight();
    std::vector<double> entryBaseline(static_cast<std::size_t>(days + 1), 0.0);
    for (int d = 1; d <= days; ++d) {
        const int cell = offset + d - 1;
        const double top = gridTop + (cell / 7) * rowHeight;
        const double baseline = top + dayLine;
        e.textAt(left + (cell % 7) * w + kDayInset, baseline, std::to_string(d));
        entryBaseline[static_cast<std::size_t>(d)] = baseline;
    }

    e.restoreFont(slot::kTotals);
    const double entryLine = e.lineHeight();
    for (const Entry& entry : entries_) {
        if (entry.year != year_ || entry.month != month_)
            continue;
        const int cell = offset + entry.day - 1;
        const double boxBottom = gridTop + (cell / 7 + 1) * rowHeight;
        double& baseline = entryBaseline[static_cast<std::size_t>(entry.day)];
        // Entries that would run out of their box are left out rather than drawn over the
        // next week.
        if (baseline + entryLine > boxBottom)
            continue;
        baseline += entryLine;
        e.textAt(left + (cell % 7) * w + kDayInset, baseline,
                 r.FitText(e, entry.text, w - 2 * kDayInset));
    }

    if (monthIndex(year_, month_) >= monthIndex(lastYear_, lastMonth_))
        return true;
    if (++month_ > 12) {
        month_ = 1;
        ++year_;
    }
    return false;
}

}  // namespace reports
