// The main window's start-up and shutdown steps.

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolBar>
#include <algorithm>

#include "app/activity_trail.h"
#include "app/environment_text.h"
#include "app/qt_button_row.h"
#include "app/qt_form_position.h"
#include "app/qt_printers.h"
#include "app/qt_screen_fonts.h"
#include "app/quick_start.h"
#include "plan/plan_file_store.h"
#include "settings/toolbar_layouts.h"
#include "ui/debt_list_delegate.h"
#include "ui/main_win.h"
#include "ui/main_win_support.h"
#include "ui/menu_appearance.h"
#include "ui/new_plan_defaults.h"
#include "ui/plan_password_lookup.h"

namespace ui {

using namespace main_win_detail;

// ---------------------------------------------------------------- start-up and shutdown

void TMainWin::FormCreate() {
    app::CurrentActivity().clear();

    // 2. The configuration: location, every setting, the running version.
    config_ = std::make_unique<settings::TConfigManager>(*services_.registry, *services_.boxes,
                                                         services_.program, services_.locale);
    config_->onBusy = [](bool busy) {
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    };
    // Message boxes take their owner as the QWidget* itself.
    QWidget* const owner = this;
    config_->setApplicationWindow(owner);
    config_->mainWindow = owner;
    config_->setDisplayName(state_.DisplayName);
    config_->ReadPrefLocation();
    config_->LoadSettings(settings::kAllSections);
    config_->StoreVersion(services_.version);

    // 3. The program customization comes with its own work; DisplayName stays as it is.
    setWindowTitle(qs(state_.DisplayName));

    // 4. Count this run.
    if (app::CountRun(config_->Uses))
        config_->SaveSettings(settings::kRootSection);

    // 5.-8. Data file, shared folder, sample data, backup at start.
    state_.ProgramFolder = services_.program.folder;
    const app::DataFileResult dataFile = app::PrepareDataFile(
        static_cast<int>(config_->prefLocation()), state_.ProgramFolder, services_.dataFileHooks);
    state_.DataFilePath = dataFile.dataFilePath;
    if (dataFile.existed && (config_->BackupOnStart || IsBackupNeeded()))
        requestBackup();

    // 9. Screen size.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        state_.ScreenWidth = screen->geometry().width();
        state_.ScreenHeight = screen->geometry().height();
    }

    // A fixed single border around the designed client area.
    // The toolbar folds what does not fit behind its extension button, so the width is
    // the client's.
    adjustSize();
    setFixedSize(std::max(client_->width(), minimumSizeHint().width()), sizeHint().height());

    // 10. Window position.
    app::LoadFormPosition(*config_, this);

    // 11. The splash screen comes with its own work.

    // 12. Printers and the quick start guide.
    state_.PrinterCount = app::GetNumPrinters();
    const bool quickStart = app::QuickStartAvailable(*services_.registry, state_.ProgramFolder);
    mnuQuickStart->setVisible(quickStart);
    if (services_.launcher && quickStart &&
        app::QuickStartAtStartup(*services_.registry, settings::kProductName)) {
        app::LaunchQuickStart(*services_.registry, *services_.launcher, state_.ProgramFolder,
                              std::string(settings::kProductName) + ":", app::kQuickStartDocument);
    }

    // 13. The diagnostics hot key; an application-wide shortcut works only while the
    // program is active, as the hot key is registered only then.
    auto* hotKey =
        new QShortcut(QKeySequence(Qt::ALT | Qt::CTRL | Qt::SHIFT | Qt::META | Qt::Key_3), this);
    hotKey->setContext(Qt::ApplicationShortcut);
    connect(hotKey, &QShortcut::activated, this, [this] {
        if (onDiagnosticsHotKey)
            onDiagnosticsHotKey();
    });
}

void TMainWin::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TMainWin::layoutAtFirstShowing() {
    const int clientWidth = client_->width();
    ScaleX = clientWidth / static_cast<double>(kDesignedWidth);
    if (ScaleX == 0)
        ScaleX = 1.0;

    // The window's own button row is always laid out the same way.
    app::ButtonRowState& row = state_.ButtonRow;
    row.mode = app::ButtonAlignment::Left;
    row.lastLeft = -1;
    app::PlaceButton(row, btnAdd, app::kFirstFromLeft, clientWidth, 4, ScaleX);
    for (QPushButton* b : {btnEdit, btnDelete, btnRemoveAll})
        app::PlaceButton(row, b, app::kFollowing, clientWidth, 4, ScaleX);
    row.mode = app::ButtonAlignment::Right;
    app::PlaceButton(row, btnReports, app::kFirstFromRight, clientWidth, 2, ScaleX);
    app::PlaceButton(row, btnCalc, app::kFollowing, clientWidth, 2, ScaleX);
    // Every other dialog follows "Button Alignment".
    row.mode = config_->ButtonAlignment == 0   ? app::ButtonAlignment::Left
               : config_->ButtonAlignment == 1 ? app::ButtonAlignment::Centre
                                               : app::ButtonAlignment::Right;
    row.lastLeft = -1;

    const QSignalBlocker b1(cmbxReductionPlan), b2(cmbxPriorityMethod), b3(cmbxConMethod),
        b4(cmbxConAPREff);
    cmbxReductionPlan->setCurrentIndex(clampIndex(config_->LastReductionPlan, 3));
    cmbxPriorityMethod->setCurrentIndex(clampIndex(config_->LastPriorityMethod, 11));
    cmbxConMethod->setCurrentIndex(clampIndex(config_->LastConsolidationMethod, 3));
    cmbxConAPREff->setCurrentIndex(clampIndex(config_->LastConsolidationRateMethod, 2));
}

void TMainWin::FormShow() {
    layoutAtFirstShowing();

    // 14. A new plan, shown.
    InitializeValues();
    plan_.PlanPassword = plan_.SavedPlan.Password.bytes();
    plan_.ActivePlan = plan_.SavedPlan;
    PutClientToScreen();

    // 15. The plan of the last run.
    loadLastPlan();

    // 16. The password prompt comes with the plan password's own work.

    // 17. Toolbar layout, discarded first when a newer version ran last.
    settings::ToolbarLayoutStore layouts(*config_);
    layouts.discardIfNewer(config_->PreviousVersion, services_.version);
    if (const auto layout = layouts.load(kMainWindowName)) {
        restoreState(QByteArray(reinterpret_cast<const char*>(layout->data()),
                                static_cast<qsizetype>(layout->size())));
    }

    // 18. Apply the configuration.
    ApplyConfig();
}

void TMainWin::loadLastPlan() {
    if (config_->LastIndex < 0) {
        plan_.PlanPassword = FirstPlanPassword(state_.DataFilePath);
        return;
    }
    try {
        plan_.PlanIndex = config_->LastIndex;
        const plan::LoadResult result =
            plan::PlanFileStore(state_.DataFilePath).GetTheClient(plan_.PlanIndex, plan_);
        if (result != plan::LoadResult::Loaded && result != plan::LoadResult::LoadedRecordZero)
            return;
        PutClientToScreen();
        setPlanTitle();
        config_->LastReductionPlan = std::clamp<int>(plan_.ActivePlan.ReductionPlan, 1, 3) - 1;
        EnableDisable();
    } catch (const std::exception&) {
        config_->LastIndex = 0;
    }
}

void TMainWin::setPlanTitle() {
    setWindowTitle(qs(state_.DisplayName + "  (" + plan_.ActivePlan.PlanName.text() + ")"));
}

void TMainWin::InitializeValues() {
    const plan::Date today = services_.today ? services_.today() : systemToday();
    plan_.InitializeValues(NewPlanDefaultsFrom(*config_), today);
    if (hooks.newPlanStarted)
        hooks.newPlanStarted();
}

void TMainWin::ApplyConfig() {
    if (hooks.errorLogFolder)
        hooks.errorLogFolder(app::ExpandEnvironmentText(config_->ErrorPathV));
    app::ApplyScreenFonts(this, *config_);
    if (auto* heading = findChild<QLabel*>(QStringLiteral("lblDebtPlanInformation"))) {
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
    }
    delegate_->setRowHeight(QFontMetrics(lstbxDebt->font()).height() + 4);
    const QString helpCaption = qs(state_.DisplayName + " &Help...");
    mnuHelp->setText(helpCaption);
    mnuHelp->setToolTip(helpCaption);
    mnuHelp->setStatusTip(helpCaption);
    ui::applyMenuAppearance(*this, config_->MenuStyle, config_->MenuAnimation);
    update();
    ChangeReduction();
    AdjustDebtTitles();
    EnableDisable();
}

bool TMainWin::IsBackupNeeded() const {
    return app::IsBackupNeeded(config_->BackupScheduleDays, config_->Days, config_->LastBackup,
                               app::TodayAsDayCount());
}

void TMainWin::requestBackup() {
    if (state_.Crashed || !services_.dataFileHooks.requestBackup)
        return;
    services_.dataFileHooks.requestBackup(state_.DataFilePath);
}

void TMainWin::Shutdown() {
    if (ShutdownDone)
        return;
    ShutdownDone = true;
    app::SaveFormPosition(*config_, this);
    config_->LastIndex = plan_.PlanIndex;
    config_->SaveSettings(settings::kMainForm);
}

void TMainWin::FormClose() {
    Shutdown();
    settings::ToolbarLayoutStore(*config_).save(kMainWindowName, toBytes(saveState()));
    if (config_->BackupOnClose || IsBackupNeeded())
        requestBackup();
    if (onClosed)
        onClosed();
}

void TMainWin::closeEvent(QCloseEvent* event) {
    if (!ShutdownDone && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    if (!ShutdownDone)
        FormClose();
    event->accept();
}

void TMainWin::ExitNow() {
    close();
}

void TMainWin::bringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TMainWin::endSession() {
    state_.SessionEnding = true;
    close();
}

}  // namespace ui
