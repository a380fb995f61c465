#include "calc/calc_result.h"

namespace calc {

const char* errorKindName(CalcErrorKind kind) {
    switch (kind) {
        case CalcErrorKind::None:
            return "none";
        case CalcErrorKind::NoDebts:
            return "no-debts";
        case CalcErrorKind::InvalidPlan:
            return "invalid-plan";
        case CalcErrorKind::PriorityCheck:
            return "priority-check";
        case CalcErrorKind::ConsolidationCheck:
            return "consolidation-check";
        case CalcErrorKind::ScheduleTooLong:
            return "schedule-too-long";
        case CalcErrorKind::TimedMonthsZero:
            return "timed-months-zero";
        case CalcErrorKind::LoanTermZero:
            return "loan-term-zero";
        case CalcErrorKind::LoanNeverRepays:
            return "loan-never-repays";
        case CalcErrorKind::LoanTooLong:
            return "loan-too-long";
        case CalcErrorKind::NeverRepays:
            return "never-repays";
    }
    return "unknown";
}

}  // namespace calc
