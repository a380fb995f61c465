#include "app/program_report_window_services.h"

#include "ui/menu_appearance.h"

namespace app {

ProgramReportWindowServices::ProgramReportWindowServices(
    settings::TConfigManager& config, std::string displayName,
    std::function<void(const std::string&)> showHelp)
    : reports::ConfigReportWindowServices(config),
      config_(config),
      displayName_(std::move(displayName)),
      showHelp_(std::move(showHelp)) {}

void ProgramReportWindowServices::applyMenuAppearance(QMainWindow& window) {
    ui::applyMenuAppearance(window, config_.MenuStyle, config_.MenuAnimation);
}

void ProgramReportWindowServices::showHelp(const QString& topic) {
    if (showHelp_)
        showHelp_(topic.toStdString());
}

}  // namespace app
