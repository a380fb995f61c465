// Runs the built `debtplan` program as a user would.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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
