#pragma once

// `debtplan schedule`: prints the computed schedule of one plan.

#include <ostream>

#include "plan/client_rec.h"

namespace debtplan {

enum class ScheduleFormat { Json, Csv };

// Computes and prints the schedule of `plan` (loaded as the program loads it: an old
// record repaired, `numDebts` taken from DebtCount; the priorities are not derived yet).
// Returns the exit status: 0 when the schedule was printed, 3 when the calculation ended
// without a schedule (the error object is printed), another non-zero status otherwise.
int runScheduleCommand(const plan::TClientRec& plan, int numDebts, ScheduleFormat format,
                       std::ostream& out, std::ostream& err);

}  // namespace debtplan
