// Runs the debt program itself: one copy at a time, and a SIGTERM (a desktop logout)
// closes it through the normal path so the run is counted and the window stored.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "temp_home.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

pid_t start() {
    char program[] = DEBT_EXE;
    char* argv[] = {program, nullptr};
    pid_t pid = -1;
    EXPECT_EQ(::posix_spawn(&pid, program, nullptr, nullptr, argv, environ), 0);
    return pid;
}

// The exit code, or -1 when the process did not end in time.
int waitForExit(pid_t pid, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(20ms);
    }
    return -1;
}

bool waitFor(const fs::path& path, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < until) {
        if (fs::exists(path))
            return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

class DebtProgramTest : public ::testing::Test {
  protected:
    DebtProgramTest() {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    }
    std::string userHive() const {
        return testing_support::readFile(home.home() / ".config/Quorvale/registry/user.reg");
    }
    // Starts a copy, waits until it listens for later copies, and ends it with SIGTERM.
    void runOnce() {
        const pid_t pid = start();
        ASSERT_TRUE(waitFor(home.root() / "run/QX1wGuXt-M", 30s));
        ASSERT_EQ(::kill(pid, SIGTERM), 0);
        EXPECT_EQ(waitForExit(pid, 30s), 0);
    }
    testing_support::TempHome home;
};

TEST_F(DebtProgramTest, SecondCopyEndsAtOnceWhileTheFirstRuns) {
    const pid_t first = start();
    ASSERT_TRUE(waitFor(home.root() / "run/QX1wGuXt-M", 30s));
    const pid_t second = start();
    EXPECT_EQ(waitForExit(second, 30s), 0);
    EXPECT_EQ(waitForExit(first, 200ms), -1);  // still running
    ASSERT_EQ(::kill(first, SIGTERM), 0);
    EXPECT_EQ(waitForExit(first, 30s), 0);
}

TEST_F(DebtProgramTest, TerminationStoresTheRunAndTheWindow) {
    runOnce();
    EXPECT_NE(userHive().find("\"Uses\"=dword:00000001"), std::string::npos) << userHive();
    EXPECT_NE(userHive().find("\"debt_MainWin\"=hex:"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(home.home() / ".local/share/Quorvale"));
    runOnce();
    EXPECT_NE(userHive().find("\"Uses\"=dword:00000002"), std::string::npos);
}

}  // namespace
