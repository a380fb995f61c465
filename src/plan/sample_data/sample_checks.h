#pragma once

// The entry checks a sample plan must pass, so that a user who opens it can save it and
// report it without a single complaint: the debt entry form's checks of every debt
// (amounts and rates not negative, due days 1..28, a minimum payment that repays the debt
// within 360 months, a current payment not below the minimum, no "rate seems too small"
// question), the main window's checks of the plan (months 0..360, unique priorities under
// "Debt Reduction Schedule", the consolidation checks) and the text lengths of the forms.
//
// This is a build-time guard for data we write ourselves; it carries its own small
// copies of the rate and rounding rules and is not used by the program.

#include <string>
#include <vector>

#include "plan/client_rec.h"

namespace plan::samples {

// Every problem of the plan, one text each; empty when the plan passes.
std::vector<std::string> checkSamplePlan(const TClientRec& plan);

}  // namespace plan::samples
