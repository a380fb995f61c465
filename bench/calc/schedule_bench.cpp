// Speed of a report run's calculation on the largest plans: 50 debts whose schedule runs
// the full 360 months, for each reduction plan.

#include <benchmark/benchmark.h>

#include <memory>
#include <ostream>
#include <streambuf>

#include "calc/consolidation.h"
#include "calc/priorities.h"
#include "calc/rates.h"
#include "calc/rounding.h"
#include "calc/schedule_engine.h"
#include "calc/schedule_output.h"
#include "plan/client_rec.h"
#include "platform/locale_info.h"

namespace {

// 50 debts of every rate kind, each paid by its 360-month level payment (rounded up), so
// that every schedule ends in month 360.
std::unique_ptr<plan::TClientRec> FiftyDebts(int reductionPlan, int priorityMethod) {
    auto rec = std::make_unique<plan::TClientRec>(plan::zeroClientRec());
    for (auto& debt : rec->Debts) {
        plan::resetDebtSlot(debt);
    }
    rec->Version.setBytes("4.0");
    rec->ReductionPlan = static_cast<std::uint16_t>(reductionPlan);
    rec->PriorityMethod = static_cast<std::uint16_t>(priorityMethod);
    rec->StartMonth = 3;
    rec->StartYear = 2011;
    rec->ConDayDue = 15;
    rec->ConMethod = 3;  // "Specify Term"
    rec->ConMonthsInLoan = 360;
    rec->ConNewRate = 6.5;
    rec->ConRateKind = 1;
    rec->TimedMonths = 360;
    rec->DailyDateFormat = 1;
    rec->MonthlyDateFormat = 5;
    rec->YearEnd = 1;
    rec->DebtCount = 50;
    for (int d = 1; d <= 50; ++d) {
        plan::TDebtRec& debt = rec->Debts[d - 1];
        const int kind = 1 + d % 4;
        double rate = 0;
        switch (kind) {
            case 1:
                rate = 4 + d % 17;
                break;
            case 2:
                rate = 3 + d % 11;
                break;
            case 3:
                rate = 0.3 + 0.05 * (d % 9);
                break;
            default:
                rate = 0.01 + 0.001 * (d % 13);
                break;
        }
        const double balance = 2000.0 + 937.0 * d;
        const double c = calc::MonthlyEquivalentRate(rate, kind);
        debt.Name.setText("Debt " + std::to_string(d));
        debt.Balance = balance;
        debt.Rate = rate;
        debt.RateKind = static_cast<std::uint16_t>(kind);
        // Daily debts are charged by calendar days: give them a little more.
        debt.CurrentPayment = calc::RoundToCents(
            calc::LevelPayment(balance, c, 360) * (kind == 4 ? 1.002 : 1.0) + 0.004999);
        debt.MinPayment = debt.CurrentPayment;
        debt.PayDay = static_cast<std::uint16_t>(1 + d % 28);
        debt.Priority = static_cast<std::uint16_t>(d);
    }
    calc::SetPriorities(*rec, 50);
    return rec;
}

// The payoff schedule and the current plan of `rec`, once per iteration; the schedule's
// length is reported as the "months" counter.
void RunSchedule(benchmark::State& state, const plan::TClientRec& rec,
                 const calc::ScheduleOptions& options) {
    const platform::LocaleInfo locale = platform::LocaleInfo::englishUS();
    int months = 0;
    for (auto _ : state) {
        auto schedule = std::make_unique<calc::PayoffSchedule>();
        const calc::CalcResult r = calc::CalcDebtValues(rec, 50, options, locale, *schedule);
        calc::CurrentPlan current;
        const calc::CalcResult c = calc::CalcCurrentPlan(rec, *schedule, current);
        if (!r.ok() || !c.ok()) {
            state.SkipWithError((r.message + c.message).c_str());
            break;
        }
        months = schedule->ScheduleMonths;
        benchmark::DoNotOptimize(current.CurPlanTotalInterest);
    }
    state.counters["months"] = months;
}

void BM_DebtReductionSchedule(benchmark::State& state) {
    const int method = static_cast<int>(state.range(0));
    RunSchedule(state, *FiftyDebts(1, method), {});
}
BENCHMARK(BM_DebtReductionSchedule)
    ->Arg(1)
    ->Arg(11)
    ->ArgName("method")
    ->Unit(benchmark::kMicrosecond);

void BM_TimedSchedule(benchmark::State& state) {
    RunSchedule(state, *FiftyDebts(3, 1), {.timed = true});
}
BENCHMARK(BM_TimedSchedule)->Unit(benchmark::kMicrosecond);

void BM_Consolidation(benchmark::State& state) {
    const auto rec = FiftyDebts(2, 1);
    int months = 0;
    for (auto _ : state) {
        auto result = std::make_unique<calc::ConsolidationResult>();
        calc::CalcResult r = calc::CalcValues(*rec, 50, *result);
        if (r.ok()) {
            r = calc::CalcLoanValues(*rec, *result);
        }
        if (!r.ok()) {
            state.SkipWithError(r.message.c_str());
            break;
        }
        months = result->CurMaxMonths;
        benchmark::DoNotOptimize(result->InterestSavings);
    }
    state.counters["months"] = months;
}
BENCHMARK(BM_Consolidation)->Unit(benchmark::kMicrosecond);

// A stream that drops what it is given, so the output formatting is measured alone.
class NullBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// The whole `debtplan schedule` command after loading: priorities, engine, JSON text.
void BM_ScheduleCommandJson(benchmark::State& state) {
    const auto rec = FiftyDebts(static_cast<int>(state.range(0)), 1);
    NullBuffer buffer;
    std::ostream sink(&buffer);
    for (auto _ : state) {
        const int status =
            calc::runScheduleCommand(*rec, 50, calc::ScheduleFormat::Json, sink, sink);
        if (status != 0) {
            state.SkipWithError("the schedule command failed");
            break;
        }
    }
}
BENCHMARK(BM_ScheduleCommandJson)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->ArgName("plan")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
