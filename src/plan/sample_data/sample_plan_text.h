#pragma once

// The readable description of the sample plans (data/sample_plans.txt) and its reader.
//
// The text is a list of sections. "[plan]" starts a new plan, made like a new plan of the
// program and then changed by the "Key = value" lines that follow; "[debt]" adds a debt
// to the plan above it. "#" starts a comment line. Amounts use "." as the decimal point.
//
//   [plan]
//   PlanName        = Sample: Garcia Family
//   ReductionPlan   = Debt Reduction Schedule
//   Obligation      = Rent | 1650.00
//   VariableExtra   = 1-24: 100.00
//   [debt]
//   Name            = Visa Card
//   MinimumPayment  = 2%
//   Rate            = 21.49 APR
//
// The keys are listed in sample_plan_text.cpp and in the header of the data file.

#include <string>
#include <string_view>
#include <vector>

#include "plan/client_rec.h"

namespace plan::samples {

struct SampleText {
    std::vector<TClientRec> plans;
    std::vector<std::string> errors;  // "line N: ..." for every line that was not understood
};

SampleText parseSamplePlans(std::string_view text);

}  // namespace plan::samples
