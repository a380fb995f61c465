#include "app/plan_report_preview.h"

#include <memory>

#include "reports/config/program_report_inputs.h"
#include "reports/generate/frm_report.h"
#include "reports/generate/frm_report2.h"
#include "reports/preview/frm_preview.h"
#include "reports/preview/qt_printer_catalog.h"
#include "reports/render/qt_text_measurer.h"
#include "reports/status/frm_report_status.h"

namespace app {

void previewPlanReport(const PlanReportContext& context, QWidget* owner, int reductionPlan) {
    reports::ReportInputs inputs =
        reports::programReportInputs(context.config, context.plan.ActivePlan, context.plan.NumDebts,
                                     context.footer, context.boxes, owner);
    std::unique_ptr<reports::ReportFrame> report;
    if (reductionPlan == 2) {
        report = std::make_unique<reports::TfrmReport2>(std::move(inputs));
    } else {
        report = std::make_unique<reports::TfrmReport>(std::move(inputs));
    }

    reports::PageStream pages;
    const reports::QtTextMeasurer measurer;
    if (!reports::runPreviewReport(*report, pages, measurer, context.services, context.boxes,
                                   owner)) {
        return;
    }
    reports::QtPrinterCatalog printers;
    reports::TfrmPreview preview(pages, context.services, printers, context.printSettings,
                                 context.boxes, owner);
    preview.exec();
}

}  // namespace app
