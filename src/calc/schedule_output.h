#pragma once

// The `debtplan schedule` command: computes the schedule of one loaded plan and writes it as
// JSON or CSV.

#include <iosfwd>

#include "plan/client_rec.h"

namespace calc {

enum class ScheduleFormat { Json, Csv };

// Runs the calculation the report run would make for the plan (already repaired on load,
// with numDebts taken from DebtCount): SetPriorities, then the debt reduction or timed
// schedule with the current-plan figures, or the consolidation figures, and writes them to
// `out`. A calculation that ends without a schedule writes
// {"error": "<kind>", "message": "<text>"} to `out` (in both formats) and returns 3.
// numDebts outside 0..50 writes a one-line message to `err` and returns 2. Returns 0 on
// success. Numbers are written in their shortest exact round-trip form.
int runScheduleCommand(const plan::TClientRec& plan, int numDebts, ScheduleFormat format,
                       std::ostream& out, std::ostream& err);

}  // namespace calc
