// The main window's commands behind the menus, the toolbar and the window's buttons.
// Windows that belong to other work are reached through `hooks`; an empty hook leaves its
// command without effect.

#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "app/quick_start.h"
#include "calc/number_text.h"
#include "plan/plan_file_store.h"
#include "ui/main_win.h"
#include "ui/open_save/frm_open_debt.h"

namespace ui {
namespace {

QWidget* asOwner(TMainWin* window) {
    return window;
}

}  // namespace

void TMainWin::DoNew() {
    if (PutScreenToClient() && CheckForChanges()) {
        InitializeValues();
        plan_.ActivePlan = plan_.SavedPlan;
        PutClientToScreen();
        setWindowTitle(QString::fromStdString(state_.DisplayName));
    }
    EnableDisable();
}

void TMainWin::DoOpen() {
    if (!PutScreenToClient() || !CheckForChanges() || !openPlan)
        return;
    const std::optional<int> record = openPlan(this, plan_);
    if (!record)
        return;
    const plan::LoadResult result =
        loadChosenPlan(*record, plan_, plan::PlanFileStore(state_.DataFilePath));
    if (result == plan::LoadResult::Loaded || result == plan::LoadResult::LoadedRecordZero)
        showLoadedPlan();
}

void TMainWin::showLoadedPlan() {
    setPlanTitle();
    config_->LastReductionPlan = std::clamp<int>(plan_.ActivePlan.ReductionPlan, 1, 3) - 1;
    PutClientToScreen();
    ReloadDebtBox();
    ChangeReduction();
}

bool TMainWin::DoSaveAs() {
    if (!PutScreenToClient())
        return false;
    const bool stored = saveAs && saveAs();
    if (stored)
        setPlanTitle();
    return stored;
}

void TMainWin::DoReports() {
    if (plan_.NumDebts == 0) {
        platform::showOk(*services_.boxes, "Error", "No debts have been entered yet.",
                         platform::MsgIcon::Warning, asOwner(this));
        return;
    }
    if (!PutScreenToClient())
        return;
    if (hooks.reports)
        hooks.reports(this, std::clamp<int>(plan_.ActivePlan.ReductionPlan, 1, 3));
}

void TMainWin::DoCalcSingle() {
    const int row = lstbxDebt->currentRow();
    if (row < 0) {
        platform::showOk(*services_.boxes, "Error", "No debt is currently selected.",
                         platform::MsgIcon::Warning, asOwner(this));
        return;
    }
    if (hooks.whatIf)
        hooks.whatIf(this, row + 1);
}

void TMainWin::DoBudget(bool useResult) {
    if (!hooks.budget)
        return;
    const std::optional<double> amount = hooks.budget(this, useResult);
    if (useResult && amount) {
        cxedtExtraPayment->setText(QString::fromStdString(
            calc::FormatAmount(std::max(*amount, 0.0), 2, false, services_.locale)));
    }
}

void TMainWin::btnBudgetClick() {
    if (PutScreenToClient())
        DoBudget(true);
}

void TMainWin::mnuBudgetClick() {
    DoBudget(cmbxExtraPmtSrc->currentIndex() == 1);
}

void TMainWin::DoVariablePmt() {
    if (hooks.variablePayment)
        hooks.variablePayment(this);
    CheckVariable();
}

void TMainWin::mnuBackupClick() {
    if (hooks.backupNow)
        hooks.backupNow(this);
}

void TMainWin::mnuRestoreClick() {
    if (hooks.restoreBackup)
        hooks.restoreBackup(this);
}

void TMainWin::mnuPasswordClick() {
    if (hooks.password)
        hooks.password(this);
}

void TMainWin::mnuConfigureBugReporterClick() {
    if (hooks.bugReporter)
        hooks.bugReporter(state_.DisplayName, kSiteAddress);
}

void TMainWin::mnuOptionsPrefsClick() {
    if (!hooks.preferences)
        return;
    hooks.preferences(this);
    postReloadMessage();
}

void TMainWin::mnuTempFooterClick() {
    if (hooks.tempFooter)
        hooks.tempFooter(this);
}

void TMainWin::mnuAboutClick() {
    if (hooks.about)
        hooks.about(this);
}

void TMainWin::mnuRestoreToolbarsClick() {
    menuBar()->show();
    restoreState(designedLayout_);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    toolbar_->show();
}

void TMainWin::mnuRestoreProgDefaultsClick() {
    const std::string path = state_.ProgramFolder + "Pellory.exe";
    std::string program;
    for (const std::string& candidate : {path, path.substr(0, path.size() - 4)}) {
        if (QFileInfo(QString::fromStdString(candidate)).isFile()) {
            program = candidate;
            break;
        }
    }
    if (program.empty()) {
        platform::showOk(*services_.boxes, "Error",
                         "The file, \"" + path +
                             ",\" does not exist.\r\n"
                             "Please reinstall the program in order to recreate this file.",
                         platform::MsgIcon::Error, asOwner(this));
        return;
    }
    // The tool is told which window to come back to.
    if (services_.launcher)
        services_.launcher->startDetached(program, {std::to_string(winId())});
}

void TMainWin::mnuHelpClick() {
    if (showHelp)
        showHelp("About_Zelvane.htm");
}

void TMainWin::mnuQuickStartClick() {
    if (services_.launcher)
        app::LaunchQuickStart(*services_.registry, *services_.launcher, state_.ProgramFolder,
                              std::string(settings::kProductName) + ":", app::kQuickStartDocument);
}

void TMainWin::openSitePage(const std::string& page) {
    const std::string address = kSiteAddress + page + app::GetOrderID(*services_.registry);
    // A browser that does not start is not reported.
    if (hooks.openUrl)
        hooks.openUrl(address);
    else
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void TMainWin::mnuHomePageClick() {
    openSitePage("");
}

void TMainWin::mnuKnowledgebaseClick() {
    openSitePage("kb.htm");
}

void TMainWin::mnuSupportClick() {
    openSitePage("support.htm");
}

void TMainWin::postReloadMessage() {
    QMetaObject::invokeMethod(this, &TMainWin::reloadSettings, Qt::QueuedConnection);
}

void TMainWin::reloadSettings() {
    config_->LoadSettings(settings::kAllSections);
    ApplyConfig();
}

}  // namespace ui
