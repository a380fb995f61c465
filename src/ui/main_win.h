#pragma once

// The program's main window: the debts of the plan being edited with their totals, the
// panel of the chosen reduction plan and the texts printed on the reports. Its creation
// runs the start-up steps (settings, run count, data file, window position), its first
// showing loads the plan of the last run, and its closing asks about unsaved changes and
// then stores the window position, "Last Index" and the toolbar layout.

#include <QByteArray>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "app/process_state.h"
#include "app/startup_steps.h"
#include "plan/plan_state.h"
#include "platform/locale_info.h"
#include "platform/message_boxes.h"
#include "platform/program_launcher.h"
#include "platform/registry.h"
#include "settings/config_manager.h"
#include "ui/main_win_seams.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QToolBar;

namespace ui {

class DebtListDelegate;

// What the start-up needs from outside; the program fills it, tests point it at
// temporary folders and scripted message boxes.
struct StartupServices {
    platform::Registry* registry = nullptr;
    platform::MessageBoxes* boxes = nullptr;
    platform::ProgramLauncher* launcher = nullptr;
    platform::LocaleInfo locale;
    settings::ProgramLocation program;
    std::string version;  // the running program's version ("4.0.0")
    app::DataFileHooks dataFileHooks;
    std::function<plan::Date()> today;  // empty: the system's date
};

class TMainWin : public QMainWindow {
    Q_OBJECT
  public:
    TMainWin(app::ProcessState& state, StartupServices services, QWidget* parent = nullptr);
    ~TMainWin() override;

    settings::TConfigManager& config() { return *config_; }
    const app::ProcessState& state() const { return state_; }
    // ActivePlan, SavedPlan, PlanIndex, NumDebts, CurrentDebt, PlanPassword.
    plan::PlanState& planState() { return plan_; }

    // Windows of other parts, connected by the program (empty: the command does nothing).
    DebtEntryLauncher debtEntry;
    HelpLauncher showHelp;
    // Save As (the dialog that names and stores a plan); true when it stored the plan.
    std::function<bool()> saveAs;
    // The Open dialog; the window loads and shows the chosen record itself.
    OpenPlanLauncher openPlan;
    // The windows of the commands still to come.
    MainWinHooks hooks;
    // Called once the window has closed and stored its state (the help window follows it).
    std::function<void()> onClosed;
    // Alt+Ctrl+Shift+Meta+3 while the program is active (the diagnostics window).
    std::function<void()> onDiagnosticsHotKey;

    // 1 while the debt entry form adds a debt, 2 while it edits the selected one.
    int DebtEntryMode = 0;
    // Label of the field that failed the last check; empty after a successful one.
    std::string ErrorFieldName;
    // Whether variable extra payments are in use (source "Variable" and one above 0).
    bool VarExtraInUse = false;
    double ScaleX = 1.0;

    // Controls <-> ActivePlan.
    void PutClientToScreen();
    bool PutScreenToClient();
    void ReloadDebtBox();
    void AdjustDebtTitles();
    void EnableDisable();
    void ChangeReduction() { EnableDisable(); }
    void CheckConFields();
    void CheckVariable();
    void SetPriorities();
    // Asks whether to save unsaved changes; true when the caller may go on.
    bool CheckForChanges();
    // The close question; true when the window may close.
    bool FormCloseQuery();
    // SavedPlan becomes a new plan with the settings' defaults.
    void InitializeValues();
    void ApplyConfig();

    // Commands.
    void DoAdd();
    void DoEdit();
    void DoDelete();
    void DoClear();
    bool DoSave();
    void DoNew();
    void DoOpen();
    bool DoSaveAs();
    void DoReports();
    void DoCalcSingle();
    void DoBudget(bool useResult);
    void DoVariablePmt();
    void btnBudgetClick();
    void mnuBudgetClick();
    void mnuBackupClick();
    void mnuRestoreClick();
    void mnuPasswordClick();
    void mnuConfigureBugReporterClick();
    void mnuOptionsPrefsClick();
    void mnuTempFooterClick();
    void mnuRestoreToolbarsClick();
    void mnuRestoreProgDefaultsClick();
    void mnuHelpClick();
    void mnuQuickStartClick();
    void mnuHomePageClick();
    void mnuKnowledgebaseClick();
    void mnuSupportClick();
    void mnuAboutClick();
    void mnuOrderAlphaClick();
    void MenuOrderAlphaUp();
    void mnuOrderPriorClick();
    void MenuOrderPriorUp();
    void mnuOrderPayDayClick();
    void MenuOrderPayDayUp();
    void WMHelp();

    // Window position, "Last Index" and its section; runs at most once.
    void Shutdown();
    bool IsBackupNeeded() const;
    // The File menu's "Exit": the normal close path.
    void ExitNow();

    // The reload message: every setting is read again and applied, in a queued call.
    void postReloadMessage();

    // The maker's web site; the Help menu's pages are below it.
    static constexpr const char* kSiteAddress = "https://debt.example.org/";

  public Q_SLOTS:
    // The handler of the reload message.
    void reloadSettings();
    // Another copy of the program was started: restore and raise this window.
    void bringToFront();
    // The session ends (logout, SIGTERM): close through the normal path.
    void endSession();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void requestBackup();
    void buildControls();
    void buildMenus();
    void showLoadedPlan();
    void openSitePage(const std::string& page);
    void layoutAtFirstShowing();
    void loadLastPlan();
    void setPlanTitle();
    void enableDebtCommands();
    void sortBy(int key, bool descending);
    void reductionPlanChanged(int index);
    void priorityMethodChanged();
    void showFieldError(const std::string& text, QWidget* field, const std::string& fieldName);
    bool keyAccepted(QObject* edit, char32_t key) const;
    bool consolidationOnScreen() const;

    app::ProcessState& state_;
    StartupServices services_;
    std::unique_ptr<settings::TConfigManager> config_;
    plan::PlanState plan_;
    bool shown_ = false;
    bool ShutdownDone = false;

    // The last values read by the field checks.
    double conMonthlyPayment_ = 0, conFee_ = 0, conNewRate_ = 0;
    int conMonthsInLoan_ = 0, timedMonths_ = 0;

    // Controls, named as the window's design names them (objectName too).
    QWidget* client_ = nullptr;
    QComboBox* cmbxReductionPlan = nullptr;
    QLabel *lblDebtName = nullptr, *lblBalance = nullptr, *lblMinimum = nullptr,
           *lblMinPayment = nullptr, *lblCurrent = nullptr, *lblCurPayment = nullptr,
           *lblInterest = nullptr, *lblRate = nullptr, *lblPriority = nullptr, *lblPay = nullptr,
           *lblDate = nullptr, *imgSortUp = nullptr, *imgSortDown = nullptr;
    QListWidget* lstbxDebt = nullptr;
    DebtListDelegate* delegate_ = nullptr;
    QLabel *lblTotals = nullptr, *lblDebtCount = nullptr, *lblTotalBalance = nullptr,
           *lblTotalMinPayment = nullptr, *lblTotalCurPayment = nullptr;
    QFrame *pnlDebtReductionSchedule = nullptr, *pnlLoanConsolidation = nullptr,
           *pnlTimedDebtElimination = nullptr;
    QComboBox *cmbxExtraPmtSrc = nullptr, *cmbxPriorityMethod = nullptr;
    QLineEdit* cxedtExtraPayment = nullptr;
    QPushButton *btnBudget = nullptr, *btnVariablePayment = nullptr;
    QCheckBox* ckbxUseMinimumPayment = nullptr;
    QComboBox *cmbxConMethod = nullptr, *cmbxConAPREff = nullptr;
    QLabel *lblConMonthlyPayment = nullptr, *lblConMonthsInLoan = nullptr;
    QLineEdit *edtConMonthlyPayment = nullptr, *edtConMonthsInLoan = nullptr,
              *edtConNewRate = nullptr, *edtConFee = nullptr, *edtTimedMonths = nullptr;
    QLineEdit *edtReportTitle = nullptr, *edtProvidedFor = nullptr, *edtProvidedBy = nullptr,
              *edtStartYear = nullptr;
    QComboBox* cmbxStartMonth = nullptr;
    QPushButton *btnAdd = nullptr, *btnEdit = nullptr, *btnDelete = nullptr,
                *btnRemoveAll = nullptr, *btnReports = nullptr, *btnCalc = nullptr;
    QAction *mnuAddDebt = nullptr, *mnuEditDebt = nullptr, *mnuDeleteDebt = nullptr,
            *mnuRemoveAllDebts = nullptr, *mnuHelp = nullptr, *mnuPrint = nullptr,
            *mnuQuickStart = nullptr;
    QToolBar* toolbar_ = nullptr;
    // The bars as designed, for "Restore Toolbars".
    QByteArray designedLayout_;
};

}  // namespace ui
