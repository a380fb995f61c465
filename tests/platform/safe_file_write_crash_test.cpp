// Writes that go wrong in ways only a real process shows: a file size limit hit part-way,
// a process killed in the middle, a link in the path.

#include "platform/safe_file_write.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "temp_home.h"

namespace {

namespace fs = std::filesystem;
using platform::writeFileAtomically;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

// Everything in the folder; a failed or finished write must leave no temporary file.
std::vector<std::string> folderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SafeFileWrite, WritesThroughASymbolicLinkAndKeepsTheLink) {
    TempDir dir;
    fs::create_directories(dir / "real");
    writeFile(dir / "real" / "plans.dat", "old");
    fs::create_symlink(dir / "real" / "plans.dat", dir / "link.dat");
    ASSERT_TRUE(writeFileAtomically(dir / "link.dat", "new", nullptr));
    EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
    EXPECT_EQ(readFile(dir / "real" / "plans.dat"), "new");
}

TEST(SafeFileWrite, WritesAnEmptyFile) {
    TempDir dir;
    writeFile(dir / "f", "something");
    ASSERT_TRUE(writeFileAtomically(dir / "f", "", nullptr));
    EXPECT_EQ(fs::file_size(dir / "f"), 0u);
}

TEST(SafeFileWrite, AWriteThatFailsPartWayLeavesTheOldFileIntact) {
    TempDir dir;
    const auto path = dir / "Debts4.dat";
    const std::string old(30000, 'o');
    writeFile(path, old);

    // The new content is larger than the files the child may write.
    const auto child = testing_support::runWithFileSizeLimit(40000, [&] {
        std::string error;
        const bool ok = writeFileAtomically(path, std::string(100000, 'n'), &error);
        testing_support::reportToParent(error);
        return ok ? 1 : 0;
    });
    EXPECT_EQ(child.exitCode, 0);
    EXPECT_EQ(child.message, "File too large");
    EXPECT_EQ(readFile(path), old);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"Debts4.dat"});
}

TEST(SafeFileWrite, AProcessKilledWhileSavingLeavesEitherTheOldOrTheNewContent) {
    TempDir dir;
    const auto path = dir / "Debts4.dat";
    const std::string a(3'000'000, 'a');
    const std::string b(2'000'000, 'b');
    writeFile(path, a);

    for (unsigned i = 0; i < 12; ++i) {
        const auto child = testing_support::killWhileRunning(
            [&] {
                for (int n = 0;; ++n) {
                    if (!writeFileAtomically(path, n % 2 == 0 ? b : a, nullptr))
                        return 2;
                    if (n == 0)
                        testing_support::reportToParent("r");
                }
            },
            500 + i * 1500);
        ASSERT_EQ(child.signal, SIGKILL) << "the saving child ended on its own";
        const std::string now = readFile(path);
        ASSERT_TRUE(now == a || now == b) << "mixed or cut file of " << now.size() << " bytes";
    }
}

}  // namespace
