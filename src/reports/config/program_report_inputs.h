#pragma once

// The inputs of a report run inside the program: the plan in memory, every report setting
// of the configuration object, the temporary footer, the system locale's day names and
// today's date, and the program's message boxes for the page-limit question.

#include <QWidget>

#include "reports/generate/report_inputs.h"
#include "settings/config_manager.h"

namespace reports {

ReportInputs programReportInputs(const settings::TConfigManager& config,
                                 const plan::TClientRec& plan, int numDebts,
                                 const TempFooter& tempFooter, platform::MessageBoxes& boxes,
                                 QWidget* owner = nullptr);

}  // namespace reports
