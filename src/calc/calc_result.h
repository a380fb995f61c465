#pragma once

// How a calculation ended. The engines never show a box and never stop the program: when a
// plan cannot be calculated (a payment that never repays, a term of 0 months, a schedule
// longer than the 360-month tables) they return one of these kinds with a text the report
// run or the command-line tool shows to the user.

#include <string>

namespace calc {

enum class CalcErrorKind {
    None,
    NoDebts,             // the plan has no debts
    InvalidPlan,         // a field outside its range (reduction plan, consolidation method)
    PriorityCheck,       // two debts share a priority under "User Specified"
    ConsolidationCheck,  // the consolidation fields fail their validity check
    ScheduleTooLong,     // the schedule is not paid off within 360 months
    TimedMonthsZero,     // "Months To Pay" is 0
    LoanTermZero,        // "Specify Term" with 0 months in the loan
    LoanNeverRepays,     // the new loan's payment does not cover its interest
    LoanTooLong,         // the new loan is not paid off within 360 months
    NeverRepays,         // a debt's current payment never repays it
};

struct CalcResult {
    CalcErrorKind kind = CalcErrorKind::None;
    std::string message;

    bool ok() const { return kind == CalcErrorKind::None; }
    static CalcResult success() { return {}; }
    static CalcResult failure(CalcErrorKind k, std::string text) { return {k, std::move(text)}; }
};

// The short machine-readable name of a kind ("schedule-too-long", ...).
const char* errorKindName(CalcErrorKind kind);

}  // namespace calc
