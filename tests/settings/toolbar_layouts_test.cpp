#include "settings/toolbar_layouts.h"

#include <gtest/gtest.h>

#include "settings_fixture.h"

namespace {

using settings::PrefLocation;

class ToolbarLayoutsTest : public settings_test::SettingsFixture, public ::testing::Test {
  protected:
    settings::TConfigBase config{registry, boxes, program()};
    settings::ToolbarLayoutStore store{config};
    const std::vector<std::uint8_t> layout{0, 0, 0, 0xff, 1, 2};
};

TEST_F(ToolbarLayoutsTest, RegistryLocationsUseTheToolbarsKey) {
    for (auto location : {PrefLocation::Registry, PrefLocation::RegistryClassic}) {
        config.setPrefLocation(location);
        EXPECT_FALSE(store.load("MainWin").has_value());
        ASSERT_TRUE(store.save("MainWin", layout));
        EXPECT_EQ(store.load("mainwin"), layout);
        EXPECT_NE(
            userHive().find("[HKEY_CURRENT_USER\\Software\\Quorvale\\Zelvane\\Toolbars\\MainWin]"),
            std::string::npos);
        store.discardIfNewer("4.0.0", "4.0.0");  // same version: kept
        EXPECT_TRUE(store.load("MainWin").has_value());
        store.discardIfNewer("4.10", "4.9");  // "10" < "9": the stored one is older
        EXPECT_TRUE(store.load("MainWin").has_value());
        store.discardIfNewer("4.1", "4.0.0");
        EXPECT_FALSE(store.load("MainWin").has_value());
    }
}

TEST_F(ToolbarLayoutsTest, IniLocationsUseTheToolbarsFile) {
    config.setPrefLocation(PrefLocation::File);
    const std::string file =
        (home.home() / ".local/state/Haldrun/Zelvane/debt_Toolbars.ini").string();
    EXPECT_EQ(store.layoutFilePath(), file);
    ASSERT_TRUE(store.save("MainWin", layout));
    EXPECT_EQ(testing_support::readFile(file), "[MainWin]\nLayout=000000FF0102\n");
    EXPECT_EQ(store.load("MainWin"), layout);
    store.discardIfNewer("5.0", "4.0.0");
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(hivesExist());

    config.setPrefLocation(PrefLocation::OnUsb);
    EXPECT_EQ(store.layoutFilePath(), programFolder() + "debt_Toolbars.ini");
}

}  // namespace
