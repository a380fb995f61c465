// DoDailyPayOnly and DoDailyPayBal: every payment of every month on its own line, dated
// by the debt's pay day moved back by "Days Before", in payment-day order; the page is
// filled in two columns, left then right.

#include "calc/calendar.h"
#include "reports/generate/frm_report.h"
#include "reports/generate/schedule_bodies.h"

namespace reports {
namespace {

struct DailyLayout {
    double units;
    std::vector<double> cells;  // in units
    double rightStart;          // in units
    std::vector<std::string> headings;
};

const DailyLayout& layoutFor(bool withBalance) {
    static const DailyLayout payOnly{15, {2, 3, 2}, 8, {"Payment Day", "Debt Name", "Payment"}};
    static const DailyLayout payBal{
        19, {2.25, 3, 2, 2}, 9.75, {"Payment Day", "Debt Name", "Payment", "Balance"}};
    return withBalance ? payBal : payOnly;
}

}  // namespace

void DailyPayBody::startSection() {
    nextMonth_ = 1;
    nextPos_ = 0;
    const calc::WorkingCalendar w = calc::SetUpDates(report_.plan());
    year_ = w.year;
    month_ = w.month;
}

void DailyPayBody::setUpTabs(ReportEngine& e) const {
    const TfrmReport& r = report_;
    const DailyLayout& layout = layoutFor(withBalance_);
    const double u = r.PrintWidth / layout.units;
    const double m = ReportFrame::kCellMargin;
    const double rightLeft = e.leftMargin() + layout.rightStart * u;
    for (int column = 0; column < 2; ++column) {
        const std::optional<double> start =
            column == 0 ? std::optional<double>() : std::optional<double>(rightLeft);
        e.clearTabs();
        for (std::size_t i = 0; i < layout.cells.size(); ++i) {
            e.setTab(i == 0 ? start : std::nullopt, Justify::Center, layout.cells[i] * u, m,
                     r.lines(border::kAll, border::kBottom), r.HeaderShade);
        }
        e.saveTabs(column == 0 ? 1 : 3);
        e.clearTabs();
        for (std::size_t i = 0; i < layout.cells.size(); ++i) {
            const Justify justify = i < 2 ? Justify::Left : Justify::Right;
            e.setTab(i == 0 ? start : std::nullopt, justify, layout.cells[i] * u, m,
                     r.lines(border::kAll, border::kNone), 0);
        }
        e.saveTabs(column == 0 ? 2 : 4);
    }
}

void DailyPayBody::printHeading(ReportEngine& e, bool right) const {
    e.restoreFont(slot::kHeader);
    e.setShadeColor(report_.settings().gridHeaderShadeColor);
    e.newLine();
    e.restoreTabs(right ? 3 : 1);
    report_.printRow(e, layoutFor(withBalance_).headings);
    e.restoreFont(slot::kBody);
    e.restoreTabs(right ? 4 : 2);
}

bool DailyPayBody::printPage(ReportEngine& e) {
    const calc::PayoffSchedule& s = *report_.schedule();
    const TfrmReport& r = report_;
    const plan::TClientRec& plan = r.plan();
    setUpTabs(e);
    const double columnTop = e.yPos();
    bool right = false;
    printHeading(e, right);
    const int daysBefore = plan.DaysBefore;
    for (; nextMonth_ <= s.ScheduleMonths; ++nextMonth_) {
        for (; nextPos_ < s.numPositions; ++nextPos_) {
            const int debt = s.PayDayOrder[static_cast<std::size_t>(nextPos_)];
            const int position = s.PositionOfDebt[static_cast<std::size_t>(debt - 1)];
            const double pay = s.GetPay(position, nextMonth_);
            // A debt without a payment this month prints nothing and needs no room.
            if (pay == 0)
                continue;
            if (!r.RoomFor(e, 1)) {
                if (right)
                    return false;
                right = true;
                e.setYPos(columnTop);
                printHeading(e, right);
                if (!r.RoomFor(e, 1))
                    return false;
            }
            const plan::TDebtRec& d = plan.Debts[debt - 1];
            int day = d.PayDay;
            std::string label;
            calc::CalcMonthAndYear(label, year_, daysBefore, false, false, calc::TwoDigits(day),
                                   day, month_, plan, r.locale());
            std::vector<std::string> row = {label, d.Name.text(), r.gridMoney(pay)};
            if (withBalance_) {
                const double balance = s.GetBal(position, nextMonth_);
                row.push_back(balance != 0 ? r.gridMoney(balance) : "Paid Off");
            }
            r.printRow(e, row);
        }
        nextPos_ = 0;
        if (++month_ > 12) {
            month_ = 1;
            ++year_;
        }
    }
    return true;
}

}  // namespace reports
