#pragma once

// The debt reduction schedule (ReductionPlan 1) and the timed schedule (ReductionPlan 3),
// and the current-plan figures they are compared with.

#include "calc/calc_result.h"
#include "calc/payoff_schedule.h"
#include "plan/client_rec.h"
#include "platform/locale_info.h"

namespace calc {

struct ScheduleOptions {
    bool timed = false;          // ReductionPlan 3
    bool varExtraInUse = false;  // see CheckVariable
};

// TMainWin.CheckVariable: true when ExtraPaymentSource is 2 ("Variable") and at least one of
// the 360 VariableExtra amounts is above 0.
bool CheckVariable(const plan::TClientRec& plan);

// TfrmReport.CalcDebtValues: fills the schedule from debts 1..numDebts of the plan. The
// locale only shapes the position rate texts. Fails with ScheduleTooLong when the debts are
// not all paid off by month 360 (the schedule is then incomplete and must not be shown),
// and in timed mode with TimedMonthsZero.
CalcResult CalcDebtValues(const plan::TClientRec& plan, int numDebts,
                          const ScheduleOptions& options, const platform::LocaleInfo& locale,
                          PayoffSchedule& schedule);

// The current plan for every position of a computed schedule: each debt paid by its own
// current payment. Fails with NeverRepays when a current payment does not repay its debt.
CalcResult CalcCurrentPlan(const plan::TClientRec& plan, const PayoffSchedule& schedule,
                           CurrentPlan& current);

}  // namespace calc
