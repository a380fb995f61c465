// The report settings as the configuration object holds them.

#include "reports/generate/report_settings.h"

#include <gtest/gtest.h>

#include "settings/config_manager.h"
#include "settings_fixture.h"

namespace reports {
namespace {

class ReportSettingsTest : public settings_test::SettingsFixture, public ::testing::Test {};

TEST_F(ReportSettingsTest, DefaultsMatchAFreshConfiguration) {
    settings::TConfigManager config(registry, boxes, program(), platform::LocaleInfo::englishUS());
    config.ReadPrefLocation();
    config.LoadSettings(settings::kAllSections);
    const ReportSettings fromConfig = reportSettingsFrom(config);
    const ReportSettings defaults;
    EXPECT_DOUBLE_EQ(fromConfig.topMargin, defaults.topMargin);
    EXPECT_DOUBLE_EQ(fromConfig.bottomMargin, defaults.bottomMargin);
    EXPECT_EQ(fromConfig.gridHeaderShadeIntensity, defaults.gridHeaderShadeIntensity);
    EXPECT_EQ(fromConfig.gridSubHeaderShadeIntensity, defaults.gridSubHeaderShadeIntensity);
    EXPECT_EQ(fromConfig.usePermanentHeader, defaults.usePermanentHeader);
    EXPECT_EQ(fromConfig.useTemporaryFooter, defaults.useTemporaryFooter);
    EXPECT_EQ(fromConfig.pageInformationFooterFont, defaults.pageInformationFooterFont);
    EXPECT_EQ(fromConfig.persHeaderFont, defaults.persHeaderFont);
    EXPECT_EQ(fromConfig.customHeaderFont, defaults.customHeaderFont);
    EXPECT_EQ(fromConfig.permFooterFont, defaults.permFooterFont);
    EXPECT_EQ(fromConfig.tempFooterFont, defaults.tempFooterFont);
    for (const char* prefix : settings::kReportFontPrefixes) {
        EXPECT_EQ(fromConfig.sectionFont(prefix), defaults.sectionFont(prefix)) << prefix;
    }
}

TEST_F(ReportSettingsTest, ChangedValuesReachTheReport) {
    settings::TConfigManager config(registry, boxes, program(), platform::LocaleInfo::englishUS());
    config.ReadPrefLocation();
    config.LoadSettings(settings::kAllSections);
    config.TopMargin = 1.25;
    config.PrintReportName = false;
    config.PermanentFooterLine[1] = "Footer";
    config.reportFont("FontElimCalendarBody").Style = settings::TFontRec::kItalic;
    config.GridHeaderShadeColor = 0x00FF0000;
    const ReportSettings s = reportSettingsFrom(config);
    EXPECT_DOUBLE_EQ(s.topMargin, 1.25);
    EXPECT_FALSE(s.printReportName);
    EXPECT_EQ(s.permanentFooterLine[1], "Footer");
    EXPECT_FALSE(s.sectionFont("FontElimCalendarBody").bold);
    EXPECT_TRUE(s.sectionFont("FontElimCalendarBody").italic);
    EXPECT_EQ(s.gridHeaderShadeColor, (Color{0, 0, 255}));
}

}  // namespace
}  // namespace reports
