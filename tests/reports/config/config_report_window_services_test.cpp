// The report windows' settings go through the configuration object and survive a restart.

#include "reports/config/config_report_window_services.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "settings_fixture.h"

namespace reports {
namespace {

class ConfigServicesTest : public settings_test::SettingsFixture, public ::testing::Test {
  protected:
    std::unique_ptr<settings::TConfigManager> freshConfig() {
        auto c = std::make_unique<settings::TConfigManager>(registry, boxes, program(),
                                                            platform::LocaleInfo::englishUS());
        c->ReadPrefLocation();
        c->LoadSettings(settings::kAllSections);
        return c;
    }
};

TEST_F(ConfigServicesTest, ZoomAndTemporaryFooterSurviveARestart) {
    {
        auto config = freshConfig();
        ConfigReportWindowServices services(*config);
        EXPECT_EQ(services.zoomPercentage(), 0);
        EXPECT_TRUE(services.useTempFooter());
        EXPECT_EQ(services.tempFooterFont(), (FontSpec{"Tahoma", 14, Color::fromColorRef(128)}));
        EXPECT_EQ(services.displayName(), "Zelvane");
        services.setZoomPercentage(150);
        services.saveReportsFormSection();
        services.setUseTempFooter(false);
        services.saveTempFooterSection();
    }
    auto config = freshConfig();
    ConfigReportWindowServices services(*config);
    EXPECT_EQ(services.zoomPercentage(), 150);
    EXPECT_FALSE(services.useTempFooter());
}

TEST_F(ConfigServicesTest, WindowPositionAndToolbarLayoutRoundTrip) {
    QByteArray layout("\x01\x02layout", 8);
    {
        auto config = freshConfig();
        ConfigReportWindowServices services(*config);
        QWidget window;
        window.setGeometry(40, 50, 300, 200);
        EXPECT_FALSE(services.loadFormPosition(window, QStringLiteral("frmPreview")));
        services.saveFormPosition(window, QStringLiteral("frmPreview"));
        EXPECT_TRUE(services.loadToolbarLayout(QStringLiteral("frmPreview")).isEmpty());
        services.saveToolbarLayout(QStringLiteral("frmPreview"), layout);
    }
    auto config = freshConfig();
    ConfigReportWindowServices services(*config);
    QWidget window;
    EXPECT_TRUE(services.loadFormPosition(window, QStringLiteral("frmPreview")));
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_EQ(services.loadToolbarLayout(QStringLiteral("frmPreview")), layout);
}

}  // namespace
}  // namespace reports
