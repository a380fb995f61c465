// The start-up and shutdown of debt around its main window, on a fresh profile in a
// temporary home.

#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>

#include "main_win_profile.h"
#include "plan/new_plan.h"
#include "plan/plan_file_io.h"
#include "platform/ini_file.h"
#include "platform/registry.h"
#include "temp_home.h"
#include "ui/main_win.h"

namespace {

namespace fs = std::filesystem;
using platform::RegRoot;
using testing_support::readFile;
using testing_support::writeFile;

class MainWinStartTest : public ui_testing::MainWinProfile {
  protected:
    ui::StartupServices services() {
        ui::StartupServices s = MainWinProfile::services();
        s.dataFileHooks.requestBackup = [this](const std::string& path) {
            backups.push_back(path);
        };
        return s;
    }
    // One run of the program: start, show, then close through the normal path.
    void run(const std::function<void(ui::TMainWin&)>& whileOpen = {}) {
        ui::TMainWin window(state, services());
        window.show();
        QApplication::processEvents();
        if (whileOpen)
            whileOpen(window);
        window.close();
    }
    std::optional<platform::RegValue> userValue(const std::string& key, const std::string& name) {
        platform::RegistryKey k(registry, RegRoot::CurrentUser);
        if (!k.openKeyReadOnly(key))
            return std::nullopt;
        return k.value(name);
    }
    std::string sharedData() const { return (home.home() / ".local/share/Quorvale").string(); }

    std::vector<std::string> backups;
};

TEST_F(MainWinStartTest, FreshProfileCountsTheRunAndStoresTheWindowOnClose) {
    run([&](ui::TMainWin& w) {
        EXPECT_EQ(w.objectName(), QStringLiteral("MainWin"));
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Zelvane"));
        EXPECT_EQ(userValue("Software\\Quorvale\\Zelvane", "Uses")->dword, 1u);
        EXPECT_FALSE(userValue("Software\\Quorvale\\Zelvane\\Windows", "debt_MainWin"));
        EXPECT_TRUE(fs::is_directory(sharedData()));
        EXPECT_EQ(state.DataFilePath, sharedData() + "/Debts4.dat");
        EXPECT_EQ(state.ProgramFolder, programFolder());
        EXPECT_GT(state.ScreenWidth, 0);
        EXPECT_EQ(w.planState().PlanIndex, 0);
    });
    const auto position = userValue("Software\\Quorvale\\Zelvane\\Windows", "debt_MainWin");
    ASSERT_TRUE(position);
    EXPECT_EQ(position->bytes.size(), 25u);
    EXPECT_EQ(userValue("Software\\Quorvale\\Zelvane\\MainForm", "Last Index")->dword, 0u);
    EXPECT_TRUE(userValue("Software\\Quorvale\\Zelvane\\Toolbars\\MainWin", "Layout"));
    // "Backup On Close" is on by default; the backup itself decides there is nothing to do.
    EXPECT_EQ(backups.size(), 1u);

    run();
    EXPECT_EQ(userValue("Software\\Quorvale\\Zelvane", "Uses")->dword, 2u);
}

TEST_F(MainWinStartTest, ShutdownStoresThePlanIndexOnceAndTheSessionEndClosesNormally) {
    run([&](ui::TMainWin& w) {
        w.planState().PlanIndex = -1;  // a plan never stored
        w.endSession();
        EXPECT_TRUE(state.SessionEnding);
        EXPECT_FALSE(w.isVisible());
        w.planState().PlanIndex = 7;
        w.Shutdown();  // already done: nothing changes
    });
    EXPECT_EQ(userValue("Software\\Quorvale\\Zelvane\\MainForm", "Last Index")->dword, 0xFFFFFFFFu);
    run([&](ui::TMainWin& w) { EXPECT_EQ(w.planState().PlanIndex, -1); });
}

TEST_F(MainWinStartTest, UsesAtTheLargestValueIsNotSavedAgain) {
    writeFile(programFolder() + "PrefLocation.ini", "[Preferences]\nLocation=2\n");
    writeFile(programFolder() + "debt.ini", "[Zelvane]\nUses=$7FFFFFFF\n");
    ui::TMainWin window(state, services());
    EXPECT_EQ(window.config().Uses, 2147483647);
    EXPECT_EQ(platform::IniFile(programFolder() + "debt.ini").readString("Zelvane", "Uses", ""),
              "$7FFFFFFF");
}

TEST_F(MainWinStartTest, FileLocationWritesIniFilesAndNoRegistryHive) {
    writeFile(programFolder() + "PrefLocation.ini", "[Preferences]\nLocation=1\n");
    run();
    const std::string roaming = (home.home() / ".config/Haldrun/Zelvane/").string();
    const std::string local = (home.home() / ".local/state/Haldrun/Zelvane/").string();
    const std::string common = (home.root() / "etc/xdg/Haldrun/Zelvane/").string();
    EXPECT_EQ(platform::IniFile(roaming + "debt.ini").readString("Zelvane", "Uses", ""), "1");
    EXPECT_TRUE(platform::IniFile(local + "debt.ini").valueExists("Windows", "debt_MainWin"));
    EXPECT_TRUE(platform::IniFile(local + "debt_Toolbars.ini").valueExists("MainWin", "Layout"));
    EXPECT_EQ(platform::IniFile(common + "debt.ini").readString("Zelvane", "Zelvane Version", ""),
              "4.0.0");
    EXPECT_FALSE(fs::exists(registry.hivePath(RegRoot::CurrentUser)));
    EXPECT_FALSE(fs::exists(registry.hivePath(RegRoot::LocalMachine)));
}

TEST_F(MainWinStartTest, PortableLocationKeepsDataAndSettingsBesideTheProgram) {
    writeFile(programFolder() + "PrefLocation.ini", "[Preferences]\nLocation=2\n");
    plan::TClientRec sample = plan::newPlan(plan::NewPlanDefaults{}, {2027, 1, 1}, "");
    sample.PlanName.setText("Sample");
    const std::string sampleBytes(plan::recordBytes(sample));
    writeFile(programFolder() + "Debts4SampleData.dat", sampleBytes);
    run([&](ui::TMainWin& w) { EXPECT_EQ(w.windowTitle(), QStringLiteral("Zelvane  (Sample)")); });
    EXPECT_EQ(state.DataFilePath, programFolder() + "Debts4.dat");
    EXPECT_EQ(readFile(state.DataFilePath), sampleBytes);
    EXPECT_TRUE(fs::is_directory(sharedData()));  // created for every location
    const platform::IniFile ini(programFolder() + "debt.ini");
    EXPECT_EQ(ini.readString("Zelvane", "Uses", ""), "1");
    EXPECT_EQ(ini.readString("Zelvane", "All Users Same", ""), "1");
    EXPECT_TRUE(ini.valueExists("Windows", "debt_MainWin"));
    EXPECT_FALSE(fs::exists(registry.hivePath(RegRoot::CurrentUser)));
}

TEST_F(MainWinStartTest, SampleIsCopiedOnceAndBackupsFollowTheSettings) {
    writeFile(programFolder() + "Debts4SampleData.dat", "sample plans");
    run();
    EXPECT_EQ(readFile(sharedData() + "/Debts4.dat"), "sample plans");
    EXPECT_EQ(backups.size(), 1u);  // at close only: the file did not exist at the start

    writeFile(sharedData() + "/Debts4.dat", "my plans");
    run();
    EXPECT_EQ(readFile(sharedData() + "/Debts4.dat"), "my plans");
    // "Backup On Start" and "Backup On Close" are on by default.
    EXPECT_EQ(backups.size(), 3u);
    EXPECT_EQ(backups.back(), sharedData() + "/Debts4.dat");
}

TEST_F(MainWinStartTest, ANewerStoredVersionDiscardsTheToolbarLayout) {
    run();
    ASSERT_TRUE(userValue("Software\\Quorvale\\Zelvane\\Toolbars\\MainWin", "Layout"));
    {
        platform::RegistryKey k(registry, RegRoot::LocalMachine);
        ASSERT_TRUE(k.openKey("Software\\Quorvale\\Zelvane", true));
        k.writeString("Zelvane Version", "9.0");
        k.closeKey();
    }
    run([&](ui::TMainWin& w) {
        EXPECT_EQ(w.config().PreviousVersion, "9.0");
        EXPECT_FALSE(userValue("Software\\Quorvale\\Zelvane\\Toolbars\\MainWin", "Layout"));
    });
}

}  // namespace
