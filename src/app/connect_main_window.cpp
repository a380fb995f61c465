#include "app/connect_main_window.h"

#include "app/plan_report_preview.h"
#include "app/program_report_window_services.h"
#include "app/qt_screen_fonts.h"
#include "plan/plan_file_store.h"
#include "reports/preview/frm_temp_footer.h"
#include "ui/debt_entry/run_debt_entry.h"
#include "ui/open_save/frm_open_debt.h"
#include "ui/open_save/frm_save_as.h"

namespace app {
namespace {

// What both plan dialogs take from the configuration.
template <class Services>
Services dialogServices(ui::TMainWin& window, platform::MessageBoxes& boxes, HelpViewer& help) {
    Services services;
    services.boxes = &boxes;
    services.buttonAlignment = window.config().ButtonAlignment;
    services.applyScreenFonts = [&window](QWidget& form) {
        ApplyScreenFonts(&form, window.config());
    };
    services.showHelp = [show = help.function()](const QString& topic) {
        show(topic.toStdString());
    };
    return services;
}

// What the report windows share for one program run, owned by the main window.
class ReportContext final : public QObject {
  public:
    ReportContext(ui::TMainWin& window, const ProcessState& state, HelpViewer& help)
        : QObject(&window), services(window.config(), state.DisplayName, help.function()) {
        setObjectName(QStringLiteral("reportContext"));
    }
    reports::TempFooter footer;
    ProgramReportWindowServices services;
    reports::PrintSettings printSettings;
};

}  // namespace

reports::TempFooter* TempFooterOf(ui::TMainWin& window) {
    auto* context = window.findChild<ReportContext*>(QStringLiteral("reportContext"),
                                                     Qt::FindDirectChildrenOnly);
    return context ? &context->footer : nullptr;
}

void ConnectMainWindow(ui::TMainWin& window, platform::MessageBoxes& boxes,
                       const ProcessState& state, HelpViewer& help,
                       ui::PlanFileDialogs* fileDialogs) {
    window.showHelp = help.function();
    window.debtEntry = [&window, &boxes, &state, &help](QWidget* owner, plan::PlanState& plan,
                                                        int debtEntryMode) {
        const ui::DebtEntryServices services =
            ui::debtEntryServicesFrom(window.config(), boxes, state.DisplayName, help.function(),
                                      [&window] { window.ReloadDebtBox(); });
        // The form takes 0 for a new debt, else the number of the debt to edit.
        return ui::runDebtEntry(owner, plan, debtEntryMode == 1 ? 0 : plan.CurrentDebt, services);
    };

    static ui::QtPlanFileDialogs desktopFileDialogs;
    ui::PlanFileDialogs* chooser = fileDialogs ? fileDialogs : &desktopFileDialogs;
    window.openPlan = [&window, &boxes, &state, &help, chooser](QWidget* owner,
                                                                plan::PlanState& plan) {
        auto services = dialogServices<ui::OpenDebtServices>(window, boxes, help);
        services.fileDialogs = chooser;
        return ui::runOpenDebt(owner, plan, plan::PlanFileStore(state.DataFilePath), services);
    };
    window.saveAs = [&window, &boxes, &state, &help] {
        auto services = dialogServices<ui::SaveAsServices>(window, boxes, help);
        services.displayName = state.DisplayName;
        return ui::runSaveAs(&window, window.planState(), plan::PlanFileStore(state.DataFilePath),
                             services);
    };

    auto* reportContext = new ReportContext(window, state, help);
    window.hooks.tempFooter = [reportContext](QWidget* owner) {
        reports::TfrmTempFooter form(reportContext->footer, reportContext->services, owner);
        form.exec();
    };
    window.hooks.newPlanStarted = [reportContext] { reportContext->footer.clear(); };
    window.hooks.reports = [&window, &boxes, reportContext](QWidget* owner, int reductionPlan) {
        previewPlanReport({window.config(), window.planState(), reportContext->footer,
                           reportContext->services, reportContext->printSettings, boxes},
                          owner, reductionPlan);
    };
    window.onClosed = [&help] { help.closeWindow(); };
}

}  // namespace app
