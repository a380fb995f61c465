// Stand-in for the schedule output until the payoff engines are linked in.

#include "schedule_command.h"

namespace debtplan {

int runScheduleCommand(const plan::TClientRec&, int, ScheduleFormat, std::ostream&,
                       std::ostream& err) {
    err << "debtplan: the schedule command is not built yet\n";
    return 1;
}

}  // namespace debtplan
