#include "reports/config/program_report_inputs.h"

#include <QDate>
#include <QLocale>

namespace reports {

ReportInputs programReportInputs(const settings::TConfigManager& config,
                                 const plan::TClientRec& plan, int numDebts,
                                 const TempFooter& tempFooter, platform::MessageBoxes& boxes,
                                 QWidget* owner) {
    ReportInputs in;
    in.plan = plan;
    in.numDebts = numDebts;
    in.settings = reportSettingsFrom(config);
    in.tempFooter = tempFooter;
    in.locale = config.locale();
    const QLocale system = QLocale::system();
    for (int i = 0; i < 7; ++i) {
        // Qt numbers the days 1 (Monday) to 7 (Sunday); the calendar starts on Sunday.
        const int qtDay = i == 0 ? 7 : i;
        in.longDayNames[static_cast<std::size_t>(i)] =
            system.dayName(qtDay, QLocale::LongFormat).toStdString();
    }
    const QDate today = QDate::currentDate();
    in.today = {today.year(), today.month(), today.day()};
    in.displayName = config.displayName();
    in.boxes = &boxes;
    in.owner = owner;
    return in;
}

}  // namespace reports
