// A person's way through the plan commands with the real Open and Save As dialogs: create
// a plan, save it, save it under another name, open either, delete one, export and import,
// from the menus, the toolbar and the keyboard, with the data file checked after each step.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstring>
#include <deque>
#include <filesystem>

#include "../ui/main_win_profile.h"
#include "app/connect_main_window.h"
#include "modal_dialogs.h"
#include "plan/new_plan.h"
#include "plan/plan_file_store.h"
#include "scripted_message_boxes.h"
#include "temp_home.h"

namespace {

namespace fs = std::filesystem;
using platform::MsgAnswer;
using platform::MsgIcon;
using testing_support::whenModalNamed;

class ChosenFiles final : public ui::PlanFileDialogs {
  public:
    std::optional<QString> chooseFile(QWidget*, const ui::FileDialogRequest&) override {
        if (paths.empty()) {
            ADD_FAILURE() << "file dialog not expected";
            return std::nullopt;
        }
        const std::string path = paths.front();
        paths.pop_front();
        return QString::fromStdString(path);
    }
    std::deque<std::string> paths;
};

template <class W>
W* child(QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void saveAsNamed(QWidget& dialog, const char* name) {
    child<QLineEdit>(dialog, "SaveAsName")->setText(QString::fromLatin1(name));
    QTest::mouseClick(child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
}

void selectEntry(QWidget& dialog, const char* name) {
    auto* list = child<QListWidget>(dialog, "Clients");
    const auto found = list->findItems(QString::fromLatin1(name), Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name;
    list->setCurrentItem(found.front());
}

class MainWindowWorkflowTest : public ui_testing::MainWinProfile {
  protected:
    std::vector<std::string> storedNames() const {
        std::vector<std::string> names;
        for (const plan::PlanListEntry& e : plan::PlanFileStore(dataFile()).LoadInClients())
            names.push_back(e.planName);
        return names;
    }
    // Record `k` of the data file is byte for byte the window's active plan.
    void expectStoredAsShown(int k) {
        plan::PlanState stored;
        ASSERT_EQ(plan::PlanFileStore(dataFile()).GetTheClient(k, stored),
                  plan::LoadResult::Loaded);
        const plan::TClientRec& shown = window->planState().ActivePlan;
        EXPECT_EQ(std::memcmp(&stored.ActivePlan, &shown, sizeof shown), 0) << "record " << k;
    }
    std::string title() const { return window->windowTitle().toStdString(); }
    std::string shownDebt(int i) const {
        return window->planState().ActivePlan.Debts[i].Name.text();
    }
    // Ctrl+key on the window, made the active one again after the last dialog closed.
    void keys(Qt::Key key) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), key, Qt::ControlModifier);
    }
    QAction* action(const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    QToolButton* toolButton(const char* name) {
        return window->findChild<QToolButton*>(QString::fromLatin1(name));
    }

    ChosenFiles files;
    std::unique_ptr<app::HelpViewer> help;
    std::unique_ptr<ui::TMainWin> window;
};

TEST_F(MainWindowWorkflowTest, CreateSaveSaveAsOpenDeleteExportImport) {
    help = std::make_unique<app::HelpViewer>(boxes, DEBT_HELP_FOLDER, state.DisplayName);
    window = std::make_unique<ui::TMainWin>(state, services());
    app::ConnectMainWindow(*window, boxes, state, *help, &files);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    // A new plan with two debts.
    plan::PlanState& plan = window->planState();
    for (const char* name : {"Visa", "Car Loan"}) {
        plan::TDebtRec& d = plan.ActivePlan.Debts[plan.NumDebts++];
        d.Name.setText(name);
        d.Balance = 1000;
        d.MinPayment = 25;
        d.CurrentPayment = 50;
        d.Rate = 12;
        d.RateKind = 1;
        d.Priority = static_cast<std::uint16_t>(plan.NumDebts);
        d.PayDay = 1;
    }
    window->ReloadDebtBox();

    // Ctrl+S on a plan never stored asks for a name.
    int saveAsSeen = 0;
    whenModalNamed(
        "frmSaveAs", [](QWidget& d) { saveAsNamed(d, "Alpha"); }, &saveAsSeen);
    keys(Qt::Key_S);
    EXPECT_EQ(saveAsSeen, 1);
    EXPECT_EQ(storedNames(), std::vector<std::string>{"Alpha"});
    EXPECT_EQ(plan.PlanIndex, 0);
    EXPECT_EQ(title(), "Zelvane  (Alpha)");
    expectStoredAsShown(0);

    // Save As from the menu adds a second record; the window continues with it.
    whenModalNamed(
        "frmSaveAs", [](QWidget& d) { saveAsNamed(d, "Beta"); }, &saveAsSeen);
    action("mnuSaveAs")->trigger();
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(plan.PlanIndex, 1);
    EXPECT_EQ(title(), "Zelvane  (Beta)");

    // A change saved from the toolbar goes in place, without a dialog.
    window->findChild<QLineEdit*>(QStringLiteral("edtReportTitle"))
        ->setText(QStringLiteral("Beta's report"));
    QTest::mouseClick(toolButton("tbSave"), Qt::LeftButton);
    EXPECT_EQ(saveAsSeen, 2);
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Alpha", "Beta"}));
    expectStoredAsShown(1);
    EXPECT_FALSE(plan.ChangedData());

    // Open Alpha from the toolbar.
    whenModalNamed("frmOpenDebt", [](QWidget& d) {
        selectEntry(d, "Alpha");
        QTest::mouseClick(child<QPushButton>(d, "btnOK"), Qt::LeftButton);
    });
    QTest::mouseClick(toolButton("tbOpen"), Qt::LeftButton);
    EXPECT_EQ(plan.PlanIndex, 0);
    EXPECT_EQ(title(), "Zelvane  (Alpha)");
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("edtReportTitle"))->text(), QString());
    expectStoredAsShown(0);

    // Open Beta with Ctrl+O, then delete it (the open plan) in the dialog and cancel.
    whenModalNamed("frmOpenDebt", [](QWidget& d) {
        selectEntry(d, "Beta");
        QTest::mouseClick(child<QPushButton>(d, "btnOK"), Qt::LeftButton);
    });
    keys(Qt::Key_O);
    EXPECT_EQ(plan.PlanIndex, 1);
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("edtReportTitle"))->text(),
              QStringLiteral("Beta's report"));
    boxes.expect("Delete?", "Are you sure you want to delete \"Beta\"?", MsgIcon::Question,
                 MsgAnswer::Yes);
    whenModalNamed("frmOpenDebt", [](QWidget& d) {
        selectEntry(d, "Beta");
        QTest::mouseClick(child<QPushButton>(d, "btnDelete"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(d, "btnCancel"), Qt::LeftButton);
    });
    action("mnuOpen")->trigger();
    EXPECT_EQ(storedNames(), std::vector<std::string>{"Alpha"});
    EXPECT_EQ(plan.PlanIndex, -1);

    // Save now asks for a name; closing that dialog by its title-bar button stores nothing.
    whenModalNamed(
        "frmSaveAs", [](QWidget& d) { d.close(); }, &saveAsSeen);
    keys(Qt::Key_S);
    EXPECT_EQ(saveAsSeen, 3);
    EXPECT_EQ(storedNames(), std::vector<std::string>{"Alpha"});
    EXPECT_EQ(plan.PlanIndex, -1);

    // The same at the change question of New: the pending New stops and the plan stays.
    window->findChild<QLineEdit*>(QStringLiteral("edtReportTitle"))
        ->setText(QStringLiteral("Unsaved"));
    boxes.expect("Warning", "Debt information has changed.  Save information first?",
                 MsgIcon::Question, MsgAnswer::Yes);
    whenModalNamed(
        "frmSaveAs", [](QWidget& d) { d.close(); }, &saveAsSeen);
    keys(Qt::Key_N);
    EXPECT_EQ(saveAsSeen, 4);
    EXPECT_EQ(plan.NumDebts, 2);
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("edtReportTitle"))->text(),
              QStringLiteral("Unsaved"));
    EXPECT_EQ(storedNames(), std::vector<std::string>{"Alpha"});

    // Export Alpha and import it again: two equal records, the new one selected and opened.
    // Open answered No at the change question drops the unsaved change.
    boxes.expect("Warning", "Debt information has changed.  Save information first?",
                 MsgIcon::Question, MsgAnswer::No);
    const std::string exported = (home.root() / "alpha.dbt").string();
    files.paths = {exported, exported};
    whenModalNamed("frmOpenDebt", [](QWidget& d) {
        selectEntry(d, "Alpha");
        QTest::mouseClick(child<QPushButton>(d, "btnExport"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(d, "btnImport"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(d, "btnOK"), Qt::LeftButton);
    });
    action("mnuOpen")->trigger();
    EXPECT_TRUE(fs::exists(exported));
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Alpha", "Alpha"}));
    EXPECT_EQ(plan.PlanIndex, 1);
    expectStoredAsShown(0);
    expectStoredAsShown(1);
    EXPECT_EQ(shownDebt(0), "Visa");
    EXPECT_EQ(shownDebt(1), "Car Loan");
    EXPECT_EQ(window->findChild<QListWidget*>(QStringLiteral("lstbxDebt"))->count(), 2);

    // New from the keyboard: an empty plan attached to no record.
    keys(Qt::Key_N);
    EXPECT_EQ(plan.NumDebts, 0);
    EXPECT_EQ(plan.PlanIndex, -1);
    EXPECT_EQ(title(), "Zelvane");
    EXPECT_TRUE(boxes.allAnswered());
    window->close();
}

TEST_F(MainWindowWorkflowTest, TemporaryFooterLinesLastUntilANewPlan) {
    help = std::make_unique<app::HelpViewer>(boxes, DEBT_HELP_FOLDER, state.DisplayName);
    window = std::make_unique<ui::TMainWin>(state, services());
    app::ConnectMainWindow(*window, boxes, state, *help, &files);
    window->show();
    QApplication::processEvents();
    reports::TempFooter* footer = app::TempFooterOf(*window);
    ASSERT_NE(footer, nullptr);

    window->config().UseTemporaryFooter = false;
    whenModalNamed("frmTempFooter", [](QWidget& d) {
        child<QCheckBox>(d, "ckbxUseTempFooter")->setChecked(true);
        child<QLineEdit>(d, "edtTempFooterLine2")->setText(QStringLiteral("For the bank"));
        QTest::mouseClick(child<QPushButton>(d, "btnOK"), Qt::LeftButton);
    });
    action("mnuTempFooter")->trigger();
    EXPECT_EQ(footer->lines[1], "For the bank");
    EXPECT_TRUE(window->config().UseTemporaryFooter);

    action("mnuNew")->trigger();
    EXPECT_EQ(footer->lines[1], "");
    // The setting stays; only the lines belong to the plan.
    EXPECT_TRUE(window->config().UseTemporaryFooter);
    window->close();
}

// Create Report runs the sections chosen in the plan through the status dialog and shows
// the pages in the preview (the report selection dialogs come later).
TEST_F(MainWindowWorkflowTest, CreateReportPreviewsThePlansChosenSections) {
    help = std::make_unique<app::HelpViewer>(boxes, DEBT_HELP_FOLDER, state.DisplayName);
    window = std::make_unique<ui::TMainWin>(state, services());
    app::ConnectMainWindow(*window, boxes, state, *help, &files);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    plan::PlanState& plan = window->planState();
    plan::TDebtRec& d = plan.ActivePlan.Debts[plan.NumDebts++];
    d.Name.setText("Visa");
    d.Balance = 1000;
    d.MinPayment = 25;
    d.CurrentPayment = 50;
    d.Rate = 12;
    d.RateKind = 1;
    d.Priority = 1;
    d.PayDay = 1;
    window->ReloadDebtBox();

    QString pageText;
    int previews = 0;
    whenModalNamed(
        "frmPreview",
        [&pageText](QWidget& preview) {
            pageText = child<QWidget>(preview, "dxBarStaticPageXofX")->property("text").toString();
            preview.close();
        },
        &previews);
    action("mnuCreateReport")->trigger();
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(pageText.startsWith(QStringLiteral("Page 1 of "))) << pageText.toStdString();
}

}  // namespace
