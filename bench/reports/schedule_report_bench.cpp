// Page generation of the payment schedules and the calendar for a 20-debt plan that runs
// for many years (a six-month block of 50 debts does not fit on a page at 10 points), with the fixed-width measurer (layout only, no fonts, no PDF).

#include <benchmark/benchmark.h>

#include "calc/priorities.h"
#include "plan/new_plan.h"
#include "reports/engine/fixed_width_measurer.h"
#include "reports/generate/frm_report.h"

namespace {

constexpr int kDebts = 20;

reports::ReportInputs longPlan() {
    reports::ReportInputs in;
    in.plan = plan::newPlan(plan::NewPlanDefaults{}, plan::Date{2027, 1, 15}, "");
    plan::TClientRec& p = in.plan;
    p.ReductionPlan = 1;
    p.PriorityMethod = 1;
    p.ExtraPayment = 50;
    for (int i = 0; i < kDebts; ++i) {
        plan::TDebtRec& d = p.Debts[i];
        d.Name.setText("Debt number " + std::to_string(i + 1));
        d.Balance = 4000 + 37 * i;
        d.MinPayment = d.CurrentPayment = 80 + (i % 7);
        d.MinPayIsPercent = 0;
        d.Rate = 9 + (i % 11);
        d.RateKind = 1;
        d.PayDay = static_cast<std::uint16_t>(1 + (i * 5) % 28);
    }
    p.DebtCount = kDebts;
    in.numDebts = kDebts;
    calc::SetPriorities(p, in.numDebts);
    p.RptOverview = p.RptSummary = p.RptMoneySave = p.RptTimeSave = p.RptPrincInt = 0;
    p.RptMonthPayOnly = p.RptMonthPayBal = p.RptDailyPayOnly = p.RptDailyPayBal = 1;
    p.RptCalendar = 1;
    p.CumulativeValues = 0;
    return in;
}

void BM_ScheduleReportPages(benchmark::State& state) {
    const reports::ReportInputs in = longPlan();
    const reports::FixedWidthMeasurer measurer(1.0 / 160);
    std::size_t pages = 0;
    for (auto _ : state) {
        reports::TfrmReport report(in);
        reports::ReportEngine engine(measurer);
        reports::PageStream stream;
        report.run(engine, stream);
        pages = stream.pageCount();
        if (report.PagesLeft <= 0)
            state.SkipWithError("the page limit was reached");
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_ScheduleReportPages)->Unit(benchmark::kMillisecond);

}  // namespace
