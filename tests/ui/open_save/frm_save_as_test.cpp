// The Save As dialog: a new record under the given name, only on a successful OK.

#include "ui/open_save/frm_save_as.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <memory>

#include "open_save_fixture.h"
#include "plan_test_helpers.h"

namespace {

using plan_testing::dataFileOf;
using plan_testing::nameAt;
using plan_testing::namedPlan;
using plan_testing::recordAt;
using platform::MsgIcon;
using testing_support::ExpectedBox;
using testing_support::readFile;
using testing_support::writeFile;
using ui::TfrmSaveAs;
using ui_testing::click;

constexpr std::size_t kRec = plan::kClientRecSize;

class SaveAsDialog : public ui_testing::DataFileFixture {
  protected:
    SaveAsDialog() {
        services.boxes = &boxes;
        services.showHelp = [this](const QString& topic) { helpTopics.push_back(topic); };
    }
    // Record 1 of a two-plan file is open, with one debt more than stored.
    void openLoadedPlan() {
        writeFile(dataPath(), dataFileOf(2));
        state.PlanIndex = 1;
        ASSERT_EQ(plan::LoadResult::Loaded, store.GetTheClient(1, state));
        state.ActivePlan = namedPlan("Plan 1", 1);
        state.NumDebts = 1;
    }
    void open() {
        dialog = std::make_unique<TfrmSaveAs>(state, store, services);
        dialog->show();
    }
    QLineEdit* nameEdit() { return dialog->findChild<QLineEdit*>(QStringLiteral("SaveAsName")); }

    ui::SaveAsServices services;
    std::vector<QString> helpTopics;
    std::unique_ptr<TfrmSaveAs> dialog;
};

TEST_F(SaveAsDialog, ShowsTheNameAndAppendsANewRecordLeavingTheOldOne) {
    openLoadedPlan();
    open();
    EXPECT_EQ(QStringLiteral("Save Debt Information"), dialog->windowTitle());
    EXPECT_EQ(QStringLiteral("Plan 1"), nameEdit()->text());
    EXPECT_EQ(60, nameEdit()->maxLength());

    nameEdit()->setText(QStringLiteral("  Plan 1 with a car loan  "));
    click(*dialog, "btnOK");
    EXPECT_TRUE(dialog->stored());
    EXPECT_EQ(QDialog::Accepted, dialog->result());

    const std::string file = readFile(dataPath());
    ASSERT_EQ(3 * kRec, file.size());
    EXPECT_EQ(recordAt(dataFileOf(2), 1), recordAt(file, 1));
    EXPECT_EQ("Plan 1 with a car loan", nameAt(file, 2));
    EXPECT_EQ(2, state.PlanIndex);
    EXPECT_EQ("Plan 1 with a car loan", state.ActivePlan.PlanName.text());
    EXPECT_FALSE(state.ChangedData());
    const int storedDebts = state.SavedPlan.DebtCount;
    EXPECT_EQ(1, storedDebts);
}

TEST_F(SaveAsDialog, ANewPlanWithoutADataFileBecomesRecordZero) {
    state.ActivePlan = namedPlan("");
    open();
    EXPECT_EQ(QString(), nameEdit()->text());
    nameEdit()->setText(QStringLiteral("Plan 1"));  // names need not be unique
    click(*dialog, "btnOK");
    EXPECT_EQ(kRec, readFile(dataPath()).size());
    EXPECT_EQ(0, state.PlanIndex);
}

TEST_F(SaveAsDialog, ABlankNameIsRefusedAndNothingIsStored) {
    openLoadedPlan();
    open();
    nameEdit()->setText(QStringLiteral("   "));
    boxes.expect("Error", "No name specified.  Please specify a name.", MsgIcon::Warning);
    click(*dialog, "btnOK");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->stored());
    EXPECT_EQ(dataFileOf(2), readFile(dataPath()));
    EXPECT_EQ(1, state.PlanIndex);
    EXPECT_EQ("Plan 1", state.ActivePlan.PlanName.text());
}

TEST_F(SaveAsDialog, AFailedWriteIsReportedAndDoesNotCountAsStored) {
    plan::PlanFileStore unwritable{pathOf("missing folder/Debts4.dat")};
    state.ActivePlan = namedPlan("Old name");
    services.displayName = "Zelvane";
    dialog = std::make_unique<TfrmSaveAs>(state, unwritable, services);
    dialog->show();
    nameEdit()->setText(QStringLiteral("New name"));
    ExpectedBox box;
    box.caption = "Zelvane Error";
    box.textContains = "Unable to save debt information due to the following error:\r\n";
    box.icon = MsgIcon::Warning;
    boxes.expect(box);
    click(*dialog, "btnOK");
    EXPECT_FALSE(dialog->stored());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(-1, state.PlanIndex);
    EXPECT_EQ("Old name", state.ActivePlan.PlanName.text());
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ(static_cast<platform::WindowHandle>(dialog.get()), boxes.shown()[0].owner);
}

TEST_F(SaveAsDialog, CancelTheCloseButtonAndEscapeAllCountAsNotStored) {
    openLoadedPlan();
    const std::string before = readFile(dataPath());
    testing_support::whenModalShows<TfrmSaveAs>([](TfrmSaveAs& d) { click(d, "btnCancel"); });
    EXPECT_FALSE(ui::runSaveAs(nullptr, state, store, services));

    // The title bar's close button closes the window without touching a button.
    testing_support::whenModalShows<TfrmSaveAs>([](TfrmSaveAs& d) {
        EXPECT_FALSE(d.cancelled());
        d.close();
    });
    EXPECT_FALSE(ui::runSaveAs(nullptr, state, store, services));

    testing_support::whenModalShows<TfrmSaveAs>(
        [](TfrmSaveAs& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_FALSE(ui::runSaveAs(nullptr, state, store, services));

    EXPECT_EQ(before, readFile(dataPath()));
    EXPECT_EQ(1, state.PlanIndex);
    EXPECT_TRUE(state.ChangedData());
}

TEST_F(SaveAsDialog, RunSaveAsIsTrueOnlyAfterOkStoredThePlan) {
    openLoadedPlan();
    testing_support::whenModalShows<TfrmSaveAs>([](TfrmSaveAs& d) {
        d.findChild<QLineEdit*>(QStringLiteral("SaveAsName"))->setText(QStringLiteral("Copy"));
        QTest::keyClick(&d, Qt::Key_Return);  // OK is the default button
    });
    EXPECT_TRUE(ui::runSaveAs(nullptr, state, store, services));
    EXPECT_EQ(2, state.PlanIndex);
    EXPECT_EQ("Copy", nameAt(readFile(dataPath()), 2));
}

TEST_F(SaveAsDialog, CancelButtonSetsTheCancelledFlagAndHelpKeyOpensTheTopic) {
    open();
    EXPECT_FALSE(dialog->cancelled());
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    EXPECT_EQ(std::vector<QString>{QStringLiteral("File_Menu.htm")}, helpTopics);
    click(*dialog, "btnCancel");
    EXPECT_TRUE(dialog->cancelled());
    EXPECT_FALSE(dialog->stored());
}

}  // namespace
