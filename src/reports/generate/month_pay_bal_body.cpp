// DoMonthPayBal: the debts in payoff order, five at a time; each group runs over every
// schedule month and starts on a new page. Without cumulative values a "Yr End Tot" and a
// "Cumulative" row follow each (calendar or fiscal) year and the last part year.

#include <algorithm>

#include "calc/calendar.h"
#include "calc/number_text.h"
#include "calc/rounding.h"
#include "reports/generate/frm_report.h"
#include "reports/generate/schedule_bodies.h"

namespace reports {
namespace {

constexpr std::size_t kNameLength = 17;

}  // namespace

void MonthPayBalBody::startSection() {
    group_ = 0;
    startGroup();
}

void MonthPayBalBody::startGroup() {
    nextMonth_ = 1;
    const calc::WorkingCalendar w = calc::SetUpDates(report_.plan());
    year_ = w.year;
    month_ = w.month;
    yearCounter_ = w.yearEndOffset;
    yearPay_ = {};
    cumPay_ = {};
    yearTotal_ = 0;
    cumTotal_ = 0;
}

int MonthPayBalBody::groupSize() const {
    const int n = report_.schedule()->numPositions;
    return std::clamp(n - kGroupSize * group_, 0, kGroupSize);
}

void MonthPayBalBody::printHeading(ReportEngine& e) {
    const calc::PayoffSchedule& s = *report_.schedule();
    const TfrmReport& r = report_;
    e.restoreFont(slot::kHeader);
    e.setShadeColor(r.settings().gridHeaderShadeColor);
    e.newLine();
    std::vector<std::string> first = {"Payment", "Total"};
    std::vector<std::string> second = {"Date", "Payment"};
    for (int g = 0; g < groupSize(); ++g) {
        const auto i = static_cast<std::size_t>(kGroupSize * group_ + g);
        first.push_back(calc::Utf8Left(s.PositionName[i], kNameLength));
        second.push_back("Payment");
        second.push_back("Balance");
    }
    e.restoreTabs(1);
    r.printRow(e, first);
    e.restoreTabs(2);
    r.printRow(e, second);
    e.restoreFont(slot::kBody);
    e.restoreTabs(3);
}

void MonthPayBalBody::printYearEnd(ReportEngine& e) {
    const TfrmReport& r = report_;
    e.restoreFont(slot::kTotals);
    e.restoreTabs(4);
    e.setShadeColor(r.settings().gridSubHeaderShadeColor);
    std::vector<std::string> yearRow = {"Yr End Tot", r.gridMoney(yearTotal_)};
    std::vector<std::string> cumRow = {"Cumulative", r.gridMoney(cumTotal_)};
    for (int g = 0; g < groupSize(); ++g) {
        const auto i = static_cast<std::size_t>(g);
        const bool paid = yearPay_[i] > 0;
        yearRow.push_back(paid ? r.gridMoney(yearPay_[i]) : "");
        yearRow.push_back("");
        cumRow.push_back(paid ? r.gridMoney(cumPay_[i]) : "");
        cumRow.push_back("");
    }
    r.printRow(e, yearRow);
    r.printRow(e, cumRow);
    e.restoreFont(slot::kBody);
    e.newLine();
    yearPay_ = {};
    yearTotal_ = 0;
    e.restoreTabs(3);
}

bool MonthPayBalBody::printPage(ReportEngine& e) {
    const calc::PayoffSchedule& s = *report_.schedule();
    const TfrmReport& r = report_;
    if (s.ScheduleMonths < 1 || s.numPositions < 1)
        return true;
    const double u = r.PrintWidth / 12;
    const double m = ReportFrame::kCellMargin;
    using namespace border;
    e.clearTabs();
    for (int i = 0; i < 2; ++i)
        e.setTab(std::nullopt, Justify::Center, u, m, r.lines(kLeft | kRight | kTop, kNone),
                 r.HeaderShade);
    for (int i = 0; i < kGroupSize; ++i)
        e.setTab(std::nullopt, Justify::Center, 2 * u, m, r.lines(kAll, kNone), r.HeaderShade);
    e.saveTabs(1);
    e.clearTabs();
    for (int i = 0; i < 12; ++i) {
        const int boxed = i < 2 ? (kLeft | kRight | kBottom) : kAll;
        e.setTab(std::nullopt, Justify::Center, u, m, r.lines(boxed, kBottom), r.HeaderShade);
    }
    e.saveTabs(2);
    e.clearTabs();
    for (int i = 0; i < 12; ++i)
        e.setTab(std::nullopt, Justify::Right, u, m, r.lines(kAll, kNone), 0);
    e.saveTabs(3);
    e.clearTabs();
    for (int i = 0; i < 12; ++i)
        e.setTab(std::nullopt, Justify::Right, u, m, r.lines(kAll, kNone), r.SubHeaderShade);
    e.saveTabs(4);

    printHeading(e);
    const int last = s.ScheduleMonths;
    for (; nextMonth_ <= last; ++nextMonth_) {
        const int month = nextMonth_;
        ++yearCounter_;
        const bool yearEnds = yearCounter_ % 12 == 0;
        const int needed = !r.CumValues && (yearEnds || month == last) ? 3 : 1;
        if (!r.RoomFor(e, needed)) {
            --yearCounter_;
            return false;
        }
        std::string label;
        int day = 1;
        calc::CalcMonthAndYear(label, year_, 0, true, true, "01", day, month_, r.plan(),
                               r.locale());
        const double monthTotal = s.MonthTotal(month);
        yearTotal_ += monthTotal;
        cumTotal_ += monthTotal;
        std::vector<std::string> row = {label, r.gridMoney(r.CumValues ? cumTotal_ : monthTotal)};
        for (int g = 0; g < groupSize(); ++g) {
            const auto i = static_cast<std::size_t>(g);
            const int position = kGroupSize * group_ + g + 1;
            const double pay = s.GetPay(position, month);
            yearPay_[i] = calc::RoundToCents(yearPay_[i] + pay);
            cumPay_[i] = calc::RoundToCents(cumPay_[i] + pay);
            if (pay == 0) {
                row.push_back("");
                row.push_back("");
                continue;
            }
            const double balance = s.GetBal(position, month);
            row.push_back(r.gridMoney(r.CumValues ? cumPay_[i] : pay));
            row.push_back(balance != 0 ? r.gridMoney(balance) : "Paid Off");
        }
        r.printRow(e, row);
        if (!r.CumValues && yearEnds)
            printYearEnd(e);
    }
    if (!r.CumValues && yearCounter_ % 12 != 0)
        printYearEnd(e);
    ++group_;
    if (kGroupSize * group_ < s.numPositions) {
        startGroup();
        return false;
    }
    return true;
}

}  // namespace reports
