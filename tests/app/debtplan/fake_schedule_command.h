#pragma once

// What the in-process tests' stand-in for the schedule output was called with.

#include <optional>

#include "plan/client_rec.h"
#include "report_command.h"
#include "schedule_command.h"

namespace debtplan_testing {

struct ScheduleCall {
    plan::TClientRec plan;
    int numDebts = 0;
    debtplan::ScheduleFormat format = debtplan::ScheduleFormat::Json;
};

// The last call, or nothing; reset by each test.
extern std::optional<ScheduleCall> lastScheduleCall;
// The status the stand-in returns.
extern int scheduleStatus;

struct ReportCall {
    plan::TClientRec plan;
    int numDebts = 0;
    debtplan::ReportRequest request;
};
extern std::optional<ReportCall> lastReportCall;

}  // namespace debtplan_testing
