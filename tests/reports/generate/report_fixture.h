#pragma once

// Small plans and report runs for layout checks with the fixed-width measurer.

#include <memory>
#include <string>
#include <vector>

#include "calc/priorities.h"
#include "plan/new_plan.h"
#include "reports/engine/fixed_width_measurer.h"
#include "reports/engine/page_stream.h"
#include "reports/engine/report_engine.h"
#include "reports/generate/frm_report.h"

namespace reports_test {

struct DebtSpec {
    std::string name;
    double balance = 1000;
    double payment = 100;
    double rate = 12;  // APR
    int payDay = 15;
};

// A debt reduction plan starting January 2027 with the given debts, no extra payment, and
// only the sections the test chooses.
inline reports::ReportInputs planWith(const std::vector<DebtSpec>& debts) {
    reports::ReportInputs in;
    in.plan = plan::newPlan(plan::NewPlanDefaults{}, plan::Date{2027, 1, 15}, "");
    plan::TClientRec& p = in.plan;
    p.ReductionPlan = 1;
    p.PriorityMethod = 1;
    p.StartMonth = 1;
    p.StartYear = 2027;
    p.ExtraPayment = 0;
    p.UseMinimumPayment = 0;
    p.RptOverview = p.RptSummary = p.RptMonthPayOnly = p.RptMonthPayBal = 0;
    p.RptDailyPayOnly = p.RptDailyPayBal = p.RptCalendar = 0;
    p.RptMoneySave = p.RptTimeSave = p.RptPrincInt = 0;
    for (std::size_t i = 0; i < debts.size(); ++i) {
        plan::TDebtRec& d = p.Debts[i];
        d.Name.setText(debts[i].name);
        d.Balance = debts[i].balance;
        d.MinPayment = debts[i].payment;
        d.CurrentPayment = debts[i].payment;
        d.MinPayIsPercent = 0;
        d.Rate = debts[i].rate;
        d.RateKind = 1;
        d.PayDay = static_cast<std::uint16_t>(debts[i].payDay);
    }
    p.DebtCount = static_cast<std::uint16_t>(debts.size());
    in.numDebts = static_cast<int>(debts.size());
    calc::SetPriorities(p, in.numDebts);
    in.today = {2027, 3, 9};
    return in;
}

inline std::vector<DebtSpec> debtsNamed(int count) {
    std::vector<DebtSpec> debts;
    for (int i = 1; i <= count; ++i)
        debts.push_back({"Debt " + std::to_string(i), 500.0 + 100 * i, 100, 10.0 + i, 10 + i});
    return debts;
}

struct Run {
    reports::ReportRunResult result;
    reports::PageStream pages;
};

// The fixed-width measurer of the layout checks (1/8 inch a character at 10 points), and a
// narrower one (1/16 inch) under which schedule cells hold their texts whole.
inline const reports::TextMeasurer& wideMeasurer() {
    static const reports::FixedWidthMeasurer measurer;
    return measurer;
}
inline const reports::TextMeasurer& narrowMeasurer() {
    static const reports::FixedWidthMeasurer measurer(1.0 / 160);
    return measurer;
}

// Runs the generator with a fixed-width measurer.
inline Run runReport(reports::ReportFrame& generator,
                     const reports::TextMeasurer& measurer = wideMeasurer()) {
    reports::ReportEngine engine(measurer);
    Run run;
    run.result = generator.run(engine, run.pages);
    return run;
}

inline Run runReport(const reports::ReportInputs& inputs,
                     const reports::TextMeasurer& measurer = wideMeasurer()) {
    reports::TfrmReport report(inputs);
    return runReport(report, measurer);
}

// The texts of a page in drawing order.
inline std::vector<std::string> textsOf(const reports::Page& page) {
    std::vector<std::string> texts;
    for (const reports::TextOp* t : page.texts())
        texts.push_back(t->text);
    return texts;
}

inline bool pageHas(const reports::Page& page, const std::string& text) {
    for (const reports::TextOp* t : page.texts()) {
        if (t->text == text)
            return true;
    }
    return false;
}

inline bool pageContains(const reports::Page& page, const std::string& part) {
    for (const reports::TextOp* t : page.texts()) {
        if (t->text.find(part) != std::string::npos)
            return true;
    }
    return false;
}

}  // namespace reports_test
