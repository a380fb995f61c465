#include "app/config_report_window_services.h"

#include "app/qt_form_position.h"
#include "app/qt_screen_fonts.h"
#include "settings/toolbar_layouts.h"
#include "ui/menu_appearance.h"

namespace app {

ConfigReportWindowServices::ConfigReportWindowServices(
    settings::TConfigManager& config, std::string displayName,
    std::function<void(const std::string&)> showHelp)
    : config_(config), displayName_(std::move(displayName)), showHelp_(std::move(showHelp)) {}

void ConfigReportWindowServices::saveReportsFormSection() {
    config_.SaveSettings(settings::kReportsForm);
}

void ConfigReportWindowServices::saveTempFooterSection() {
    config_.SaveSettings(settings::kReports);
}

reports::FontSpec ConfigReportWindowServices::tempFooterFont() const {
    const settings::TFontRec& f = config_.TempFooterFont;
    return reports::FontSpec::fromStyleFlags(
        f.Name, f.Size, reports::Color::fromColorRef(static_cast<std::uint32_t>(f.Color)), f.Style);
}

bool ConfigReportWindowServices::loadFormPosition(QWidget& form, const QString& name) {
    return LoadFormPosition(config_, &form, name.toStdString());
}

void ConfigReportWindowServices::saveFormPosition(QWidget& form, const QString& name) {
    SaveFormPosition(config_, &form, name.toStdString());
}

QByteArray ConfigReportWindowServices::loadToolbarLayout(const QString& formName) {
    const auto layout = settings::ToolbarLayoutStore(config_).load(formName.toStdString());
    if (!layout)
        return {};
    return QByteArray(reinterpret_cast<const char*>(layout->data()),
                      static_cast<qsizetype>(layout->size()));
}

void ConfigReportWindowServices::saveToolbarLayout(const QString& formName,
                                                   const QByteArray& state) {
    settings::ToolbarLayoutStore(config_).save(
        formName.toStdString(), std::vector<std::uint8_t>(state.begin(), state.end()));
}

void ConfigReportWindowServices::applyScreenFonts(QWidget& form) {
    ApplyScreenFonts(&form, config_);
}

void ConfigReportWindowServices::applyMenuAppearance(QMainWindow& window) {
    ui::applyMenuAppearance(window, config_.MenuStyle, config_.MenuAnimation);
}

void ConfigReportWindowServices::showHelp(const QString& topic) {
    if (showHelp_)
        showHelp_(topic.toStdString());
}

}  // namespace app
