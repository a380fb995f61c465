#include "reports/generate/frm_report.h"

#include <array>

#include "calc/number_text.h"
#include "calc/priorities.h"
#include "calc/schedule_engine.h"
#include "calc/timed_plan.h"
#include "reports/generate/schedule_bodies.h"
#include "reports/generate/section_table.h"

namespace reports {
namespace {

const SectionTable<TfrmReport::kSections>& sectionTable() {
    static const SectionTable<TfrmReport::kSections> table({{
        {"Debt && Budget Overview", "FontElimOverview", &plan::TClientRec::RptOverview},
        {"Monthly Payment Only Schedule", "FontElimMonthPayOnly",
         &plan::TClientRec::RptMonthPayOnly},
        {"Monthly Payment && Balance Schedule", "FontElimMonthPayBal",
         &plan::TClientRec::RptMonthPayBal},
        {"Daily Payment Only Schedule", "FontElimDailyPayOnly", &plan::TClientRec::RptDailyPayOnly},
        {"Daily Payment && Balance Schedule", "FontElimDailyPayBal",
         &plan::TClientRec::RptDailyPayBal},
        {"Calendar", "FontElimCalendar", &plan::TClientRec::RptCalendar},
        {"Summary ", "FontElimSummary", &plan::TClientRec::RptSummary},
        {"Money Savings Graph", "FontElimMoneySave", &plan::TClientRec::RptMoneySave},
        {"Time Savings Graph", "FontElimTimeSave", &plan::TClientRec::RptTimeSave},
        {"Principal && Interest Graph", "FontElimPrincInt", &plan::TClientRec::RptPrincInt},
    }});
    return table;
}

}  // namespace

std::string debtReportSectionCaption(int section) {
    return sectionTable().caption(section);
}

TfrmReport::TfrmReport(ReportInputs inputs) : ReportFrame(std::move(inputs)) {
    TimedReport = plan().ReductionPlan == 3;
    setBody(section::kMonthPayOnly, std::make_unique<MonthPayOnlyBody>(*this));
    setBody(section::kMonthPayBal, std::make_unique<MonthPayBalBody>(*this));
    setBody(section::kDailyPayOnly, std::make_unique<DailyPayBody>(*this, false));
    setBody(section::kDailyPayBal, std::make_unique<DailyPayBody>(*this, true));
    setBody(section::kCalendar, std::make_unique<CalendarBody>(*this));
}

TfrmReport::~TfrmReport() = default;

bool TfrmReport::sectionChosen(int section) const {
    return sectionTable().chosen(plan(), section);
}

std::string TfrmReport::sectionCaption(int section) const {
    return debtReportSectionCaption(section);
}

std::string TfrmReport::fontGroup(int section) const {
    return sectionTable().fontGroup(section);
}

void TfrmReport::CalcHeader() {
    const ReportSettings& s = settings();
    HeaderLines = s.usePermanentHeader && !s.permanentHeaderLine[0].empty() ? 1 : 0;
}

calc::CalcResult TfrmReport::calculate() {
    schedule_ = std::make_unique<calc::PayoffSchedule>();
    calc::ScheduleOptions options;
    options.timed = TimedReport;
    options.varExtraInUse = calc::CheckVariable(plan());
    calc::CalcResult result =
        calc::CalcDebtValues(plan(), numDebts(), options, locale(), *schedule_);
    if (result.ok() && TimedReport) {
        std::array<double, calc::kMaxPositions> schedPay{};
        result = calc::CalcTimedValues(plan(), numDebts(), schedPay);
        if (result.ok())
            TimedExtra = calc::ExtraPaymentNeeded(plan(), numDebts(), schedPay);
    }
    return result;
}

void TfrmReport::printHeaderTail(ReportEngine& e) {
    const double middle = e.pageWidth() / 2;
    e.restoreFont(slot::kPersHeader);
    if (TimedReport) {
        e.printCenter("Assumptions: Pay all debts off within " +
                          calc::FormatAmount(plan().TimedMonths, 0, false, locale()) +
                          " months.   Extra Payment Needed: " + totalsMoney(TimedExtra),
                      middle);
        e.newLine();
        return;
    }
    const int method = plan().PriorityMethod;
    std::string line = "Assumptions: ";
    if (method >= 1 && method <= 11)
        line += calc::kPriorityMethodNames[static_cast<std::size_t>(method - 1)];
    if (calc::CheckVariable(plan())) {
        line += "    Variable Extra Payments";
    } else if (plan().ExtraPayment > 0) {
        line += "    Extra Payment: " + totalsMoney(plan().ExtraPayment);
    }
    if (plan().UseMinimumPayment != 0)
        line += "    Use Minimum Payment";
    e.printCenter(line, middle);
    e.newLine();
    if (CurrentReport >= section::kDailyPayOnly && CurrentReport <= section::kCalendar) {
        const int days = plan().DaysBefore;
        e.printCenter("Payment dates shown are " + std::to_string(days) + " " +
                          (days == 1 ? "day" : "days") + " before actual payment is due.",
                      middle);
        e.newLine();
    }
}

std::string TfrmReport::reportNamePrefix() const {
    return TimedReport ? "Timed Debt Elimination Report: " : "Debt Elimination Report: ";
}

int TfrmReport::extraPageAllowance() const {
    return sectionChosen(section::kCalendar) ? 360 : 0;
}

}  // namespace reports
