#include "settings/config_base.h"

#include <gtest/gtest.h>

#include "platform/safe_file_write.h"
#include "settings_fixture.h"

namespace {

using platform::RegRoot;
using settings::cfgPerMachine;
using settings::cfgPerUserNonRoam;
using settings::cfgPerUserRoam;
using settings::PrefLocation;
using settings::TConfigBase;
using testing_support::readFile;

const std::string kAppearance = "Software\\Quorvale\\Zelvane\\Appearance";

class ConfigBaseTest : public settings_test::SettingsFixture, public ::testing::Test {
  protected:
    void TearDown() override { platform::setWriteFaultHook({}); }

    void machineValue(const std::string& name, std::int32_t value) {
        platform::RegistryKey key(registry, RegRoot::LocalMachine);
        ASSERT_TRUE(key.openKey(kAppearance, true));
        key.writeInteger(name, value);
        key.closeKey();
    }
    std::optional<platform::RegValue> userValue(const std::string& name) {
        platform::RegistryKey key(registry, RegRoot::CurrentUser);
        if (!key.openKeyReadOnly(kAppearance))
            return std::nullopt;
        return key.value(name);
    }
    void writeInt(std::int32_t v) {
        ASSERT_TRUE(config.OpenPref(cfgPerUserRoam, kAppearance));
        config.SetPrefInteger("Appearance", "Menu Style", v);
        config.ClosePref();
    }
    std::int32_t readInt(std::int32_t def = -1) {
        EXPECT_TRUE(config.OpenPref(cfgPerUserRoam, kAppearance));
        const std::int32_t v = config.GetPrefInteger("Appearance", "Menu Style", def);
        config.ClosePref();
        return v;
    }

    TConfigBase config{registry, boxes, program()};
};

TEST_F(ConfigBaseTest, PrefLocationFileChoosesTheLocation) {
    const std::pair<const char*, PrefLocation> cases[] = {
        {"[Preferences]\nLocation=1\n", PrefLocation::File},
        {"[Preferences]\nLocation=2\n", PrefLocation::OnUsb},
        {"[preferences]\nlocation=3\n", PrefLocation::RegistryClassic},
        {"[Preferences]\nLocation=7\n", PrefLocation::Registry},
        {"[Preferences]\nLocation=-1\n", PrefLocation::Registry},
        {"[Preferences]\nLocation=abc\n", PrefLocation::Registry},
        {"[Other]\nLocation=1\n", PrefLocation::Registry},
    };
    for (const auto& [text, location] : cases) {
        writePrefLocation(text);
        config.ReadPrefLocation();
        EXPECT_EQ(config.prefLocation(), location) << text;
    }
    std::filesystem::remove(programFolder() + "PrefLocation.ini");
    config.setPrefLocation(PrefLocation::File);
    config.ReadPrefLocation();
    EXPECT_EQ(config.prefLocation(), PrefLocation::Registry);
}

TEST_F(ConfigBaseTest, OverlayWritesOnlyWhatDiffersFromTheMachineValue) {
    registry.setReadOnly(RegRoot::LocalMachine, false);
    machineValue("Menu Style", 5);
    registry.setReadOnly(RegRoot::LocalMachine, true);  // an ordinary user

    EXPECT_EQ(readInt(), 5);
    writeInt(5);
    EXPECT_FALSE(userValue("Menu Style").has_value());
    writeInt(6);
    ASSERT_TRUE(userValue("Menu Style").has_value());
    EXPECT_EQ(userValue("Menu Style")->dword, 6u);
    EXPECT_EQ(readInt(), 6);
    writeInt(5);
    EXPECT_EQ(userValue("Menu Style")->dword, 5u);  // it exists in the user key now
    EXPECT_EQ(readInt(), 5);
}

TEST_F(ConfigBaseTest, OverlayAppliesToEveryType) {
    {
        platform::RegistryKey key(registry, RegRoot::LocalMachine);
        ASSERT_TRUE(key.openKey(kAppearance, true));
        key.writeString("Text", "same");
        key.writeBool("Flag", true);
        const unsigned char bytes[2] = {1, 2};
        key.writeBinaryData("Bin", bytes, 2);
        key.closeKey();
    }
    registry.setReadOnly(RegRoot::LocalMachine, true);
    ASSERT_TRUE(config.OpenPref(cfgPerUserRoam, kAppearance));
    config.SetPrefString("Appearance", "Text", "same");
    config.SetPrefBoolean("Appearance", "Flag", true);
    const unsigned char same[2] = {1, 2};
    const unsigned char longer[3] = {1, 2, 3};
    config.SetPrefBinary("Appearance", "Bin", 2, same);
    config.ClosePref();
    EXPECT_FALSE(userValue("Text") || userValue("Flag") || userValue("Bin"));

    ASSERT_TRUE(config.OpenPref(cfgPerUserRoam, kAppearance));
    config.SetPrefBinary("Appearance", "Bin", 3, longer);
    config.SetPrefBoolean("Appearance", "Flag", false);
    config.ClosePref();
    EXPECT_EQ(userValue("Bin")->bytes.size(), 3u);
    EXPECT_EQ(userValue("Flag")->dword, 0u);
}

TEST_F(ConfigBaseTest, PerMachineScopeWritesTheMachineHiveWhenItIsWritable) {
    ASSERT_TRUE(config.OpenPref(cfgPerMachine, "Software\\Quorvale\\Zelvane\\"));
    config.SetPrefBoolean("", "All Users Same", false);
    config.ClosePref();
    EXPECT_NE(machineHive().find("\"All Users Same\"=dword:00000000"), std::string::npos);
    EXPECT_EQ(userHive().find("All Users Same"), std::string::npos);
}

TEST_F(ConfigBaseTest, PerMachineScopeFallsBackToTheUserWhenTheMachineHiveIsReadOnly) {
    registry.setReadOnly(RegRoot::LocalMachine, true);
    EXPECT_FALSE(config.CanWriteRegKey("Software\\Quorvale\\Zelvane", RegRoot::LocalMachine));
    ASSERT_TRUE(config.OpenPref(cfgPerMachine, "Software\\Quorvale\\Zelvane\\"));
    config.SetPrefString("", "Zelvane Version", "4.0.0");
    config.ClosePref();
    EXPECT_FALSE(std::filesystem::exists(registry.hivePath(RegRoot::LocalMachine)));
    EXPECT_NE(userHive().find("\"Zelvane Version\"=\"4.0.0\""), std::string::npos);
    EXPECT_EQ(config.GetPrefFileName(cfgPerMachine),
              "HKEY_CURRENT_USER\\Software\\Quorvale\\Zelvane");
}

TEST_F(ConfigBaseTest, CanWriteRegKeyLeavesNoScratchValue) {
    EXPECT_TRUE(config.CanWriteRegKey("Software\\Quorvale\\Zelvane", RegRoot::LocalMachine));
    EXPECT_TRUE(config.CanWriteRegKey("Software\\Quorvale\\Zelvane", RegRoot::LocalMachine));
    EXPECT_EQ(machineHive(),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Quorvale\\Zelvane]\n");
    platform::failNthWrite(1);  // the hive file cannot be replaced
    EXPECT_FALSE(config.CanWriteRegKey("Software\\Quorvale\\Zelvane", RegRoot::LocalMachine));
    registry.setReadOnly(RegRoot::LocalMachine, true);  // the key exists, the hive is locked
    EXPECT_FALSE(config.CanWriteRegKey("Software\\Quorvale\\Zelvane", RegRoot::LocalMachine));
    EXPECT_TRUE(config.CanWriteRegKey("Software\\Quorvale\\Zelvane", RegRoot::CurrentUser));
}

TEST_F(ConfigBaseTest, RegistryClassicUsesOneRootBySetting) {
    config.setPrefLocation(PrefLocation::RegistryClassic);
    ASSERT_TRUE(config.OpenPref(cfgPerMachine, "Software\\Quorvale\\Zelvane\\"));
    config.SetPrefInteger("", "A", 1);
    config.ClosePref();
    EXPECT_NE(userHive().find("\"A\"=dword:00000001"), std::string::npos);

    config.AllUsersSame = true;
    EXPECT_EQ(config.GetPrefFileName(cfgPerMachine),
              "HKEY_LOCAL_MACHINE\\Software\\Quorvale\\Zelvane");
    EXPECT_EQ(config.GetPrefFileName(cfgPerUserRoam),
              "HKEY_CURRENT_USER\\Software\\Quorvale\\Zelvane");
    ASSERT_TRUE(config.OpenPref(cfgPerMachine, "Software\\Quorvale\\Zelvane\\"));
    config.SetPrefInteger("", "B", 2);
    config.ClosePref();
    EXPECT_NE(machineHive().find("\"B\"=dword:00000002"), std::string::npos);
}

TEST_F(ConfigBaseTest, OperationsWithoutAnOpenKeyReportTheirError) {
    using platform::MsgIcon;
    boxes.expect("Zelvane Error: GetPrefInteger",
                 "Error reading integer from preferences: GetPrefInteger", MsgIcon::Error);
    boxes.expect("Zelvane Error: SetPrefInteger",
                 "SetPrefInteger: Error writing integer to preferences: SetPrefInteger",
                 MsgIcon::Error);
    boxes.expect("Zelvane Error: GetPrefString",
                 "GetPrefString: Error reading string from preferences: GetPrefString",
                 MsgIcon::Error);
    boxes.expect("Zelvane Error: GetPrefBooleanProc",
                 "GetPrefBooleanProc: Error reading boolean from preferences: GetPrefBooleanProc",
                 MsgIcon::Error);
    boxes.expect("Zelvane Error: GetPrefBinaryProc",
                 "GetPrefBinaryProc: Error reading binary from preferences: GetPrefBinaryProc",
                 MsgIcon::Error);
    boxes.expect("Zelvane Error: ClosePref", "ClosePref: Error: ClosePref", MsgIcon::Error);
    EXPECT_EQ(config.GetPrefInteger("A", "x", 42), 42);
    config.SetPrefInteger("A", "x", 1);
    std::string s = "old";
    config.GetPrefString("A", "x", s, "def");
    EXPECT_EQ(s, "def");
    EXPECT_TRUE(config.GetPrefBoolean("A", "x", true));
    char buffer[4];
    EXPECT_EQ(config.GetPrefBinary("A", "x", 4, buffer), -1);
    config.ClosePref();
    EXPECT_TRUE(boxes.shown().front().bringToForeground);
}

TEST_F(ConfigBaseTest, WrongRegistryTypeGivesTheDefaultAfterABox) {
    writeInt(3);
    ASSERT_TRUE(config.OpenPref(cfgPerUserRoam, kAppearance));
    boxes.expect("Zelvane Error: GetPrefString",
                 "GetPrefString: Invalid data type for 'Menu Style'", platform::MsgIcon::Error);
    std::string s;
    config.GetPrefString("Appearance", "Menu Style", s, "fallback");
    EXPECT_EQ(s, "fallback");
    config.ClosePref();
}

TEST_F(ConfigBaseTest, OpenPrefFailureNamesLocationScopeAndKey) {
    config.setPrefLocation(PrefLocation::File);
    testing_support::writeFile(home.home() / ".config/Haldrun", "a file in the way");
    auto box =
        settings_test::boxContaining("Zelvane OpenPref Error",
                                     "OpenPref Error: Unable to open Preferences.\r\n\r\n"
                                     "PrefLocation: File\r\ncfgDataScope: cfgPerUserRoam\r\n"
                                     "Key: " +
                                         kAppearance + "\r\n\r\nUnable to create the folder");
    box.icon = platform::MsgIcon::Error;
    boxes.expect(box);
    EXPECT_FALSE(config.OpenPref(cfgPerUserRoam, kAppearance));
    EXPECT_FALSE(config.isOpen());
}

TEST_F(ConfigBaseTest, FileLocationKeepsThreeIniFilesByScope) {
    config.setPrefLocation(PrefLocation::File);
    ASSERT_TRUE(config.OpenPref(cfgPerUserRoam, kAppearance));
    EXPECT_EQ(config.GetPrefInteger("Appearance", "Menu Style", 4), 4);
    config.ClosePref();
    EXPECT_EQ(readFile(roamingIni()), "");  // written at close, but reads store nothing

    ASSERT_TRUE(config.OpenPref(cfgPerUserNonRoam, "Software\\Quorvale\\Zelvane\\File Paths"));
    config.SetPrefString("File Paths", "Error Path v", "/x/");
    config.ClosePref();
    EXPECT_EQ(readFile(localIni()), "[File Paths]\nError Path v=/x/\n");

    ASSERT_TRUE(config.OpenPref(cfgPerMachine, "Software\\Quorvale\\Zelvane\\"));
    config.SetPrefBoolean("", "All Users Same", true);
    config.ClosePref();
    EXPECT_EQ(readFile(commonIni()), "[Zelvane]\nAll Users Same=1\n");
    EXPECT_FALSE(hivesExist());

    EXPECT_EQ(config.GetPrefFileName(cfgPerUserNonRoam), localIni());
    EXPECT_EQ(config.GetPrefFileName(7), "");
}

TEST_F(ConfigBaseTest, IniRootSectionFollowsTheDisplayName) {
    config.setPrefLocation(PrefLocation::OnUsb);
    for (const char* name : {"Budget Pro", ""}) {
        config.setDisplayName(name);
        ASSERT_TRUE(config.OpenPref(cfgPerUserRoam, "Software\\Quorvale\\Zelvane\\"));
        config.SetPrefInteger("", "Uses", 3);
        config.ClosePref();
    }
    EXPECT_EQ(readFile(programFolder() + "debt.ini"),
              "[Budget Pro]\nUses=3\n\n[Main Program Settings]\nUses=3\n");
    EXPECT_EQ(config.GetPrefFileName(cfgPerMachine), programFolder() + "debt.ini");
}

TEST_F(ConfigBaseTest, IniBinaryIsUpperCaseHexLowestByteFirst) {
    config.setPrefLocation(PrefLocation::File);
    const double zoom = 1.25;  // 0x3FF4000000000000
    ASSERT_TRUE(config.OpenPref(cfgPerUserRoam, "Software\\Quorvale\\Zelvane\\ReportsForm"));
    config.SetPrefBinary("ReportsForm", "Zoom Percentage", 8, &zoom);
    config.ClosePref();
    EXPECT_EQ(readFile(roamingIni()), "[ReportsForm]\nZoom Percentage=000000000000F43F\n");

    double back = 0;
    ASSERT_TRUE(config.OpenPref(cfgPerUserRoam, "Software\\Quorvale\\Zelvane\\ReportsForm"));
    EXPECT_EQ(config.GetPrefBinary("ReportsForm", "Zoom Percentage", 8, &back), 8);
    EXPECT_EQ(back, 1.25);
    boxes.expect("Zelvane Error: GetPrefBinaryProc",
                 "GetPrefBinaryProc: Buffer overflow: GetPrefBinary_File",
                 platform::MsgIcon::Error);
    char small[4];
    EXPECT_EQ(config.GetPrefBinary("ReportsForm", "Zoom Percentage", 4, small), -1);
    EXPECT_EQ(config.GetPrefBinary("ReportsForm", "Missing", 8, &back), -1);
    config.ClosePref();
}

TEST_F(ConfigBaseTest, IniIntegersAndBooleans) {
    config.setPrefLocation(PrefLocation::OnUsb);
    testing_support::writeFile(programFolder() + "debt.ini",
                               "[A]\nhex=$1F\nhex2=0x10\nbad=12abc\nneg=-7\nflag=5\nnoflag=0\n");
    ASSERT_TRUE(config.OpenPref(cfgPerUserRoam, "x"));
    EXPECT_EQ(config.GetPrefInteger("A", "hex", 0), 31);
    EXPECT_EQ(config.GetPrefInteger("A", "hex2", 0), 16);
    EXPECT_EQ(config.GetPrefInteger("A", "bad", 9), 9);
    EXPECT_EQ(config.GetPrefInteger("A", "neg", 0), -7);
    EXPECT_TRUE(config.GetPrefBoolean("A", "flag", false));
    EXPECT_FALSE(config.GetPrefBoolean("A", "noflag", true));
    config.SetPrefBoolean("A", "flag", true);
    config.ClosePref();
    EXPECT_NE(readFile(programFolder() + "debt.ini").find("flag=1\n"), std::string::npos);
}

TEST_F(ConfigBaseTest, FailedIniWriteIsReportedAndTheOldFileStays) {
    config.setPrefLocation(PrefLocation::OnUsb);
    const std::string path = programFolder() + "debt.ini";
    testing_support::writeFile(path, "[Backup]\nDays=3\n");
    ASSERT_TRUE(config.OpenPref(cfgPerUserRoam, "x"));
    config.SetPrefInteger("Backup", "Days", 9);
    platform::failNthWrite(1);
    boxes.expect(settings_test::boxContaining("Zelvane Error: ClosePref", "ClosePref: "));
    config.ClosePref();
    EXPECT_EQ(readFile(path), "[Backup]\nDays=3\n");
    EXPECT_FALSE(config.isOpen());
}

TEST_F(ConfigBaseTest, ExeDriveRoundTripFollowsTheProgramToAnotherDrive) {
    config.setPrefLocation(PrefLocation::OnUsb);
    const std::string driveF = program().driveRoot;
    ASSERT_TRUE(config.OpenPref(cfgPerUserNonRoam, "Software\\Quorvale\\Zelvane\\Backup"));
    config.SetPrefPath("Backup", "Backup Folder", driveF + "Plans/");
    std::string stored;
    config.GetPrefString("Backup", "Backup Folder", stored, "");
    EXPECT_EQ(stored, "[ExeDrive]\\Plans/");
    config.ClosePref();

    settings::ProgramLocation moved = program();
    moved.driveRoot = "/media/G/";
    TConfigBase elsewhere(registry, boxes, moved);
    elsewhere.setPrefLocation(PrefLocation::OnUsb);
    ASSERT_TRUE(elsewhere.OpenPref(cfgPerUserNonRoam, "Software\\Quorvale\\Zelvane\\Backup"));
    std::string path;
    elsewhere.GetPrefPath("Backup", "Backup Folder", path, "");
    elsewhere.ClosePref();
    EXPECT_EQ(path, "/media/G/Plans/");
    EXPECT_EQ(elsewhere.expandStoredPath("[exedrive]\\a/[EXEDRIVE]\\b"), "/media/G/a//media/G/b");
    // Only a leading drive root is folded.
    EXPECT_EQ(elsewhere.foldPathForStore("/srv/media/G/x"), "/srv/media/G/x");
}

TEST_F(ConfigBaseTest, PathsOutsideThePortableLocationUseFolderMacros) {
    ASSERT_TRUE(config.OpenPref(cfgPerUserRoam, "Software\\Quorvale\\Zelvane\\Backup"));
    config.SetPrefPath("Backup", "Backup Folder", (home.home() / "Documents/Plans/").string());
    std::string stored;
    std::string path;
    config.GetPrefString("Backup", "Backup Folder", stored, "");
    config.GetPrefPath("Backup", "Backup Folder", path, "");
    config.ClosePref();
    EXPECT_EQ(stored, "[My Documents]\\Plans/");
    EXPECT_EQ(path, (home.home() / "Documents/Plans/").string());
}

}  // namespace
