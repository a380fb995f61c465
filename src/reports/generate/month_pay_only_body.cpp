// DoMonthPayOnly: the schedule in blocks of six months (months 1-6, 7-12, ... counted from
// the first schedule month). A block left over at the end is completed with months that
// show "***" in every row.

#include "calc/calendar.h"
#include "calc/number_text.h"
#include "reports/generate/frm_report.h"
#include "reports/generate/schedule_bodies.h"

namespace reports {
namespace {

constexpr int kBlockMonths = 6;
constexpr std::size_t kMonthTextLength = 20;

}  // namespace

void MonthPayOnlyBody::startSection() {
    nextMonth_ = 1;
    const calc::WorkingCalendar w = calc::SetUpDates(report_.plan());
    year_ = w.year;
    month_ = w.month;
}

bool MonthPayOnlyBody::printPage(ReportEngine& e) {
    const calc::PayoffSchedule& s = *report_.schedule();
    const TfrmReport& r = report_;
    const double u = r.PrintWidth / 9;
    const double m = ReportFrame::kCellMargin;
    e.clearTabs();
    e.setTab(std::nullopt, Justify::Left, 2 * u, m, r.lines(border::kAll, border::kBottom),
             r.HeaderShade);
    for (int i = 0; i < 7; ++i) {
        e.setTab(std::nullopt, Justify::Center, u, m, r.lines(border::kAll, border::kBottom),
                 r.HeaderShade);
    }
    e.saveTabs(1);
    e.clearTabs();
    e.setTab(std::nullopt, Justify::Left, 2 * u, m, r.lines(border::kAll, border::kNone), 0);
    for (int i = 0; i < 7; ++i) {
        e.setTab(std::nullopt, Justify::Right, u, m, r.lines(border::kAll, border::kNone), 0);
    }
    e.saveTabs(2);

    const int n = s.numPositions;
    while (nextMonth_ <= s.ScheduleMonths) {
        e.restoreFont(slot::kBody);
        if (!r.RoomFor(e, n + 2))
            return false;
        std::vector<std::string> heading = {"Debt Name", "Loan Amt"};
        int day = 1;
        for (int k = 0; k < kBlockMonths; ++k) {
            std::string label;
            calc::CalcMonthAndYear(label, year_, 0, true, true, "01", day, month_, r.plan(),
                                   r.locale());
            heading.push_back(calc::Utf8Left(label, kMonthTextLength));
        }
        const auto cell = [&](double amount) {
            return amount == 0 ? std::string("***") : r.gridMoney(amount);
        };
        e.restoreFont(slot::kHeader);
        e.restoreTabs(1);
        e.setShadeColor(r.settings().gridHeaderShadeColor);
        e.newLine();
        r.printRow(e, heading);
        e.restoreFont(slot::kBody);
        e.restoreTabs(2);
        for (int p = 1; p <= n; ++p) {
            const auto i = static_cast<std::size_t>(p - 1);
            std::vector<std::string> row = {s.PositionName[i], cell(s.PositionStartBalance[i])};
            for (int k = 0; k < kBlockMonths; ++k) {
                const int month = nextMonth_ + k;
                row.push_back(cell(month <= s.ScheduleMonths ? s.GetPay(p, month) : 0.0));
            }
            r.printRow(e, row);
        }
        nextMonth_ += kBlockMonths;
    }
    return true;
}

}  // namespace reports
