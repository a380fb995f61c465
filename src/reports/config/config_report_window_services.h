#pragma once

// The report windows' services backed by the program's configuration object: "Zoom
// Percentage" and "Use Temporary Footer" with the sections that store them, the
// temporary footer font, "Button Alignment", the display name, window positions, toolbar
// layouts and the screen fonts.

#include "reports/preview/report_window_services.h"
#include "settings/config_manager.h"

namespace reports {

class ConfigReportWindowServices : public ReportWindowServices {
  public:
    // The configuration object must outlive the services.
    explicit ConfigReportWindowServices(settings::TConfigManager& config) : config_(config) {}

    double zoomPercentage() const override { return config_.ZoomPercentage; }
    void setZoomPercentage(double percent) override { config_.ZoomPercentage = percent; }
    void saveReportsFormSection() override;
    bool useTempFooter() const override { return config_.UseTemporaryFooter; }
    void setUseTempFooter(bool on) override { config_.UseTemporaryFooter = on; }
    void saveTempFooterSection() override;
    FontSpec tempFooterFont() const override;
    int buttonAlignment() const override { return config_.ButtonAlignment; }
    std::string displayName() const override { return config_.displayName(); }
    bool loadFormPosition(QWidget& form, const QString& name) override;
    void saveFormPosition(QWidget& form, const QString& name) override;
    QByteArray loadToolbarLayout(const QString& formName) override;
    void saveToolbarLayout(const QString& formName, const QByteArray& state) override;
    void applyScreenFonts(QWidget& form) override;

  private:
    settings::TConfigManager& config_;
};

}  // namespace reports
