#pragma once

// The rate texts of the reports: "18.9900% APR".

#include <string>

#include "calc/payoff_schedule.h"
#include "plan/client_rec.h"
#include "platform/locale_info.h"

namespace calc {

// Abbreviations of RateKind 1..4: "APR", "Eff", "Mth", "Dly" (GetRate) and "APR", "Eff",
// "Mon", "Dly" (RateStr, RateStr2). A kind outside 1..4 counts as "Effective".
const char* RateAbbreviation(int rateKind);
const char* RateAbbreviation2(int rateKind);

// TfrmReport.GetRate: the rate with 4 decimals, "% " and the first abbreviation.
std::string GetRate(const plan::TDebtRec& debt, const platform::LocaleInfo& locale);

// TfrmReport.RateStr: the debt at a position (1-based) of the payoff order, with the second
// abbreviation, padded on the left to `width`.
std::string RateStr(const plan::TClientRec& plan, const PayoffSchedule& schedule, int position,
                    int width, const platform::LocaleInfo& locale);

// TfrmReport.RateStr2: as RateStr, for a debt number (1-based).
std::string RateStr2(const plan::TClientRec& plan, int debt, int width,
                     const platform::LocaleInfo& locale);

}  // namespace calc
