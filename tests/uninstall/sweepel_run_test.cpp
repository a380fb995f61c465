#include "uninstall/sweepel_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "scripted_message_boxes.h"
#include "temp_home.h"

namespace {

using platform::MsgAnswer;
using platform::MsgIcon;
using testing_support::ScriptedMessageBoxes;
using testing_support::TempDir;

namespace fs = std::filesystem;

class SweepelRunTest : public ::testing::Test {
protected:
    SweepelRunTest() {
        file = (dir / "My Plans" / "Debts4.dat").string();
        fs::create_directories(dir / "My Plans");
        testing_support::writeFile(file, "plans");
    }

    uninstall::SweepelArgs args() const { return {file, "plan data"}; }

    std::string question() const {
        return "Do you want to uninstall the file containing the plan data (" + file +
               ")? \r\nIf you do, the plan data you have entered will be permanently deleted.";
    }

    TempDir dir;
    std::string file;
    ScriptedMessageBoxes boxes;
};

TEST_F(SweepelRunTest, NoKeepsTheFileAndSaysSo) {
    boxes.expect("Uninstall plan data?", question(), MsgIcon::Question, MsgAnswer::No);
    boxes.expect("Uninstall plan data", "The plan data file (" + file + ") was not deleted. ",
                 MsgIcon::Information);
    uninstall::runSweepel(args(), boxes);
    EXPECT_TRUE(fs::exists(file));
    for (const auto& shown : boxes.shown()) EXPECT_EQ(nullptr, shown.owner);
}

TEST_F(SweepelRunTest, YesDeletesTheFileSilently) {
    boxes.expect("Uninstall plan data?", question(), MsgIcon::Question, MsgAnswer::Yes);
    uninstall::runSweepel(args(), boxes);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(1u, boxes.shown().size());
}

TEST_F(SweepelRunTest, FailedDeletionIsReportedOnceAndKeepsWhatIsThere) {
    // The data-file path names a folder: unlink refuses it, even for root.
    const std::string folder = (dir / "Debts4.dat.d").string();
    fs::create_directories(folder);
    boxes.answerNext(MsgAnswer::Yes);
    boxes.expect("Uninstall plan data",
                 "The file containing the plan data (" + folder +
                     ") could not be deleted.\r\n\r\nYou will need to manually remove the file " +
                     folder + ".",
                 MsgIcon::Warning);
    uninstall::runSweepel({folder, "plan data"}, boxes);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(2u, boxes.shown().size());
}

TEST_F(SweepelRunTest, SilentWithoutDescriptionFileOrExistingFile) {
    uninstall::runSweepel({file, ""}, boxes);
    uninstall::runSweepel({"", "plan data"}, boxes);
    uninstall::runSweepel({(dir / "missing.dat").string(), "plan data"}, boxes);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(fs::exists(file));
}

// The Linux counterpart of a read-only file: a file whose folder the user may not
// change. Root ignores folder modes, so the removal runs in a child that has dropped
// to an unprivileged user.
TEST_F(SweepelRunTest, RemovalFailsInAFolderTheUserCannotChange) {
    const fs::path locked = dir / "locked";
    fs::create_directories(locked);
    const std::string target = (locked / "Debts4.dat").string();
    testing_support::writeFile(target, "plans");
    ::chmod(locked.c_str(), 0555);
    ::chmod(dir.path().c_str(), 0755);

    const pid_t child = ::fork();
    ASSERT_NE(-1, child);
    if (child == 0) {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        ::_exit(uninstall::removeTargetFile(target) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(child, ::waitpid(child, &status, 0));
    ::chmod(locked.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status)) << "the removal should have been refused";
    EXPECT_TRUE(fs::exists(target));
}

}  // namespace
