#pragma once

// Timed debt elimination: the payment that clears each debt within "Months To Pay".

#include <array>

#include "calc/calc_result.h"
#include "calc/payoff_schedule.h"
#include "plan/client_rec.h"

namespace calc {

// TimedPayment of debt d (1-based): RoundToCents(LevelPayment(Balance, c, TimedMonths) +
// 0.004999) with c the debt's monthly equivalent rate. Undefined for TimedMonths 0
// (CalcTimedValues refuses that case).
double TimedPayment(const plan::TClientRec& plan, int debt);

// TfrmReport.CalcTimedValues: schedPay[d - 1] = the larger of TimedPayment(d) and the debt's
// current payment. Fails with TimedMonthsZero when TimedMonths is not above 0, since no
// level payment exists then.
CalcResult CalcTimedValues(const plan::TClientRec& plan, int numDebts,
                           std::array<double, kMaxPositions>& schedPay);

// The extra payment needed: the sum over the debts of SchedPay - CurrentPayment.
double ExtraPaymentNeeded(const plan::TClientRec& plan, int numDebts,
                          const std::array<double, kMaxPositions>& schedPay);

}  // namespace calc
