// debtplan: lists, exports and imports the plans of a data file and prints their
// schedules, for scripts and exact checks. Standard library only.

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "debtplan_run.h"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        const int status = debtplan::runDebtplan(args, std::cout, std::cerr);
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "debtplan: cannot write the output\n";
            return debtplan::kExitFailed;
        }
        return status;
    } catch (const std::exception& e) {
        std::cerr << "debtplan: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "debtplan: unexpected error\n";
    }
    return debtplan::kExitFailed;
}
