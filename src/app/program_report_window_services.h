#pragma once

// The report windows' services as the running program offers them: the configuration's
// settings (from reports::ConfigReportWindowServices) plus the display name in force, the
// main window's menu look and the help window.

#include <functional>
#include <string>

#include "reports/config/config_report_window_services.h"

namespace app {

class ProgramReportWindowServices final : public reports::ConfigReportWindowServices {
  public:
    // `config` must outlive this object.
    ProgramReportWindowServices(settings::TConfigManager& config, std::string displayName,
                                std::function<void(const std::string&)> showHelp);

    std::string displayName() const override { return displayName_; }
    void applyMenuAppearance(QMainWindow& window) override;
    void showHelp(const QString& topic) override;

  private:
    settings::TConfigManager& config_;
    std::string displayName_;
    std::function<void(const std::string&)> showHelp_;
};

}  // namespace app
