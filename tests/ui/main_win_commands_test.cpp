// The main window's commands as the menus, the toolbar and the window's buttons run them,
// with the dialogs of other parts replaced by recording fakes.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <fstream>

#include "app/quick_start.h"
#include "main_win_fixture.h"
#include "platform/program_launcher.h"
#include "ui/menu_appearance.h"

namespace ui_testing {
namespace {

using platform::MsgAnswer;
using platform::MsgIcon;

class RecordingLauncher final : public platform::ProgramLauncher {
  public:
    bool startDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override {
        started.push_back({program, arguments});
        return true;
    }
    std::vector<std::pair<std::string, std::vector<std::string>>> started;
};

class MainWinCommandsTest : public MainWinTest {
  protected:
    ui::TMainWin& startWith(const std::function<void(ui::StartupServices&)>& tweak) {
        ui::StartupServices s = services();
        tweak(s);
        window = std::make_unique<ui::TMainWin>(state, s);
        window->show();
        QApplication::processEvents();
        return *window;
    }
    QAction* action(const char* name) { return find<QAction>(name); }
    // The toolbar button of a menu item ("mnuNew" -> "tbNew").
    QToolButton* toolButton(const char* item) {
        return find<QToolButton>(("tb" + std::string(item).substr(3)).c_str());
    }
    void setScreenError() { find<QLineEdit>("edtConMonthsInLoan")->setText(QStringLiteral("400")); }
    void expectScreenError() {
        boxes.expect("Error", "Invalid Months In Loan specified. Please correct.",
                     MsgIcon::Warning);
    }
    void changeReportTitle() {
        find<QLineEdit>("edtReportTitle")->setText(QStringLiteral("Changed"));
    }
};

// Every menu's items in order, "|" for a separator line, with the shortcut after a tab.
std::vector<std::string> menuItems(QMenu* menu) {
    std::vector<std::string> items;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            items.push_back("|");
            continue;
        }
        std::string text = a->text().toStdString();
        if (!a->shortcut().isEmpty())
            text += "\t" + a->shortcut().toString().toStdString();
        items.push_back(text);
    }
    return items;
}

TEST_F(MainWinCommandsTest, MenusAndToolbarHoldEveryItemInItsPlace) {
    start();
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
        {"&File",
         {"&New Plan\tCtrl+N", "&Open Plan...\tCtrl+O", "&Save Plan\tCtrl+S", "Save  Plan &As...",
          "|", "&Back Up Debt Plan", "&Restore Debt Plan...", "|", "&Print...\tCtrl+P", "|",
          "E&xit"}},
        {"&Debts",
         {"&Add Debt...", "&Edit Debt...", "&Delete Debt...", "&Remove All Debts...", "Re-&Order",
          "|", "&Calculate..."}},
        {"&Options", {"Set P&assword...", "Configure &Bug Reporter...", "&Preferences..."}},
        {"&Reports", {"Temporary &Footer...", "&Create Report..."}},
        {"&Tools", {"Restore &Toolbars", "Restore Program &Defaults", "Enter &Budget..."}},
        {"&Help",
         {"Zelvane &Help...\tF1", "&Quick Start Guide...", "|", "Home &Page...",
          "&Knowledgebase...", "&Support...", "|", "&About..."}},
    };
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(menus[i]->text().toStdString(), expected[i].first);
        EXPECT_EQ(menuItems(menus[i]->menu()), expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(menuItems(find<QMenu>("mnuReOrder")),
              (std::vector<std::string>{"&Alphabetically", "By &Priority", "By Payment &Due Day"}));
    // Without the guide's files the item is hidden.
    EXPECT_FALSE(action("mnuQuickStart")->isVisible());

    std::vector<std::string> tips;
    for (QAction* a : find<QToolBar>("MainToolbar")->actions())
        tips.push_back(a->isSeparator() ? "|" : a->toolTip().toStdString());
    EXPECT_EQ(tips, (std::vector<std::string>{"New Debt Plan", "Open Plan", "Save", "Print", "|",
                                              "Add a Debt", "Edit a Debt", "Delete a Debt", "|",
                                              "Enter Budget", "Calculate", "Create Report"}));
    EXPECT_FALSE(find<QToolBar>("MainToolbar")->isMovable());
}

TEST_F(MainWinCommandsTest, CommandStatesFollowTheDebtsAndThePrinters) {
    start();
    struct Case {
        int debts;
        bool add, others;
    };
    for (const Case c : {Case{0, true, false}, Case{1, true, true}, Case{50, false, true}}) {
        std::vector<DebtSpec> debts;
        for (int i = 0; i < c.debts; ++i)
            debts.push_back({"Debt " + std::to_string(i + 1)});
        show(planWith(debts));
        EXPECT_EQ(action("mnuAddDebt")->isEnabled(), c.add) << c.debts;
        EXPECT_EQ(toolButton("mnuAddDebt")->isEnabled(), c.add) << c.debts;
        EXPECT_EQ(find<QPushButton>("btnAdd")->isEnabled(), c.add) << c.debts;
        for (const char* item : {"mnuEditDebt", "mnuDeleteDebt", "mnuRemoveAllDebts"})
            EXPECT_EQ(action(item)->isEnabled(), c.others) << item << " " << c.debts;
        for (const char* item : {"mnuEditDebt", "mnuDeleteDebt"})
            EXPECT_EQ(toolButton(item)->isEnabled(), c.others) << item << " " << c.debts;
        for (const char* name : {"btnEdit", "btnDelete", "btnRemoveAll"})
            EXPECT_EQ(find<QPushButton>(name)->isEnabled(), c.others) << name << " " << c.debts;
    }
    for (int printers : {0, 1}) {
        state.PrinterCount = printers;
        window->EnableDisable();
        EXPECT_EQ(action("mnuPrint")->isEnabled(), printers > 0);
        EXPECT_EQ(toolButton("mnuPrint")->isEnabled(), printers > 0);
    }
}

TEST_F(MainWinCommandsTest, NewWithAScreenErrorKeepsThePlan) {
    start();
    show(planWith({{"Visa"}, {"Car"}}));
    setScreenError();
    expectScreenError();
    action("mnuNew")->trigger();
    EXPECT_EQ(debtNames(), (std::vector<std::string>{"Visa", "Car"}));
    EXPECT_EQ(find<QListWidget>("lstbxDebt")->count(), 2);
}

TEST_F(MainWinCommandsTest, NewAtTheChangeQuestion) {
    struct Case {
        MsgAnswer answer;
        bool saveAsStores;  // when Yes leads to Save As
        bool kept;
    };
    // Yes with a Save As that did not store (its title-bar button) stops New as Cancel does.
    for (const Case c : {Case{MsgAnswer::Cancel, false, true}, Case{MsgAnswer::No, false, false},
                         Case{MsgAnswer::Yes, false, true}, Case{MsgAnswer::Yes, true, false}}) {
        start();
        int saveAsCalls = 0;
        window->saveAs = [&] {
            ++saveAsCalls;
            return c.saveAsStores;
        };
        show(planWith({{"Visa"}}));
        changeReportTitle();
        boxes.expect("Warning", "Debt information has changed.  Save information first?",
                     MsgIcon::Question, c.answer);
        QTest::mouseClick(toolButton("mnuNew"), Qt::LeftButton);
        const auto& plan = window->planState();
        EXPECT_EQ(plan.NumDebts, c.kept ? 1 : 0) << static_cast<int>(c.answer);
        EXPECT_EQ(find<QLineEdit>("edtReportTitle")->text() == QStringLiteral("Changed"), c.kept);
        EXPECT_EQ(saveAsCalls, c.answer == MsgAnswer::Yes ? 1 : 0);
        if (!c.kept) {
            EXPECT_EQ(plan.PlanIndex, -1);
            EXPECT_FALSE(plan.ChangedData());
            EXPECT_EQ(find<QListWidget>("lstbxDebt")->count(), 0);
        }
        window.reset();
    }
}

TEST_F(MainWinCommandsTest, SaveGoesToSaveAsWithoutANameOrARecord) {
    start();
    int saveAsCalls = 0;
    window->saveAs = [&] {
        ++saveAsCalls;
        return false;
    };
    struct Case {
        const char* name;
        int planIndex;
    };
    for (const Case c : {Case{"", 0}, Case{"Mine", -1}, Case{"", -1}}) {
        plan::TClientRec p = planWith({{"Visa"}});
        p.PlanName.setText(c.name);
        show(p);
        window->planState().PlanIndex = c.planIndex;
        saveAsCalls = 0;
        action("mnuSave")->trigger();
        EXPECT_EQ(saveAsCalls, 1) << c.name << " " << c.planIndex;
    }
    EXPECT_FALSE(fs::exists(dataFile()) && fs::file_size(dataFile()) > 0);
    // A screen error stops Save As before its dialog.
    setScreenError();
    expectScreenError();
    saveAsCalls = 0;
    action("mnuSaveAs")->trigger();
    EXPECT_EQ(saveAsCalls, 0);
}

TEST_F(MainWinCommandsTest, ReportsWithoutDebtsSkipTheScreenChecks) {
    start();
    std::vector<int> reports;
    window->hooks.reports = [&](QWidget*, int reductionPlan) { reports.push_back(reductionPlan); };
    state.PrinterCount = 1;
    window->EnableDisable();
    setScreenError();
    // Create Report, Print and "Re&ports": the message and nothing else.
    for (int i = 0; i < 4; ++i)
        boxes.expect("Error", "No debts have been entered yet.", MsgIcon::Warning);
    action("mnuCreateReport")->trigger();
    action("mnuPrint")->trigger();
    QTest::mouseClick(toolButton("mnuCreateReport"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("btnReports"), Qt::LeftButton);
    EXPECT_TRUE(boxes.allAnswered());
    EXPECT_EQ(boxes.shown().size(), 4u);
    EXPECT_TRUE(reports.empty());

    // With debts the screen checks come first; then the selection for the plan's kind.
    show(planWith({{"Visa"}}, 3));
    setScreenError();
    expectScreenError();
    action("mnuCreateReport")->trigger();
    EXPECT_TRUE(reports.empty());
    find<QLineEdit>("edtConMonthsInLoan")->setText(QStringLiteral("12"));
    action("mnuCreateReport")->trigger();
    EXPECT_EQ(reports, std::vector<int>{3});
}

TEST_F(MainWinCommandsTest, DeleteFromTheToolbarMovesTheThirdDebtUp) {
    start();
    show(planWith({{"One"}, {"Two"}, {"Three"}}));
    find<QListWidget>("lstbxDebt")->setCurrentRow(1);
    testing_support::ExpectedBox question;
    question.caption = "Warning";
    question.text = "Are you sure you want to delete this Debt?";
    question.icon = MsgIcon::Question;
    question.buttons = platform::MsgButtons::YesNo;
    question.answer = MsgAnswer::Yes;
    boxes.expect(question);
    QTest::mouseClick(toolButton("mnuDeleteDebt"), Qt::LeftButton);
    EXPECT_EQ(debtNames(), (std::vector<std::string>{"One", "Three"}));
    EXPECT_EQ(find<QListWidget>("lstbxDebt")->currentRow(), 1);
    EXPECT_EQ(boxes.shown().back().defaultButton, std::optional<MsgAnswer>(MsgAnswer::No));
}

TEST_F(MainWinCommandsTest, CalculateNeedsASelectedDebt) {
    start();
    std::vector<int> whatIf;
    window->hooks.whatIf = [&](QWidget*, int debt) { whatIf.push_back(debt); };
    show(planWith({{"One"}, {"Two"}}));
    find<QListWidget>("lstbxDebt")->setCurrentRow(-1);
    boxes.expect("Error", "No debt is currently selected.", MsgIcon::Warning);
    QTest::mouseClick(find<QPushButton>("btnCalc"), Qt::LeftButton);
    EXPECT_TRUE(whatIf.empty());
    find<QListWidget>("lstbxDebt")->setCurrentRow(1);
    action("mnuCalculate")->trigger();
    EXPECT_EQ(whatIf, std::vector<int>{2});
}

TEST_F(MainWinCommandsTest, BudgetAmountIsUsedOnlyWhenTheSourceIsBudget) {
    start();
    show(planWith({{"Visa"}}));
    std::vector<bool> asked;
    double amount = 123.5;
    window->hooks.budget = [&](QWidget*, bool useResult) -> std::optional<double> {
        asked.push_back(useResult);
        return useResult ? std::optional<double>(amount) : std::nullopt;
    };
    auto* extra = find<QLineEdit>("cxedtExtraPayment");
    find<QComboBox>("cmbxExtraPmtSrc")->setCurrentIndex(0);
    extra->setText(QStringLiteral("10.00"));
    action("mnuBudget")->trigger();
    EXPECT_EQ(extra->text(), QStringLiteral("10.00"));

    find<QComboBox>("cmbxExtraPmtSrc")->setCurrentIndex(1);
    action("mnuBudget")->trigger();
    EXPECT_EQ(extra->text(), QStringLiteral("123.50"));
    amount = -5;
    QTest::mouseClick(find<QPushButton>("btnBudget"), Qt::LeftButton);
    EXPECT_EQ(extra->text(), QStringLiteral("0.00"));
    EXPECT_EQ(asked, (std::vector<bool>{false, true, true}));
}

TEST_F(MainWinCommandsTest, RestoreProgramDefaultsStartsTheToolOrSaysItIsMissing) {
    RecordingLauncher launcher;
    startWith([&](ui::StartupServices& s) { s.launcher = &launcher; });
    const std::string path = programFolder() + "Pellory.exe";
    boxes.expect("Error",
                 "The file, \"" + path +
                     ",\" does not exist.\r\nPlease reinstall the program in order to "
                     "recreate this file.",
                 MsgIcon::Error);
    action("mnuRestoreProgDefaults")->trigger();
    EXPECT_TRUE(launcher.started.empty());

    // On Linux the tool may come without ".exe".
    std::ofstream(programFolder() + "Pellory") << "#!/bin/sh\n";
    action("mnuRestoreProgDefaults")->trigger();
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].first, programFolder() + "Pellory");
    EXPECT_EQ(launcher.started[0].second,
              std::vector<std::string>{std::to_string(window->winId())});
}

TEST_F(MainWinCommandsTest, QuickStartGuideItemOnlyWithItsFiles) {
    const fs::path common = home.root() / "common";
    fs::create_directories(common / "Quorvale");
    {
        platform::RegistryKey key(registry, platform::RegRoot::LocalMachine);
        ASSERT_TRUE(key.openKey("Software\\Microsoft\\Windows\\CurrentVersion", true));
        key.writeString("CommonFilesDir", common.string());
        key.closeKey();
    }
    std::ofstream((common / "Quorvale/Onramp.exe").string()) << "viewer";
    std::ofstream(programFolder() + "ZVQuickStart.doc") << "guide";
    // Not at start-up this time: only the menu item starts the guide.
    app::SetQuickStartAtStartup(registry, "Zelvane", false);

    RecordingLauncher launcher;
    startWith([&](ui::StartupServices& s) { s.launcher = &launcher; });
    EXPECT_TRUE(action("mnuQuickStart")->isVisible());
    EXPECT_TRUE(launcher.started.empty());
    action("mnuQuickStart")->trigger();
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].first, (common / "Quorvale/Onramp.exe").string());
    EXPECT_EQ(
        launcher.started[0].second,
        (std::vector<std::string>{"/F" + programFolder() + "ZVQuickStart.doc", "/NZelvane:"}));
}

TEST_F(MainWinCommandsTest, HelpAndWebItems) {
    start();
    std::vector<std::string> topics, addresses;
    window->showHelp = [&](const std::string& topic) { topics.push_back(topic); };
    window->hooks.openUrl = [&](const std::string& address) { addresses.push_back(address); };
    action("mnuHelp")->trigger();
    window->WMHelp();
    EXPECT_EQ(topics, (std::vector<std::string>{"About_Zelvane.htm", "Main_Window.htm"}));
    for (const char* item : {"mnuHomePage", "mnuKnowledgebase", "mnuSupport"})
        action(item)->trigger();
    EXPECT_EQ(addresses, (std::vector<std::string>{"https://debt.example.org/",
                                                   "https://debt.example.org/kb.htm",
                                                   "https://debt.example.org/support.htm"}));

    // Commands whose windows come later do nothing without their hook.
    for (const char* item : {"mnuBackup", "mnuRestore", "mnuPassword", "mnuConfigureBugReporter",
                             "mnuOptionsPrefs", "mnuTempFooter", "mnuAbout"})
        action(item)->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(MainWinCommandsTest, HelpCaptionComesFromTheDisplayName) {
    state.DisplayName = "Acme Planner";
    start();
    EXPECT_EQ(action("mnuHelp")->text(), QStringLiteral("Acme Planner &Help..."));
    EXPECT_EQ(action("mnuHelp")->toolTip(), QStringLiteral("Acme Planner &Help..."));
}

TEST_F(MainWinCommandsTest, PreferencesPostTheReloadMessage) {
    start();
    std::string errorFolder;
    window->hooks.errorLogFolder = [&](const std::string& folder) { errorFolder = folder; };
    window->hooks.preferences = [&](QWidget*) {
        window->config().MenuStyle = 3;
        window->config().ErrorPathV = "%HOME%/errors/";
        window->config().SaveSettings(settings::kAllSections);
        // What the window holds is read again from the store.
        window->config().MenuStyle = 0;
    };
    const QString before = window->menuBar()->styleSheet();
    action("mnuOptionsPrefs")->trigger();
    // The message is queued: nothing is applied before the event loop runs.
    EXPECT_EQ(window->menuBar()->styleSheet(), before);
    QApplication::processEvents();
    EXPECT_EQ(window->config().MenuStyle, 3);
    EXPECT_EQ(window->menuBar()->styleSheet(), ui::menuStyleSheetsFor(3).menuBar);
    EXPECT_EQ(find<QToolBar>("MainToolbar")->styleSheet(), ui::menuStyleSheetsFor(3).toolBar);
    EXPECT_EQ(errorFolder, home.home().string() + "/errors/");
}

TEST_F(MainWinCommandsTest, MenuStylesAndAnimations) {
    // Styles 1 to 5 differ from each other and from the flat look of any other value.
    std::vector<QString> sheets;
    for (int style : {0, 1, 2, 3, 4, 5})
        sheets.push_back(ui::menuStyleSheetsFor(style).menuBar);
    for (std::size_t i = 0; i < sheets.size(); ++i)
        for (std::size_t j = i + 1; j < sheets.size(); ++j)
            EXPECT_NE(sheets[i], sheets[j]) << i << " " << j;
    EXPECT_EQ(ui::menuStyleSheetsFor(7).menuBar, sheets[0]);
    EXPECT_TRUE(ui::menuStyleSheetsFor(5).background);
    EXPECT_FALSE(ui::menuStyleSheetsFor(4).background);
    EXPECT_TRUE(ui::menuStyleSheetsFor(2).menuBar.isEmpty());

    using ui::MenuAnimation;
    const std::pair<int, MenuAnimation> animations[] = {
        {0, MenuAnimation::None}, {1, MenuAnimation::Slide}, {2, MenuAnimation::Unfold},
        {3, MenuAnimation::Fade}, {4, MenuAnimation::None},  {-1, MenuAnimation::None}};
    for (auto [setting, animation] : animations)
        EXPECT_EQ(ui::menuAnimationFrom(setting), animation) << setting;

    start();
    window->config().MenuAnimation = 3;
    window->ApplyConfig();
    EXPECT_TRUE(QApplication::isEffectEnabled(Qt::UI_FadeMenu));
    window->config().MenuAnimation = 0;
    window->ApplyConfig();
    EXPECT_FALSE(QApplication::isEffectEnabled(Qt::UI_FadeMenu));
    EXPECT_FALSE(QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
}

TEST_F(MainWinCommandsTest, ToolbarLayoutIsKeptUnlessANewerVersionRanLast) {
    struct Case {
        const char* previousVersion;
        bool toolbarHidden;
    };
    for (const Case c : {Case{"4.0.0", true}, Case{"4.1.0", false}}) {
        startWith([&](ui::StartupServices& s) { s.version = c.previousVersion; });
        find<QToolBar>("MainToolbar")->hide();
        window->close();
        window.reset();
        start();  // the running version is 4.0.0
        EXPECT_EQ(find<QToolBar>("MainToolbar")->isHidden(), c.toolbarHidden) << c.previousVersion;
        action("mnuRestoreToolbars")->trigger();
        EXPECT_TRUE(find<QToolBar>("MainToolbar")->isVisible());
        window->close();
        window.reset();
    }
}

}  // namespace
}  // namespace ui_testing
