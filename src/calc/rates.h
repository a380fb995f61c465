#pragma once

// Periodic rates of a debt and the two closed loan formulas.

#include "plan/client_rec.h"

namespace calc {

// RateKind values of a debt.
enum RateKindValue : int { kRateAPR = 1, kRateEffective = 2, kRateMonthly = 3, kRateDaily = 4 };

// The rate the schedule engines apply: per month, or per day for "Daily". A rate of 0 gives
// 0. A RateKind outside 1..4 (only in data that bypassed the entry checks) counts as
// "Effective".
double MonthlyRate(double rate, int rateKind);
double MonthlyRate(const plan::TDebtRec& debt);

// The rate per month with compounding ("Daily": 365 days compounded, as a monthly rate):
// used for terms, level and timed payments, the "Highest Rate First" order and the what-if
// calculator. Same kind rule as MonthlyRate.
double MonthlyEquivalentRate(double rate, int rateKind);

// The monthly rate of the consolidated loan: ConNewRate / 1200 for "APR" (kind 1), the
// twelfth root of 1 + ConNewRate / 100, minus 1, for "Eff" (kind 2 and anything else).
double ConsolidationMonthlyRate(double conNewRate, int conRateKind);

// The interest of one schedule month on balance B at a periodic rate: RoundToCents(B x rate),
// or RoundToCents(B x rate x days) for a "Daily" debt in a month of that many days.
double MonthInterest(double balance, double periodicRate, bool daily, int daysInMonth);

// B x c / (1 - 1 / (1 + c)^N), or B / N when c is 0. Unrounded.
double LevelPayment(double balance, double monthlyRate, double months);

// -ln(1 - B x c / P) / ln(1 + c), or B / P when c is 0. Unrounded; NaN when P does not
// exceed the first month's interest.
double TermInMonths(double balance, double monthlyRate, double payment);

}  // namespace calc
