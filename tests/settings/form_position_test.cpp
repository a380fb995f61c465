#include "settings/form_position.h"

#include <gtest/gtest.h>

#include "settings_fixture.h"

namespace {

using settings::FormRect;
using settings::ScreenMetrics;

// A window as the positioning sees it, without any window system.
class FakeForm final : public settings::PositionedForm {
  public:
    std::string componentName() const override { return "MainWin"; }
    FormRect bounds() const override { return rect; }
    FormRect normalBounds() const override { return rect; }
    void setPosition(int left, int top) override {
        rect.left = left;
        rect.top = top;
    }
    void setSize(int width, int height) override {
        rect.width = width;
        rect.height = height;
    }
    bool isSizeable() const override { return sizeable; }
    bool canMaximize() const override { return maximizable; }
    bool isMaximized() const override { return maximized; }
    void setMaximized(bool m) override { maximized = m; }

    FormRect rect{0, 0, 640, 480};
    bool sizeable = true;
    bool maximizable = true;
    bool maximized = false;
};

ScreenMetrics twoMonitors(int ppi = 96) {
    ScreenMetrics s;
    s.screenWidth = 1920;
    s.screenHeight = 1080;
    s.virtualWidth = 3840;
    s.virtualHeight = 1080;
    s.ppiX = s.ppiY = ppi;
    s.monitors = {{0, 0, 1920, 1080}, {2000, 0, 1840, 1080}};  // a gap at 1920..2000
    return s;
}

class FormPositionTest : public settings_test::SettingsFixture, public ::testing::Test {
  protected:
    void save(FormRect r, bool maximized, int ppi = 96) {
        FakeForm f;
        f.rect = r;
        f.maximized = maximized;
        settings::SaveFormPosition(config, f, twoMonitors(ppi));
        EXPECT_FALSE(f.maximized);  // saving puts the window into its normal state
    }
    settings::TConfigBase config{registry, boxes, program()};
};

TEST(FormPositionRecordTest, TwentyFiveLittleEndianBytes) {
    const settings::FormPositionRecord r{-8, 300, 1024, 768, true, 120, 96};
    const auto b = settings::encodeFormPosition(r);
    const std::array<std::uint8_t, 25> expected = {0xF8, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0, 0x00,
                                                   0x04, 0,    0,    0x00, 0x03, 0,    0, 1, 120,
                                                   0,    0,    0,    96,   0,    0,    0};
    EXPECT_EQ(b, expected);
    const auto back = settings::decodeFormPosition(b.data());
    EXPECT_EQ(back.left, -8);
    EXPECT_EQ(back.height, 768);
    EXPECT_TRUE(back.maximized);
    EXPECT_EQ(back.ppiX, 120);
}

TEST_F(FormPositionTest, SavedPositionComesBackUnderTheDefaultName) {
    save({100, 50, 800, 600}, true);
    EXPECT_NE(userHive().find("\"debt_MainWin\"=hex:64,00,00,00,32,00,00,00,20,03,00,00,"
                              "58,02,00,00,01,60,00,00,00,60,00,00,00"),
              std::string::npos);
    FakeForm f;
    EXPECT_TRUE(settings::LoadFormPosition(config, f, twoMonitors()));
    EXPECT_EQ(f.rect.left, 100);
    EXPECT_EQ(f.rect.top, 50);
    EXPECT_EQ(f.rect.width, 800);
    EXPECT_EQ(f.rect.height, 600);
    EXPECT_TRUE(f.maximized);
}

TEST_F(FormPositionTest, OtherResolutionKeepsTheDesignedSize) {
    save({100, 50, 800, 600}, false, 120);
    FakeForm f;
    EXPECT_TRUE(settings::LoadFormPosition(config, f, twoMonitors(96)));
    EXPECT_EQ(f.rect.left, 100);
    EXPECT_EQ(f.rect.top, 50);
    EXPECT_EQ(f.rect.width, 640);
    EXPECT_EQ(f.rect.height, 480);
}

TEST_F(FormPositionTest, FixedSizeAndNonMaximizableFormsKeepSizeAndGoNormal) {
    save({10, 20, 800, 600}, true);
    FakeForm f;
    f.sizeable = false;
    f.maximizable = false;
    EXPECT_TRUE(settings::LoadFormPosition(config, f, twoMonitors()));
    EXPECT_EQ(f.rect.width, 640);
    EXPECT_FALSE(f.maximized);
}

TEST_F(FormPositionTest, PositionBeyondTheVirtualDesktopIsCentred) {
    save({5000, 50, 800, 600}, false);
    FakeForm f;
    EXPECT_FALSE(settings::LoadFormPosition(config, f, twoMonitors()));
    EXPECT_EQ(f.rect.left, 640);  // (1920 - 640) / 2
    EXPECT_EQ(f.rect.top, 300);
}

TEST_F(FormPositionTest, PositionInTheGapBetweenMonitorsIsCentredButCounts) {
    save({1925, 10, 60, 60}, false);
    FakeForm f;
    EXPECT_TRUE(settings::LoadFormPosition(config, f, twoMonitors()));
    EXPECT_EQ(f.rect.left, 930);  // (1920 - 60) / 2
    EXPECT_EQ(f.rect.top, 510);
}

TEST_F(FormPositionTest, NothingStoredCentresWithHalfToEven) {
    FakeForm f;
    f.rect = {0, 0, 641, 481};
    ScreenMetrics s = twoMonitors();
    EXPECT_FALSE(settings::LoadFormPosition(config, f, s));
    EXPECT_EQ(f.rect.left, 640);  // 639.5 -> 640
    EXPECT_EQ(f.rect.top, 300);   // 299.5 -> 300
    f.rect = {0, 0, 643, 483};
    settings::LoadFormPosition(config, f, s);
    EXPECT_EQ(f.rect.left, 638);  // 638.5 -> 638
}

TEST_F(FormPositionTest, AnotherValueNameAndTheIniLocation) {
    config.setPrefLocation(settings::PrefLocation::File);
    FakeForm f;
    f.rect = {1, 2, 300, 200};
    settings::SaveFormPosition(config, f, twoMonitors(), "Budget");
    EXPECT_EQ(testing_support::readFile(localIni()),
              "[Windows]\nBudget=0100000002000000"
              "2C010000C80000000060000000600000"
              "00\n");
    FakeForm g;
    EXPECT_TRUE(settings::LoadFormPosition(config, g, twoMonitors(), "Budget"));
    EXPECT_EQ(g.rect.width, 300);
}

}  // namespace
