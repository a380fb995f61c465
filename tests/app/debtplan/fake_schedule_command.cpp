#include "fake_schedule_command.h"

namespace debtplan_testing {

std::optional<ScheduleCall> lastScheduleCall;
int scheduleStatus = 0;

}  // namespace debtplan_testing

namespace debtplan {

int runScheduleCommand(const plan::TClientRec& plan, int numDebts, ScheduleFormat format,
                       std::ostream& out, std::ostream&) {
    debtplan_testing::lastScheduleCall = debtplan_testing::ScheduleCall{plan, numDebts, format};
    out << "schedule\n";
    return debtplan_testing::scheduleStatus;
}

}  // namespace debtplan

namespace debtplan_testing {

std::optional<ReportCall> lastReportCall;

}  // namespace debtplan_testing

namespace debtplan {

int runReportCommand(const plan::TClientRec& plan, int numDebts, const ReportRequest& request,
                     std::ostream& out, std::ostream&) {
    debtplan_testing::lastReportCall = debtplan_testing::ReportCall{plan, numDebts, request};
    out << "report\n";
    return 0;
}

}  // namespace debtplan
