#pragma once

// Runs one `debtplan` command line. Problems are reported as one line on `err`
// ("debtplan: ..."); the result is the exit status:
//   0 done, 1 the command failed (file or plan problems), 2 the command line is wrong,
//   3 a schedule calculation ended without a schedule.

#include <ostream>
#include <string>
#include <vector>

namespace debtplan {

inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// `args` without the program name.
int runDebtplan(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace debtplan
