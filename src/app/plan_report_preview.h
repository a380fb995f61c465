#pragma once

// Create Report while the report selection dialogs are not built: runs the sections the
// plan has chosen in its report options through the status dialog and shows the pages in
// the preview, from where they can be printed or exported as PDF.

#include <QWidget>

#include "plan/plan_state.h"
#include "platform/message_boxes.h"
#include "reports/engine/temp_footer.h"
#include "reports/preview/print_settings.h"
#include "reports/preview/report_window_services.h"
#include "settings/config_manager.h"

namespace app {

struct PlanReportContext {
    const settings::TConfigManager& config;
    const plan::PlanState& plan;
    const reports::TempFooter& footer;
    reports::ReportWindowServices& services;
    reports::PrintSettings& printSettings;  // kept for the program run
    platform::MessageBoxes& boxes;
};

// `reductionPlan` 1 or 3 runs the debt elimination report, 2 the consolidation report.
void previewPlanReport(const PlanReportContext& context, QWidget* owner, int reductionPlan);

}  // namespace app
