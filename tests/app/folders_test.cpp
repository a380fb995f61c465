// Folder look-ups, folder macros, the data file helpers and the quick start values.

#include "app/folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/activity_trail.h"
#include "app/data_files.h"
#include "app/path_macros.h"
#include "app/quick_start.h"
#include "app/startup_steps.h"
#include "scripted_message_boxes.h"
#include "temp_home.h"

namespace {

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::writeFile;

class FoldersTest : public ::testing::Test {
  protected:
    std::string h() const { return home.home().string(); }
    testing_support::TempHome home;
    platform::Registry registry = platform::Registry::fromEnvironment();
};

TEST_F(FoldersTest, DocumentsAndFixedFolders) {
    EXPECT_EQ(app::GetDocumentsFolder(true), h() + "/.local/share/");
    EXPECT_EQ(app::GetDocumentsFolder(false), h() + "/Documents/");
    EXPECT_EQ(app::GetCommonFilesDir(registry), "/usr/lib/");
    EXPECT_EQ(app::GetCommonAppDataDir(registry), home.root().string() + "/etc/xdg/");
    EXPECT_EQ(app::GetTempFolder(), home.root().string() + "/tmp/");
}

TEST_F(FoldersTest, CommonFilesFolderFromTheMachineKey) {
    platform::RegistryKey key(registry, platform::RegRoot::LocalMachine);
    ASSERT_TRUE(key.openKey("Software\\Microsoft\\Windows\\CurrentVersion", true));
    key.writeString("CommonFilesDir", "/srv/common");
    key.closeKey();
    EXPECT_EQ(app::GetCommonFilesDir(registry), "/srv/common/");
}

TEST_F(FoldersTest, ForceDirectoriesExCreatesEveryLevel) {
    const std::string deep = h() + "/a/b/c";
    EXPECT_TRUE(app::ForceDirectoriesEx(deep));
    EXPECT_TRUE(fs::is_directory(deep));
    EXPECT_TRUE(app::ForceDirectoriesEx(deep + "/"));
    EXPECT_FALSE(app::ForceDirectoriesEx(""));
    writeFile(home.home() / "file", "x");
    EXPECT_FALSE(app::ForceDirectoriesEx(h() + "/file/sub"));
    EXPECT_EQ(app::CurrentActivity().text(), "");
}

TEST_F(FoldersTest, FolderMacrosRoundTrip) {
    const std::string paths[] = {
        h() + "/Documents/Plans/",
        h() + "/Desktop/x.dbt",
        "/opt/zelvane/",
        "/usr/lib/Quorvale/Onramp",
        h() + "/.local/share/Quorvale/",
        h() + "/.config/Haldrun/",
        h() + "/.local/state/x",
        home.root().string() + "/etc/xdg/Haldrun/",
        "/srv/backups/",
    };
    for (const std::string& p : paths) {
        EXPECT_EQ(app::ExpandPathMacros(app::FoldPathMacros(p)), p);
    }
    EXPECT_EQ(app::FoldPathMacros(h() + "/Documents/Plans/"), "[My Documents]\\Plans/");
    EXPECT_EQ(app::FoldPathMacros(h() + "/.config/Haldrun/"), "[CSIDL-APPDATA]Haldrun/");
    EXPECT_EQ(app::FoldPathMacros("/usr/lib/x/"), "[CSIDL-PROGRAM-FILES-COMMON]x/");
    // Linux folders differ by case: another spelling is another folder.
    EXPECT_EQ(app::FoldPathMacros(h() + "/DOCUMENTS/"), h() + "/DOCUMENTS/");
}

TEST_F(FoldersTest, ExpandPathMacrosUnderstandsOtherSpellingsAtTheStart) {
    EXPECT_EQ(app::ExpandPathMacros("[CSIDL_APPDATA]Notes\\"), h() + "/.config/Notes\\");
    EXPECT_EQ(app::ExpandPathMacros("[CSIDL APPDATA]Notes/"), h() + "/.config/Notes/");
    EXPECT_EQ(app::ExpandPathMacros("[my documents]\\x"), h() + "/Documents/x");
    EXPECT_EQ(app::ExpandPathMacros("/plain/path_with [brackets]"), "/plain/path_with [brackets]");
}

TEST_F(FoldersTest, FileSizes) {
    writeFile(home.home() / "f", "12345");
    EXPECT_EQ(app::FileSizeOf(h() + "/f"), 5);
    EXPECT_EQ(app::FileByteCount(h() + "/f"), 5);
    EXPECT_EQ(app::FileSizeOf(h() + "/none"), 0);
    EXPECT_EQ(app::FileByteCount(h() + "/none"), -1);
}

TEST_F(FoldersTest, DataFilePathForEveryLocation) {
    const std::string shared = h() + "/.local/share/Quorvale/Debts4.dat";
    EXPECT_EQ(app::DataFilePathFor(0, "/opt/z/"), shared);
    EXPECT_EQ(app::DataFilePathFor(1, "/opt/z/"), shared);
    EXPECT_EQ(app::DataFilePathFor(2, "/opt/z/"), "/opt/z/Debts4.dat");
    EXPECT_EQ(app::DataFilePathFor(3, "/opt/z/"), shared);
}

class DataFileStartTest : public FoldersTest {
  protected:
    void SetUp() override { fs::create_directories(program); }
    std::string programFolder() const { return program.string() + "/"; }
    fs::path program = home.root() / "opt/zelvane";
};

TEST_F(DataFileStartTest, SampleIsCopiedWhenThereIsNoDataFile) {
    writeFile(program / "Debts4SampleData.dat", std::string(13044, 's'));
    bool conversionOffered = false;
    app::DataFileHooks hooks;
    hooks.offerConversion = [&](const std::string&) { conversionOffered = true; };
    const auto result = app::PrepareDataFile(0, programFolder(), hooks);
    EXPECT_TRUE(conversionOffered);
    EXPECT_FALSE(result.existed);
    EXPECT_TRUE(result.sampleCopied);
    EXPECT_EQ(readFile(result.dataFilePath), std::string(13044, 's'));
    EXPECT_EQ(fs::status(result.dataFilePath).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(DataFileStartTest, SampleNeverOverwritesADataFile) {
    writeFile(program / "Debts4SampleData.dat", "sample");
    fs::create_directories(home.home() / ".local/share/Quorvale");
    writeFile(home.home() / ".local/share/Quorvale/Debts4.dat", "mine");
    bool conversionOffered = false;
    app::DataFileHooks hooks;
    hooks.offerConversion = [&](const std::string&) { conversionOffered = true; };
    const auto result = app::PrepareDataFile(0, programFolder(), hooks);
    EXPECT_TRUE(result.existed);
    EXPECT_FALSE(conversionOffered);
    EXPECT_FALSE(result.sampleCopied);
    EXPECT_EQ(readFile(result.dataFilePath), "mine");
    // Nor does the copy helper itself.
    EXPECT_FALSE(
        app::CopyFileNoOverwrite((program / "Debts4SampleData.dat").string(), result.dataFilePath));
    EXPECT_EQ(readFile(result.dataFilePath), "mine");
}

TEST_F(DataFileStartTest, ConversionThatCreatesTheFileStopsTheSampleCopy) {
    writeFile(program / "Debts4SampleData.dat", "sample");
    app::DataFileHooks hooks;
    hooks.offerConversion = [](const std::string& path) { writeFile(path, "converted"); };
    const auto result = app::PrepareDataFile(0, programFolder(), hooks);
    EXPECT_FALSE(result.sampleCopied);
    EXPECT_EQ(readFile(result.dataFilePath), "converted");
}

TEST_F(DataFileStartTest, SecondCandidateBesideTheDataFile) {
    fs::create_directories(home.home() / ".local/share/Quorvale");
    writeFile(home.home() / ".local/share/Quorvale/Debts4SampleData.dat", "beside");
    const auto result = app::PrepareDataFile(1, programFolder(), {});
    EXPECT_TRUE(result.sampleCopied);
    EXPECT_EQ(readFile(result.dataFilePath), "beside");
}

TEST_F(DataFileStartTest, PortableLocationStillCreatesTheSharedFolder) {
    const auto result = app::PrepareDataFile(2, programFolder(), {});
    EXPECT_EQ(result.dataFilePath, programFolder() + "Debts4.dat");
    EXPECT_FALSE(result.sampleCopied);
    EXPECT_FALSE(fs::exists(result.dataFilePath));
    EXPECT_TRUE(fs::is_directory(home.home() / ".local/share/Quorvale"));
}

TEST_F(DataFileStartTest, MoveDataFileCopiesOnlyANewerFile) {
    testing_support::ScriptedMessageBoxes boxes;
    const std::string shared = app::DataFilePathFor(0, programFolder());
    const std::string portable = app::DataFilePathFor(2, programFolder());
    fs::create_directories(fs::path(shared).parent_path());
    writeFile(shared, "shared plans");
    writeFile(portable, "older");
    fs::last_write_time(portable, fs::last_write_time(shared) - std::chrono::hours(1));

    app::MoveDataFile(2, 0, programFolder(), "Zelvane", boxes);  // old is older: nothing
    EXPECT_EQ(readFile(shared), "shared plans");
    app::MoveDataFile(0, 0, programFolder(), "Zelvane", boxes);
    app::MoveDataFile(0, 2, programFolder(), "Zelvane", boxes);
    EXPECT_EQ(readFile(portable), "shared plans");
    EXPECT_EQ(fs::last_write_time(portable), fs::last_write_time(shared));
}

TEST_F(DataFileStartTest, MoveDataFileWithoutASourceWarns) {
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expect("Zelvane: Error copying debt file",
                 "The debt file could not be copied due to the following error:\r\n"
                 "No such file or directory",
                 platform::MsgIcon::Warning);
    app::MoveDataFile(0, 2, programFolder(), "Zelvane", boxes);
}

TEST(StartupStepsTest, CountRun) {
    std::int32_t uses = -5;
    EXPECT_TRUE(app::CountRun(uses));
    EXPECT_EQ(uses, 1);
    uses = 2147483647;
    EXPECT_FALSE(app::CountRun(uses));
    EXPECT_EQ(uses, 2147483647);
    uses = 2147483646;
    EXPECT_TRUE(app::CountRun(uses));
    EXPECT_EQ(uses, 2147483647);
}

TEST(StartupStepsTest, BackupIsDueAfterWholeDays) {
    EXPECT_FALSE(app::IsBackupNeeded(false, 3, 0, 50000));
    EXPECT_TRUE(app::IsBackupNeeded(true, 3, 49997.0, 50000));
    EXPECT_FALSE(app::IsBackupNeeded(true, 3, 49997.5, 50000));  // 2.5 days: 2 whole days
    EXPECT_TRUE(app::IsBackupNeeded(true, 0, 50000.7, 50000));   // -0.7 truncates to 0
    EXPECT_FALSE(app::IsBackupNeeded(true, 0, 50001.5, 50000));  // a clock set back
    EXPECT_GT(app::TodayAsDayCount(), 45000);                    // after 2023
}

class QuickStartTest : public FoldersTest {};

class RecordingLauncher final : public platform::ProgramLauncher {
  public:
    bool startDetached(const std::string& p, const std::vector<std::string>& a) override {
        program = p;
        arguments = a;
        return true;
    }
    std::string program;
    std::vector<std::string> arguments;
};

TEST_F(QuickStartTest, MissingValueMeansShowAndTheStoredValueIsInverted) {
    EXPECT_TRUE(app::QuickStartAtStartup(registry, "Zelvane"));
    app::SetQuickStartAtStartup(registry, "Zelvane", false);
    EXPECT_FALSE(app::QuickStartAtStartup(registry, "Zelvane"));
    platform::RegistryKey key(registry, platform::RegRoot::CurrentUser);
    ASSERT_TRUE(key.openKeyReadOnly("Software\\Quorvale\\Quick Start Guide\\Zelvane"));
    EXPECT_TRUE(key.readBool("Load Quick Start"));
}

TEST_F(QuickStartTest, ViewerIsFoundWithOrWithoutExe) {
    const std::string folder = h() + "/prog/bin/";
    fs::create_directories(folder);
    EXPECT_EQ(app::FindQuickStartViewer(registry, folder), "");
    fs::create_directories(h() + "/prog/Common Files");
    writeFile(h() + "/prog/Common Files/Onramp", "");
    EXPECT_EQ(app::FindQuickStartViewer(registry, folder), h() + "/prog/Common Files/Onramp");
    writeFile(folder + "Onramp.exe", "");
    EXPECT_EQ(app::FindQuickStartViewer(registry, folder), folder + "Onramp.exe");

    RecordingLauncher launcher;
    app::LaunchQuickStart(registry, launcher, folder, "Zelvane:", "ZVQuickStart.doc");
    EXPECT_EQ(launcher.program, folder + "Onramp.exe");
    EXPECT_EQ(launcher.arguments,
              (std::vector<std::string>{"/F" + folder + "ZVQuickStart.doc", "/NZelvane:"}));
    EXPECT_FALSE(app::QuickStartAvailable(registry, folder));  // viewer not in common files
}

TEST_F(QuickStartTest, OrderIdFromTheInstallFile) {
    EXPECT_EQ(app::GetOrderID(registry), "");
    platform::RegistryKey key(registry, platform::RegRoot::CurrentUser);
    ASSERT_TRUE(key.openKey("Software\\Quorvale\\Zelvane", true));
    key.writeString("Install File", "C:\\Downloads\\ZelvaneSetup-A12-7.exe");
    key.closeKey();
    EXPECT_EQ(app::GetInstallPathname(registry), "C:\\Downloads\\ZelvaneSetup-A12-7.exe");
    EXPECT_EQ(app::GetOrderID(registry), "?ID=A12-7");
    EXPECT_EQ(app::OrderIdFromInstallPath("/home/a/setup.run"), "");
    EXPECT_EQ(app::CurrentActivity().text(), "");
}

TEST(ActivityTrailTest, LabelsAreAppendedAndRestored) {
    app::ActivityTrail trail;
    trail.set("Main ");
    {
        app::ScopedActivity a("Globals.GetNumPrinters ", trail);
        EXPECT_EQ(trail.text(), "Main Globals.GetNumPrinters ");
    }
    EXPECT_EQ(trail.text(), "Main ");
}

}  // namespace
