#pragma once

// The command line of `debtplan`:
//   debtplan list FILE
//   debtplan export FILE --plan N OUT.dbt
//   debtplan import FILE IN.dbt
//   debtplan schedule FILE [--plan N] [--format json|csv]
//   debtplan report FILE --plan N --pdf OUT.pdf [--sections LIST]
//   debtplan --help
// Options may stand anywhere after the command, as "--plan N" or "--plan=N"; "--" ends
// the options, so a file name may begin with "-".

#include <optional>
#include <string>
#include <vector>

#include "schedule_command.h"

namespace debtplan {

enum class CommandKind { Help, List, Export, Import, Schedule, Report };

struct Command {
    CommandKind kind = CommandKind::Help;
    std::string dataFile;
    std::string transferFile;  // OUT.dbt of export, IN.dbt of import
    std::optional<int> plan;   // --plan; a number too large to be a record is INT_MAX
    ScheduleFormat format = ScheduleFormat::Json;
    std::string pdfFile;                  // --pdf of report
    std::optional<std::string> sections;  // --sections of report: comma-separated keywords
};

struct ParsedArgs {
    std::optional<Command> command;
    std::string error;  // one line, set when `command` is empty
};

// `args` without the program name.
ParsedArgs parseArgs(const std::vector<std::string>& args);

// The usage text printed by --help.
const char* usageText();

}  // namespace debtplan
