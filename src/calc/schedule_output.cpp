#include "calc/schedule_output.h"

#include <memory>
#include <ostream>
#include <string>

#include "calc/calc_result.h"
#include "calc/consolidation.h"
#include "calc/message_collector.h"
#include "calc/output_text.h"
#include "calc/payoff_schedule.h"
#include "calc/priorities.h"
#include "calc/schedule_engine.h"
#include "calc/timed_plan.h"
#include "platform/locale_info.h"

namespace calc {

namespace {

constexpr int kStatusOk = 0;
constexpr int kStatusBadArguments = 2;
constexpr int kStatusNoSchedule = 3;

std::string Num(double v) {
    return ShortestNumber(v);
}

int WriteError(std::ostream& out, const CalcResult& result) {
    out << "{\"error\": " << JsonString(errorKindName(result.kind))
        << ", \"message\": " << JsonString(result.message) << "}\n";
    return kStatusNoSchedule;
}

// The check of the main window that blocks reports under "Debt Reduction Schedule" while two
// debts share a priority.
CalcResult CheckPriorities(const plan::TClientRec& plan, int numDebts) {
    const SharedPriority shared = FindSharedPriority(plan, numDebts);
    if (shared.first == 0) {
        return CalcResult::success();
    }
    const plan::TDebtRec& a = plan.Debts[shared.first - 1];
    const plan::TDebtRec& b = plan.Debts[shared.second - 1];
    const int priority = a.Priority;
    return CalcResult::failure(CalcErrorKind::PriorityCheck,
                               "\"" + a.Name.text() + "\" and \"" + b.Name.text() +
                                   "\" both have the same Priority of " + std::to_string(priority) +
                                   ".  You MUST correct this by changing one or the other.");
}

void WriteScheduleJson(std::ostream& out, const plan::TClientRec& plan, const PayoffSchedule& s,
                       const CurrentPlan& current, bool timed, double extraNeeded) {
    const int n = s.numPositions;
    const int months = s.ScheduleMonths;
    std::string j;
    j.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(months) * 24 + 4096);
    j += "{\n  \"plan_name\": " + JsonString(plan.PlanName.text());
    j += ",\n  \"reduction_plan\": " + std::to_string(plan.ReductionPlan);
    j += ",\n  \"schedule_months\": " + std::to_string(months);
    j += ",\n  \"positions\": [";
    for (int p = 1; p <= n; ++p) {
        const auto i = static_cast<std::size_t>(p - 1);
        j += p == 1 ? "\n" : ",\n";
        j += "    {\"debt\": " + std::to_string(s.PayoffOrder[i]);
        j += ", \"name\": " + JsonString(s.PositionName[i]);
        j += ", \"start_balance\": " + Num(s.PositionStartBalance[i]);
        j += ", \"sched_pay\": " + Num(s.StartSchedPay[i]);
        j += ",\n     \"pay\": [";
        for (int m = 1; m <= months; ++m) {
            if (m > 1) {
                j += ", ";
            }
            j += Num(s.GetPay(p, m));
        }
        j += "],\n     \"bal\": [";
        for (int m = 1; m <= months; ++m) {
            if (m > 1) {
                j += ", ";
            }
            j += Num(s.GetBal(p, m));
        }
        j += "]}";
    }
    j += "\n  ],\n  \"month_totals\": [";
    for (int m = 1; m <= months; ++m) {
        if (m > 1) {
            j += ", ";
        }
        j += Num(s.MonthTotal(m));
    }
    j += "],\n  \"current_plan\": [";
    for (int p = 1; p <= n; ++p) {
        const auto i = static_cast<std::size_t>(p - 1);
        j += p == 1 ? "\n" : ",\n";
        j += "    {\"debt\": " + std::to_string(s.PayoffOrder[i]);
        j += ", \"months\": " + std::to_string(current.CurPlanMonths[i]);
        j += ", \"interest\": " + Num(current.CurPlanInterest[i]);
        j += ", \"last_payment\": " + Num(current.CurPlanLastPayment[i]) + "}";
    }
    j += "\n  ],\n  \"current_total_interest\": " + Num(current.CurPlanTotalInterest);
    if (timed) {
        j += ",\n  \"extra_payment_needed\": " + Num(extraNeeded);
    }
    j += "\n}\n";
    out << j;
}

void WriteScheduleCsv(std::ostream& out, const PayoffSchedule& s) {
    const int n = s.numPositions;
    std::string c = "month";
    for (int p = 1; p <= n; ++p) {
        const auto i = static_cast<std::size_t>(p - 1);
        const std::string label =
            s.PositionName[i] + " (debt " + std::to_string(s.PayoffOrder[i]) + ")";
        c += "," + CsvField(label + " payment") + "," + CsvField(label + " balance");
    }
    c += ",total\n";
    for (int m = 1; m <= s.ScheduleMonths; ++m) {
        c += std::to_string(m);
        for (int p = 1; p <= n; ++p) {
            c += "," + Num(s.GetPay(p, m)) + "," + Num(s.GetBal(p, m));
        }
        c += "," + Num(s.MonthTotal(m)) + "\n";
    }
    out << c;
}

void WriteConsolidationJson(std::ostream& out, const plan::TClientRec& plan,
                            const ConsolidationResult& r) {
    std::string j;
    j.reserve(static_cast<std::size_t>(r.NewLoanMonths) * 120 + 4096);
    j += "{\n  \"plan_name\": " + JsonString(plan.PlanName.text());
    j += ",\n  \"reduction_plan\": 2";
    j += ",\n  \"consolidation\": {";
    j += "\n    \"total_balance\": " + Num(r.TotalBalance);
    j += ",\n    \"total_cur_pay\": " + Num(r.TotalCurPay);
    j += ",\n    \"cur_total_paid\": " + Num(r.CurTotalPaid);
    j += ",\n    \"cur_total_interest\": " + Num(r.CurTotalInterest);
    j += ",\n    \"cur_max_months\": " + std::to_string(r.CurMaxMonths);
    j += ",\n    \"debts\": [";
    for (int d = 1; d <= r.numDebts; ++d) {
        const auto i = static_cast<std::size_t>(d - 1);
        j += d == 1 ? "\n" : ",\n";
        j += "      {\"debt\": " + std::to_string(d);
        j += ", \"cur_paid\": " + Num(r.DebtCurPaid[i]);
        j += ", \"cur_interest\": " + Num(r.DebtCurInterest[i]);
        j += ", \"cur_months\": " + std::to_string(r.DebtCurMonths[i]) + "}";
    }
    j += "\n    ]";
    j += ",\n    \"new_loan_rate\": " + Num(r.NewLoanRate);
    j += ",\n    \"new_loan_balance\": " + Num(r.NewLoanBalance);
    j += ",\n    \"new_loan_payment\": " + Num(r.NewLoanPayment);
    j += ",\n    \"new_loan_months\": " + std::to_string(r.NewLoanMonths);
    j += ",\n    \"new_total_paid\": " + Num(r.NewTotalPaid);
    j += ",\n    \"new_total_interest\": " + Num(r.NewTotalInterest);
    j += ",\n    \"interest_savings\": " + Num(r.InterestSavings);
    j += ",\n    \"months_saved\": " + std::to_string(r.MonthsSaved);
    j += ",\n    \"loan\": [";
    for (int m = 1; m <= r.NewLoanMonths; ++m) {
        const auto i = static_cast<std::size_t>(m - 1);
        j += m == 1 ? "\n" : ",\n";
        j += "      {\"pay\": " + Num(r.LoanPay[i]);
        j += ", \"cum_paid\": " + Num(r.LoanCumPaid[i]);
        j += ", \"interest\": " + Num(r.LoanInterest[i]);
        j += ", \"cum_interest\": " + Num(r.LoanCumInterest[i]);
        j += ", \"bal\": " + Num(r.LoanBal[i]) + "}";
    }
    j += "\n    ]\n  }\n}\n";
    out << j;
}

void WriteConsolidationCsv(std::ostream& out, const ConsolidationResult& r) {
    std::string c = "month,payment,cumulative paid,interest,cumulative interest,balance\n";
    for (int m = 1; m <= r.NewLoanMonths; ++m) {
        const auto i = static_cast<std::size_t>(m - 1);
        c += std::to_string(m) + "," + Num(r.LoanPay[i]) + "," + Num(r.LoanCumPaid[i]) + "," +
             Num(r.LoanInterest[i]) + "," + Num(r.LoanCumInterest[i]) + "," + Num(r.LoanBal[i]) +
             "\n";
    }
    out << c;
}

int RunSchedule(plan::TClientRec& plan, int numDebts, ScheduleFormat format, std::ostream& out) {
    const bool timed = plan.ReductionPlan == 3;
    SetPriorities(plan, numDebts);
    if (!timed) {
        const CalcResult check = CheckPriorities(plan, numDebts);
        if (!check.ok()) {
            return WriteError(out, check);
        }
    }
    // The schedule storage of this run, obtained once.
    const auto schedule = std::make_unique<PayoffSchedule>();
    ScheduleOptions options;
    options.timed = timed;
    options.varExtraInUse = CheckVariable(plan);
    // The locale shapes only the rate texts, which the output does not contain.
    const CalcResult result =
        CalcDebtValues(plan, numDebts, options, platform::LocaleInfo::englishUS(), *schedule);
    if (!result.ok()) {
        return WriteError(out, result);
    }
    CurrentPlan current;
    const CalcResult currentResult = CalcCurrentPlan(plan, *schedule, current);
    if (!currentResult.ok()) {
        return WriteError(out, currentResult);
    }
    if (format == ScheduleFormat::Csv) {
        WriteScheduleCsv(out, *schedule);
    } else {
        const double extraNeeded =
            timed ? ExtraPaymentNeeded(plan, numDebts, schedule->StartSchedPay) : 0.0;
        WriteScheduleJson(out, plan, *schedule, current, timed, extraNeeded);
    }
    return kStatusOk;
}

int RunConsolidation(const plan::TClientRec& plan, int numDebts, ScheduleFormat format,
                     std::ostream& out) {
    MessageCollector boxes;
    const ConsolidationCheck check =
        CheckConsolidationFields(plan, numDebts, ConsolidationFieldsOf(plan), boxes);
    if (!check.ok) {
        return WriteError(out,
                          CalcResult::failure(CalcErrorKind::ConsolidationCheck, boxes.texts()));
    }
    const auto result = std::make_unique<ConsolidationResult>();
    CalcResult r = CalcValues(plan, numDebts, *result);
    if (r.ok()) {
        r = CalcLoanValues(plan, *result);
    }
    if (!r.ok()) {
        return WriteError(out, r);
    }
    if (format == ScheduleFormat::Csv) {
        WriteConsolidationCsv(out, *result);
    } else {
        WriteConsolidationJson(out, plan, *result);
    }
    return kStatusOk;
}

}  // namespace

int runScheduleCommand(const plan::TClientRec& plan, int numDebts, ScheduleFormat format,
                       std::ostream& out, std::ostream& err) {
    if (numDebts < 0 || numDebts > plan::kMaxDebts) {
        err << "debtplan: the plan has " << numDebts << " debts; a plan holds 0 to "
            << plan::kMaxDebts << ".\n";
        return kStatusBadArguments;
    }
    if (numDebts == 0) {
        return WriteError(
            out, CalcResult::failure(CalcErrorKind::NoDebts, "No debts have been entered yet."));
    }
    // SetPriorities rewrites the priorities of the plan in memory: work on a copy.
    auto work = std::make_unique<plan::TClientRec>(plan);
    switch (work->ReductionPlan) {
        case 1:
        case 3:
            return RunSchedule(*work, numDebts, format, out);
        case 2:
            return RunConsolidation(*work, numDebts, format, out);
        default:
            return WriteError(out, CalcResult::failure(CalcErrorKind::InvalidPlan,
                                                       "The reduction plan of this plan is " +
                                                           std::to_string(work->ReductionPlan) +
                                                           ", not 1, 2 or 3."));
    }
}

}  // namespace calc
