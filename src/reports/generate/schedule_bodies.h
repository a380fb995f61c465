#pragma once

// The bodies of the payment schedules and the calendar of TfrmReport: each prints the
// run's PayoffSchedule page by page and keeps where it stopped.

#include <array>
#include <string>
#include <vector>

#include "reports/generate/section_body.h"

namespace calc {
struct PayoffSchedule;
}

namespace reports {

class TfrmReport;

// DoMonthPayOnly: blocks of six schedule months, one row per debt.
class MonthPayOnlyBody final : public SectionBody {
  public:
    explicit MonthPayOnlyBody(TfrmReport& report) : report_(report) {}
    void startSection() override;
    bool printPage(ReportEngine& engine) override;

  private:
    TfrmReport& report_;
    int nextMonth_ = 1;  // first month of the next block
    int year_ = 0;
    int month_ = 1;
};

// DoMonthPayBal: one row per month for up to five debts; each group of five over all
// months, starting on a new page; yearly totals unless the values are cumulative.
class MonthPayBalBody final : public SectionBody {
  public:
    static constexpr int kGroupSize = 5;

    explicit MonthPayBalBody(TfrmReport& report) : report_(report) {}
    void startSection() override;
    bool printPage(ReportEngine& engine) override;

  private:
    void startGroup();
    int groupSize() const;
    void printHeading(ReportEngine& engine);
    void printYearEnd(ReportEngine& engine);

    TfrmReport& report_;
    int group_ = 0;  // 0-based: positions 5 * group_ + 1 ..
    int nextMonth_ = 1;
    int yearCounter_ = 0;
    int year_ = 0;
    int month_ = 1;
    std::array<double, kGroupSize> yearPay_{};
    std::array<double, kGroupSize> cumPay_{};
    double yearTotal_ = 0;
    double cumTotal_ = 0;
};

// DoDailyPayOnly and DoDailyPayBal: one line per payment in payment-day order, two
// columns per page.
class DailyPayBody final : public SectionBody {
  public:
    DailyPayBody(TfrmReport& report, bool withBalance)
        : report_(report), withBalance_(withBalance) {}
    void startSection() override;
    bool printPage(ReportEngine& engine) override;

  private:
    void setUpTabs(ReportEngine& engine) const;
    void printHeading(ReportEngine& engine, bool right) const;

    TfrmReport& report_;
    bool withBalance_;
    int nextMonth_ = 1;
    int nextPos_ = 0;  // index into PayDayOrder
    int year_ = 0;
    int month_ = 1;
};

// DoCalendar: one calendar month per page, each payment in the box of its (moved) date.
// Every entry is paired with its own schedule month, also when the days-before shift
// moves some payments into the previous calendar month.
class CalendarBody final : public SectionBody {
  public:
    struct Entry {
        int year = 0;
        int month = 1;
        int day = 1;
        std::string text;  // "amount name"
    };

    explicit CalendarBody(TfrmReport& report) : report_(report) {}
    void startSection() override;
    bool printPage(ReportEngine& engine) override;

    // The entries of a schedule, in schedule-month and payment-day order (for checks).
    static std::vector<Entry> collectEntries(const TfrmReport& report,
                                             const calc::PayoffSchedule& schedule);

  private:
    TfrmReport& report_;
    std::vector<Entry> entries_;
    int year_ = 0;  // the month shown on the next page
    int month_ = 1;
    int lastYear_ = 0;
    int lastMonth_ = 1;
};

// Week rows of a calendar month: 4, 5 or 6 by the first day's weekday (Sunday 0).
int calendarWeekRows(int firstWeekday, int daysInMonth);
// Weekday of a date, Sunday 0.
int weekdayOf(int year, int month, int day);

}  // namespace reports
