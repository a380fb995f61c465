// `debtplan schedule` hands the loaded plan to the payoff engines' schedule output.

#include "schedule_command.h"

#include "calc/schedule_output.h"

namespace debtplan {

int runScheduleCommand(const plan::TClientRec& plan, int numDebts, ScheduleFormat format,
                       std::ostream& out, std::ostream& err) {
    const calc::ScheduleFormat calcFormat =
        format == ScheduleFormat::Csv ? calc::ScheduleFormat::Csv : calc::ScheduleFormat::Json;
    return calc::runScheduleCommand(plan, numDebts, calcFormat, out, err);
}

}  // namespace debtplan
