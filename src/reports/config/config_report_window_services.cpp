#include "reports/config/config_report_window_services.h"

#include "app/qt_form_position.h"
#include "app/qt_screen_fonts.h"
#include "reports/generate/report_settings.h"
#include "settings/toolbar_layouts.h"

namespace reports {

void ConfigReportWindowServices::saveReportsFormSection() {
    config_.SaveSettings(settings::kReportsForm);
}

void ConfigReportWindowServices::saveTempFooterSection() {
    config_.SaveSettings(settings::kReports);
}

FontSpec ConfigReportWindowServices::tempFooterFont() const {
    return toFontSpec(config_.TempFooterFont);
}

bool ConfigReportWindowServices::loadFormPosition(QWidget& form, const QString& name) {
    return app::LoadFormPosition(config_, &form, name.toStdString());
}

void ConfigReportWindowServices::saveFormPosition(QWidget& form, const QString& name) {
    app::SaveFormPosition(config_, &form, name.toStdString());
}

QByteArray ConfigReportWindowServices::loadToolbarLayout(const QString& formName) {
    settings::ToolbarLayoutStore store(config_);
    const auto layout = store.load(formName.toStdString());
    if (!layout)
        return {};
    return QByteArray(reinterpret_cast<const char*>(layout->data()),
                      static_cast<qsizetype>(layout->size()));
}

void ConfigReportWindowServices::saveToolbarLayout(const QString& formName,
                                                   const QByteArray& state) {
    settings::ToolbarLayoutStore store(config_);
    store.save(formName.toStdString(), std::vector<std::uint8_t>(state.begin(), state.end()));
}

void ConfigReportWindowServices::applyScreenFonts(QWidget& form) {
    app::ApplyScreenFonts(&form, config_);
}

}  // namespace reports
