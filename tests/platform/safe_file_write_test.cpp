#include "platform/safe_file_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "temp_home.h"

namespace {

using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

std::size_t filesIn(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

unsigned modeOf(const std::filesystem::path& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st.st_mode & 07777;
}

class SafeFileWriteTest : public ::testing::Test {
  protected:
    void TearDown() override { platform::setWriteFaultHook({}); }
    TempDir dir;
};

TEST_F(SafeFileWriteTest, NewFileGetsTheBytesAndOwnerOnlyMode) {
    const auto path = dir / "Debts4.dat";
    std::string error;
    ASSERT_TRUE(platform::writeFileAtomically(path.string(), "abc", &error)) << error;
    EXPECT_EQ(readFile(path), "abc");
    EXPECT_EQ(modeOf(path), 0600u);
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST_F(SafeFileWriteTest, ReplacingKeepsTheModeOfTheOldFile) {
    const auto path = dir / "machine.reg";
    writeFile(path, "old");
    ::chmod(path.c_str(), 0644);
    ASSERT_TRUE(platform::writeFileAtomically(path.string(), "new content", nullptr));
    EXPECT_EQ(readFile(path), "new content");
    EXPECT_EQ(modeOf(path), 0644u);
}

TEST_F(SafeFileWriteTest, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    const auto path = dir / "debt.ini";
    writeFile(path, "[Backup]\nDays=3\n");
    platform::failNthWrite(2);
    ASSERT_TRUE(platform::writeFileAtomically(path.string(), "first", nullptr));
    std::string error;
    EXPECT_FALSE(platform::writeFileAtomically(path.string(), std::string(200000, 'x'), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readFile(path), "first");
    EXPECT_EQ(filesIn(dir.path()), 1u);
    // Only the second write was to fail.
    EXPECT_TRUE(platform::writeFileAtomically(path.string(), "third", nullptr));
    EXPECT_EQ(readFile(path), "third");
}

TEST_F(SafeFileWriteTest, WrongSizeForTheRecordLengthIsRefused) {
    const auto path = dir / "Debts4.dat";
    writeFile(path, std::string(13044, '\1'));
    platform::FileWriteOptions options;
    options.sizeMultiple = 13044;
    EXPECT_FALSE(
        platform::writeFileAtomically(path.string(), std::string(13043, '\2'), nullptr, options));
    EXPECT_EQ(readFile(path), std::string(13044, '\1'));
    EXPECT_TRUE(
        platform::writeFileAtomically(path.string(), std::string(26088, '\2'), nullptr, options));
}

TEST_F(SafeFileWriteTest, FailIfExistsNeverReplaces) {
    const auto path = dir / "Debts4.dat";
    platform::FileWriteOptions options;
    options.failIfExists = true;
    ASSERT_TRUE(platform::writeFileAtomically(path.string(), "sample", nullptr, options));
    EXPECT_FALSE(platform::writeFileAtomically(path.string(), "again", nullptr, options));
    EXPECT_EQ(readFile(path), "sample");
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST_F(SafeFileWriteTest, MissingFolderOrFolderPathFails) {
    std::string error;
    EXPECT_FALSE(platform::writeFileAtomically((dir / "no/such/file").string(), "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(platform::writeFileAtomically(dir.path().string(), "x", &error));
}

}  // namespace
