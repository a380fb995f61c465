// debt: plans the repayment of personal debts.

#include "app/program_start.h"

int main(int argc, char** argv) {
    return app::RunProgram(argc, argv);
}
