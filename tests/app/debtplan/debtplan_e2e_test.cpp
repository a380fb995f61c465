// Runs the built `debtplan` program as a user would.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../../plan/plan_test_helpers.h"
#include "temp_home.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

class DebtplanProgram : public ::testing::Test {
  protected:
    Result run(const std::vector<std::string>& args) {
        const std::string outPath = (dir / "stdout").string();
        const std::string errPath = (dir / "stderr").string();
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(out, 1);
            ::dup2(err, 2);
            std::vector<char*> argv;
            std::string program = DEBTPLAN_EXE;
            argv.push_back(program.data());
            std::vector<std::string> copy = args;
            for (auto& a : copy)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        Result r;
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        r.out = readFile(outPath);
        r.err = readFile(errPath);
        return r;
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    testing_support::TempDir dir;
};

TEST_F(DebtplanProgram, ListsExportsAndImports) {
    writeFile(path("Debts4.dat"), plan_testing::dataFileOf(2, "Household "));
    Result r = run({"list", path("Debts4.dat")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0\tHousehold 0\n1\tHousehold 1\n");

    r = run({"export", path("Debts4.dat"), "--plan", "0", path("h.dbt")});
    EXPECT_EQ(r.status, 0) << r.err;
    r = run({"import", path("Debts4.dat"), path("h.dbt")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2\tHousehold 0\n");
    r = run({"list", path("Debts4.dat")});
    EXPECT_EQ(r.out, "0\tHousehold 0\n1\tHousehold 1\n2\tHousehold 0\n");
}

// Every sample plan yields a schedule; the consolidation plan reports its new loan.
TEST_F(DebtplanProgram, SchedulesEverySamplePlan) {
    const Result list = run({"list", DEBT_SAMPLE_DATA_FILE});
    ASSERT_EQ(list.status, 0) << list.err;
    const auto plans = static_cast<int>(std::count(list.out.begin(), list.out.end(), '\n'));
    ASSERT_GE(plans, 3);
    bool sawConsolidation = false;
    for (int k = 0; k < plans; ++k) {
        SCOPED_TRACE("plan " + std::to_string(k));
        const Result json = run({"schedule", DEBT_SAMPLE_DATA_FILE, "--plan", std::to_string(k)});
        ASSERT_EQ(json.status, 0) << json.out << json.err;
        EXPECT_EQ(json.out.find("\"error\""), std::string::npos) << json.out;
        if (json.out.find("\"consolidation\"") != std::string::npos) {
            sawConsolidation = true;
            EXPECT_NE(json.out.find("\"new_loan_payment\""), std::string::npos);
        } else {
            EXPECT_NE(json.out.find("\"schedule_months\""), std::string::npos);
        }
        const Result csv = run({"schedule", DEBT_SAMPLE_DATA_FILE, "--plan", std::to_string(k),
                                "--format", "csv"});
        EXPECT_EQ(csv.status, 0) << csv.err;
        EXPECT_EQ(csv.out.rfind("month,", 0), 0u) << csv.out.substr(0, 80);
    }
    EXPECT_TRUE(sawConsolidation);
}

TEST_F(DebtplanProgram, BadInputEndsWithOneLineAndAFailureStatus) {
    writeFile(path("empty.dat"), "");
    const std::vector<std::vector<std::string>> cases = {
        {"list", path("absent.dat")},
        {"list", path("empty.dat")},
        {"schedule", path("empty.dat"), "--plan", "3"},
        {"import", path("empty.dat"), path("absent.dbt")},
        {"frobnicate"},
        {"schedule", path("empty.dat"), "--colour"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args[0] + " " + (args.size() > 1 ? args[1] : ""));
        const Result r = run(args);
        EXPECT_TRUE(r.status == 1 || r.status == 2) << r.status;
        EXPECT_EQ(r.out, "");
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.rfind("debtplan: ", 0), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    }
}

}  // namespace
