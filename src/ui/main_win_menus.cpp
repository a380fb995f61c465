// The main window's menu bar and toolbar: every item with its shortcut and hint, each
// connected to the command it runs. Toolbar buttons are the menu items' own actions, so
// both are enabled and disabled together.

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>

#include "app/quick_start.h"
#include "ui/main_win.h"

namespace ui {
namespace {

QAction* addItem(QMenu* menu, const char* name, const char* text, const char* hint = nullptr,
                 QKeySequence keys = {}) {
    QAction* a = menu->addAction(QString::fromLatin1(text));
    a->setObjectName(QString::fromLatin1(name));
    if (hint) {
        a->setToolTip(QString::fromLatin1(hint));
        a->setStatusTip(QString::fromLatin1(hint));
    }
    if (!keys.isEmpty())
        a->setShortcut(keys);
    return a;
}

// A toolbar picture: the desktop theme's icon of that name, else the Qt style's own.
QIcon barIcon(const QWidget& window, const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QString::fromLatin1(themeName), window.style()->standardIcon(fallback));
}

}  // namespace

void TMainWin::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    toolbar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolbar_->setObjectName(QStringLiteral("MainToolbar"));
    // The bars cannot be customised by the user.
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, toolbar_);

    auto on = [this](QAction* a, void (TMainWin::*command)()) {
        connect(a, &QAction::triggered, this, [this, command] { (this->*command)(); });
    };

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* newPlan =
        addItem(file, "mnuNew", "&New Plan", "New Debt Plan", QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* open =
        addItem(file, "mnuOpen", "&Open Plan...", "Open Plan", QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* save =
        addItem(file, "mnuSave", "&Save Plan", "Save", QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* saveAsItem = addItem(file, "mnuSaveAs", "Save  Plan &As...");
    file->addSeparator();
    QAction* backup = addItem(file, "mnuBackup", "&Back Up Debt Plan");
    QAction* restore = addItem(file, "mnuRestore", "&Restore Debt Plan...");
    file->addSeparator();
    mnuPrint = addItem(file, "mnuPrint", "&Print...", "Print", QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    QAction* exitItem = addItem(file, "mnuExit", "E&xit");
    on(newPlan, &TMainWin::DoNew);
    on(open, &TMainWin::DoOpen);
    connect(save, &QAction::triggered, this, [this] { DoSave(); });
    connect(saveAsItem, &QAction::triggered, this, [this] { DoSaveAs(); });
    on(backup, &TMainWin::mnuBackupClick);
    on(restore, &TMainWin::mnuRestoreClick);
    on(mnuPrint, &TMainWin::DoReports);
    on(exitItem, &TMainWin::ExitNow);

    QMenu* debts = bar->addMenu(QStringLiteral("&Debts"));
    debts->setObjectName(QStringLiteral("mnuDebts"));
    mnuAddDebt = addItem(debts, "mnuAddDebt", "&Add Debt...", "Add a Debt");
    mnuEditDebt = addItem(debts, "mnuEditDebt", "&Edit Debt...", "Edit a Debt");
    mnuDeleteDebt = addItem(debts, "mnuDeleteDebt", "&Delete Debt...", "Delete a Debt");
    mnuRemoveAllDebts = addItem(debts, "mnuRemoveAllDebts", "&Remove All Debts...");
    on(mnuAddDebt, &TMainWin::DoAdd);
    on(mnuEditDebt, &TMainWin::DoEdit);
    on(mnuDeleteDebt, &TMainWin::DoDelete);
    on(mnuRemoveAllDebts, &TMainWin::DoClear);
    QMenu* order = debts->addMenu(QStringLiteral("Re-&Order"));
    order->setObjectName(QStringLiteral("mnuReOrder"));
    on(addItem(order, "mnuOrderAlpha", "&Alphabetically"), &TMainWin::mnuOrderAlphaClick);
    on(addItem(order, "mnuOrderPrior", "By &Priority"), &TMainWin::mnuOrderPriorClick);
    on(addItem(order, "mnuOrderPayDay", "By Payment &Due Day"), &TMainWin::mnuOrderPayDayClick);
    debts->addSeparator();
    QAction* calculate = addItem(debts, "mnuCalculate", "&Calculate...", "Calculate");
    on(calculate, &TMainWin::DoCalcSingle);

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    on(addItem(options, "mnuPassword", "Set P&assword..."), &TMainWin::mnuPasswordClick);
    on(addItem(options, "mnuConfigureBugReporter", "Configure &Bug Reporter..."),
       &TMainWin::mnuConfigureBugReporterClick);
    on(addItem(options, "mnuOptionsPrefs", "&Preferences..."), &TMainWin::mnuOptionsPrefsClick);

    QMenu* reports = bar->addMenu(QStringLiteral("&Reports"));
    reports->setObjectName(QStringLiteral("mnuReports"));
    on(addItem(reports, "mnuTempFooter", "Temporary &Footer..."), &TMainWin::mnuTempFooterClick);
    QAction* createReport =
        addItem(reports, "mnuCreateReport", "&Create Report...", "Create Report");
    on(createReport, &TMainWin::DoReports);

    QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    on(addItem(tools, "mnuRestoreToolbars", "Restore &Toolbars"),
       &TMainWin::mnuRestoreToolbarsClick);
    on(addItem(tools, "mnuRestoreProgDefaults", "Restore Program &Defaults"),
       &TMainWin::mnuRestoreProgDefaultsClick);
    QAction* budget = addItem(tools, "mnuBudget", "Enter &Budget...", "Enter Budget");
    on(budget, &TMainWin::mnuBudgetClick);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelpMenu"));
    // F1 on the window is its own help key (the main window's topic); the item shows F1
    // and takes it only while its menu is open.
    mnuHelp = addItem(help, "mnuHelp", "Zelvane &Help...", nullptr, QKeySequence(Qt::Key_F1));
    mnuHelp->setShortcutContext(Qt::WidgetShortcut);
    on(mnuHelp, &TMainWin::mnuHelpClick);
    mnuQuickStart = addItem(help, "mnuQuickStart", "&Quick Start Guide...");
    mnuQuickStart->setVisible(false);
    on(mnuQuickStart, &TMainWin::mnuQuickStartClick);
    help->addSeparator();
    on(addItem(help, "mnuHomePage", "Home &Page..."), &TMainWin::mnuHomePageClick);
    on(addItem(help, "mnuKnowledgebase", "&Knowledgebase..."), &TMainWin::mnuKnowledgebaseClick);
    on(addItem(help, "mnuSupport", "&Support..."), &TMainWin::mnuSupportClick);
    help->addSeparator();
    on(addItem(help, "mnuAbout", "&About..."), &TMainWin::mnuAboutClick);

    const std::pair<QAction*, std::pair<const char*, QStyle::StandardPixmap>> icons[] = {
        {newPlan, {"document-new", QStyle::SP_FileIcon}},
        {open, {"document-open", QStyle::SP_DialogOpenButton}},
        {save, {"document-save", QStyle::SP_DialogSaveButton}},
        {mnuPrint, {"document-print", QStyle::SP_ComputerIcon}},
        {mnuAddDebt, {"list-add", QStyle::SP_FileDialogNewFolder}},
        {mnuEditDebt, {"document-properties", QStyle::SP_FileDialogDetailedView}},
        {mnuDeleteDebt, {"list-remove", QStyle::SP_TrashIcon}},
        {budget, {"x-office-spreadsheet", QStyle::SP_FileDialogListView}},
        {calculate, {"accessories-calculator", QStyle::SP_BrowserReload}},
        {createReport, {"x-office-document", QStyle::SP_FileDialogContentsView}},
    };
    for (const auto& [a, icon] : icons)
        a->setIcon(barIcon(*this, icon.first, icon.second));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);

    for (QAction* a : {newPlan, open, save, mnuPrint})
        toolbar_->addAction(a);
    toolbar_->addSeparator();
    for (QAction* a : {mnuAddDebt, mnuEditDebt, mnuDeleteDebt})
        toolbar_->addAction(a);
    toolbar_->addSeparator();
    for (QAction* a : {budget, calculate, createReport})
        toolbar_->addAction(a);
    // Toolbar buttons find their command by the action's name too.
    for (QAction* a : toolbar_->actions()) {
        if (QWidget* w = toolbar_->widgetForAction(a); w && !a->isSeparator())
            w->setObjectName(QStringLiteral("tb") + a->objectName().mid(3));
    }

    // The window's buttons run the same commands.
    auto onClick = [this](QPushButton* b, void (TMainWin::*command)()) {
        connect(b, &QPushButton::clicked, this, [this, command] { (this->*command)(); });
    };
    onClick(btnReports, &TMainWin::DoReports);
    onClick(btnCalc, &TMainWin::DoCalcSingle);
    onClick(btnBudget, &TMainWin::btnBudgetClick);
    onClick(btnVariablePayment, &TMainWin::DoVariablePmt);

    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setContext(Qt::WindowShortcut);
    connect(helpKey, &QShortcut::activated, this, [this] { WMHelp(); });

    designedLayout_ = saveState();
}

}  // namespace ui
