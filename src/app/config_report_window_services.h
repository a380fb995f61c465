#pragma once

// The report windows' services backed by the program's configuration: settings of the
// sections "Reports" and "ReportsForm", window positions, toolbar layouts, screen fonts,
// the menu look and the help window.

#include <functional>
#include <string>

#include "reports/preview/report_window_services.h"
#include "settings/config_manager.h"

namespace app {

class ConfigReportWindowServices final : public reports::ReportWindowServices {
  public:
    // `config` must outlive this object.
    ConfigReportWindowServices(settings::TConfigManager& config, std::string displayName,
                               std::function<void(const std::string&)> showHelp);

    double zoomPercentage() const override { return config_.ZoomPercentage; }
    void setZoomPercentage(double percent) override { config_.ZoomPercentage = percent; }
    void saveReportsFormSection() override;
    bool useTempFooter() const override { return config_.UseTemporaryFooter; }
    void setUseTempFooter(bool on) override { config_.UseTemporaryFooter = on; }
    void saveTempFooterSection() override;
    reports::FontSpec tempFooterFont() const override;
    int buttonAlignment() const override { return config_.ButtonAlignment; }
    std::string displayName() const override { return displayName_; }
    bool loadFormPosition(QWidget& form, const QString& name) override;
    void saveFormPosition(QWidget& form, const QString& name) override;
    QByteArray loadToolbarLayout(const QString& formName) override;
    void saveToolbarLayout(const QString& formName, const QByteArray& state) override;
    void applyScreenFonts(QWidget& form) override;
    void applyMenuAppearance(QMainWindow& window) override;
    void showHelp(const QString& topic) override;

  private:
    settings::TConfigManager& config_;
    std::string displayName_;
    std::function<void(const std::string&)> showHelp_;
};

}  // namespace app
