// The Open dialog: the plan list, open, delete, search, export and import.

#include "ui/open_save/frm_open_debt.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "open_save_fixture.h"
#include "plan_test_helpers.h"

namespace {

namespace fs = std::filesystem;
using plan_testing::bytesOf;
using plan_testing::dataFileOf;
using plan_testing::nameAt;
using plan_testing::namedPlan;
using plan_testing::recordAt;
using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;
using testing_support::ExpectedBox;
using testing_support::readFile;
using testing_support::writeFile;
using ui::TfrmOpenDebt;
using ui_testing::click;

constexpr std::size_t kRec = plan::kClientRecSize;

std::string dataFileNamed(const std::vector<std::string>& names) {
    std::string bytes;
    for (const std::string& name : names)
        bytes += bytesOf(namedPlan(name));
    return bytes;
}

class OpenDebtDialog : public ui_testing::DataFileFixture {
  protected:
    void open() {
        services.boxes = &boxes;
        services.fileDialogs = &fileDialogs;
        services.showHelp = [this](const QString& topic) { helpTopics.push_back(topic); };
        services.applyScreenFonts = [this](QWidget& form) { fontedForms.push_back(&form); };
        dialog = std::make_unique<TfrmOpenDebt>(state, store, services);
        dialog->show();
    }
    QListWidget* list() { return dialog->findChild<QListWidget*>(QStringLiteral("Clients")); }
    QPushButton* button(const char* name) {
        return dialog->findChild<QPushButton*>(QString::fromUtf8(name));
    }
    QLineEdit* searchEdit() { return dialog->findChild<QLineEdit*>(QStringLiteral("SearchData")); }
    QStringList names() {
        QStringList out;
        for (int row = 0; row < list()->count(); ++row)
            out.append(list()->item(row)->text());
        return out;
    }
    int recordAtRow(int row) { return list()->item(row)->data(Qt::UserRole).toInt(); }
    void selectName(const QString& name) {
        const QList<QListWidgetItem*> found = list()->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        list()->setCurrentItem(found.first());
    }
    void clickOn(const char* name) { click(*dialog, name); }
    void expectWarning(const std::string& caption, const std::string& text) {
        boxes.expect(caption, text, MsgIcon::Warning);
    }

    ui::OpenDebtServices services;
    std::vector<QString> helpTopics;
    std::vector<QWidget*> fontedForms;
    std::unique_ptr<TfrmOpenDebt> dialog;
};

TEST_F(OpenDebtDialog, ListsPlansByNameWithoutCaseKeepingDuplicatesAndRecordNumbers) {
    writeFile(dataPath(), dataFileNamed({"beta", "Alpha", "alpha", "Gamma", "Beta", "Alpha"}));
    open();
    EXPECT_EQ(QStringLiteral("Open Debt Information"), dialog->windowTitle());
    EXPECT_EQ(
        (QStringList{QStringLiteral("Alpha"), QStringLiteral("alpha"), QStringLiteral("Alpha"),
                     QStringLiteral("beta"), QStringLiteral("Beta"), QStringLiteral("Gamma")}),
        names());
    EXPECT_EQ((std::vector<int>{1, 2, 5, 0, 4, 3}),
              (std::vector<int>{recordAtRow(0), recordAtRow(1), recordAtRow(2), recordAtRow(3),
                                recordAtRow(4), recordAtRow(5)}));
    EXPECT_EQ(0, list()->currentRow());
    for (const char* name : {"btnOK", "btnDelete", "btnSearch", "btnExport", "btnImport"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    EXPECT_FALSE(button("btnNext")->isEnabled());
    EXPECT_TRUE(button("btnOK")->isDefault());
    EXPECT_EQ(std::vector<QWidget*>{dialog.get()}, fontedForms);
}

TEST_F(OpenDebtDialog, NoPlansDisableOpenDeleteAndSearchButNotTransfer) {
    for (const bool fileExists : {false, true}) {
        SCOPED_TRACE(fileExists ? "empty data file" : "no data file");
        if (fileExists)
            writeFile(dataPath(), std::string(100, 'x'));  // less than one whole record
        open();
        EXPECT_EQ(0, list()->count());
        for (const char* name : {"btnOK", "btnDelete", "btnSearch", "btnNext"})
            EXPECT_FALSE(button(name)->isEnabled()) << name;
        EXPECT_TRUE(button("btnExport")->isEnabled());
        EXPECT_TRUE(button("btnImport")->isEnabled());
        // Enter and double-click reach DoOpen without a selection.
        expectWarning("Error", "No plan selected. Please select a plan first.");
        dialog->DoOpen();
        expectWarning("Error", "No plan selected. Please select a plan first.");
        dialog->DoDelete();
        expectWarning("Error", "No plan selected. Please select a plan first.");
        clickOn("btnExport");
        EXPECT_TRUE(fileDialogs.requests.empty());
        EXPECT_EQ(static_cast<platform::WindowHandle>(dialog.get()), boxes.shown().back().owner);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->chosenRecord());
    }
}

TEST_F(OpenDebtDialog, OkChoosesTheSelectedRecordAndTheCallerLoadsIt) {
    writeFile(dataPath(), dataFileNamed({"Zulu", "Mike", "Alpha"}));
    open();
    selectName(QStringLiteral("Mike"));
    clickOn("btnOK");
    EXPECT_EQ(QDialog::Accepted, dialog->result());
    ASSERT_EQ(std::optional<int>(1), dialog->chosenRecord());

    EXPECT_EQ(plan::LoadResult::Loaded, ui::loadChosenPlan(1, state, store));
    EXPECT_EQ(1, state.PlanIndex);
    EXPECT_EQ("Mike", state.ActivePlan.PlanName.text());
    EXPECT_FALSE(state.ChangedData());
}

TEST_F(OpenDebtDialog, DoubleClickAndEnterOpenAndCancelChoosesNothing) {
    writeFile(dataPath(), dataFileNamed({"Zulu", "Mike"}));
    open();
    const QPoint mike = list()->visualItemRect(list()->item(0)).center();
    // A double-click arrives after the press of its first click.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, mike);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, mike);
    EXPECT_EQ(std::optional<int>(1), dialog->chosenRecord());

    // Enter in the list presses OK.
    open();
    list()->setCurrentRow(1);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(std::optional<int>(0), dialog->chosenRecord());

    open();
    clickOn("btnCancel");
    EXPECT_EQ(QDialog::Rejected, dialog->result());
    EXPECT_FALSE(dialog->chosenRecord());
}

TEST_F(OpenDebtDialog, LoadingARecordThatVanishedKeepsThePlanAttachedToItsOwnRecord) {
    writeFile(dataPath(), dataFileOf(2));
    state.PlanIndex = 1;
    fs::remove(dataPath());
    EXPECT_EQ(plan::LoadResult::NotOpened, ui::loadChosenPlan(0, state, store));
    EXPECT_EQ(1, state.PlanIndex);
}

TEST_F(OpenDebtDialog, ExportThenImportLeavesTwoEqualRecordsAndSelectsTheNewOne) {
    writeFile(dataPath(), dataFileOf(2));
    const std::string before = readFile(dataPath());
    open();
    selectName(QStringLiteral("Plan 1"));
    fileDialogs.answer(pathOf("carried.dbt"));
    clickOn("btnExport");
    ASSERT_EQ(1u, fileDialogs.requests.size());
    const ui::FileDialogRequest& exportRequest = fileDialogs.requests[0];
    EXPECT_EQ(ui::FileDialogRequest::Kind::Save, exportRequest.kind);
    EXPECT_EQ(QStringLiteral("Export Zelvane Data"), exportRequest.title);
    EXPECT_EQ(QStringLiteral("Zelvane Data (*.dbt)"), exportRequest.filter);
    EXPECT_EQ(QStringLiteral("dbt"), exportRequest.defaultSuffix);
    EXPECT_EQ(recordAt(before, 1), readFile(pathOf("carried.dbt")));
    EXPECT_EQ(before, readFile(dataPath()));

    fileDialogs.answer(pathOf("carried.dbt"));
    clickOn("btnImport");
    ASSERT_EQ(2u, fileDialogs.requests.size());
    const ui::FileDialogRequest& importRequest = fileDialogs.requests[1];
    EXPECT_EQ(ui::FileDialogRequest::Kind::Open, importRequest.kind);
    EXPECT_EQ(QStringLiteral("Import Zelvane Data"), importRequest.title);
    EXPECT_EQ(QStringLiteral("Zelvane Data (*.dbt)"), importRequest.filter);
    EXPECT_EQ(QStringLiteral("dbt"), importRequest.defaultSuffix);

    const std::string after = readFile(dataPath());
    ASSERT_EQ(3 * kRec, after.size());
    EXPECT_EQ(recordAt(after, 1), recordAt(after, 2));
    EXPECT_EQ(3, list()->count());
    EXPECT_EQ(2, list()->currentItem()->data(Qt::UserRole).toInt());
    EXPECT_TRUE(list()->currentItem()->isSelected());
    EXPECT_EQ(QStringLiteral("Plan 1"), list()->currentItem()->text());
}

TEST_F(OpenDebtDialog, ExportAcceptsDbtInAnyCaseAndRefusesOtherNamesWithoutWriting) {
    writeFile(dataPath(), dataFileOf(1));
    open();
    for (const char* name : {"a.dbt", "b.DBT", "c.DbT"}) {
        fileDialogs.answer(pathOf(name));
        clickOn("btnExport");
        EXPECT_EQ(kRec, readFile(pathOf(name)).size()) << name;
    }
    for (const char* name : {"d.dat", "e.dbt.txt", "dbt"}) {
        fileDialogs.answer(pathOf(name));
        expectWarning("Error", "Invalid file type selected.");
        clickOn("btnExport");
        EXPECT_FALSE(fs::exists(pathOf(name))) << name;
    }
    // Import refuses the same names before opening anything.
    writeFile(pathOf("plan.dat"), recordAt(readFile(dataPath()), 0));
    fileDialogs.answer(pathOf("plan.dat"));
    expectWarning("Error", "Invalid file type selected.");
    clickOn("btnImport");
    EXPECT_EQ(kRec, readFile(dataPath()).size());
}

TEST_F(OpenDebtDialog, CancelledFileChoicesWriteNothing) {
    writeFile(dataPath(), dataFileOf(1));
    open();
    fileDialogs.answer(std::nullopt);
    clickOn("btnExport");
    fileDialogs.answer(std::nullopt);
    clickOn("btnImport");
    EXPECT_EQ(std::vector<fs::path>{fs::path(dataPath())},
              (std::vector<fs::path>(fs::directory_iterator(dir.path()), {})));
    EXPECT_EQ(dataFileOf(1), readFile(dataPath()));
}

TEST_F(OpenDebtDialog, ExportOfAPlanWhoseDataFileVanishedIsAborted) {
    writeFile(dataPath(), dataFileOf(1));
    open();
    fs::remove(dataPath());
    expectWarning("Error", "Unable to retreive selected plan. Export aborted.");
    clickOn("btnExport");
    EXPECT_TRUE(fileDialogs.requests.empty());
}

TEST_F(OpenDebtDialog, ExportIntoAMissingFolderCannotCreateTheFile) {
    writeFile(dataPath(), dataFileOf(1));
    open();
    fileDialogs.answer(pathOf("no such folder/plan.dbt"));
    expectWarning("Error", "Unable to create file.");
    clickOn("btnExport");
}

TEST_F(OpenDebtDialog, ImportFailuresLeaveTheDataFileAndTheListAlone) {
    struct Case {
        const char* what;
        std::optional<std::string> importBytes;  // nothing: the file does not exist
        bool dataFileExists;
        const char* warning;
    };
    const std::string oneRecord = bytesOf(namedPlan("Carried"));
    const Case cases[] = {
        {"100-byte file", std::string(100, 'x'), true, "Invalid or corrupt file. Import aborted."},
        {"empty file", std::string(), true, "Invalid or corrupt file. Import aborted."},
        {"missing file", std::nullopt, true, "Unable to open file."},
        {"no data file", oneRecord, false, "Unable to add imported file. Import aborted."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(dataPath());
        fs::remove(pathOf("in.dbt"));
        if (c.dataFileExists)
            writeFile(dataPath(), dataFileOf(2));
        if (c.importBytes)
            writeFile(pathOf("in.dbt"), *c.importBytes);
        open();
        const QStringList before = names();
        fileDialogs.answer(pathOf("in.dbt"));
        expectWarning("Error", c.warning);
        clickOn("btnImport");
        EXPECT_EQ(c.dataFileExists, fs::exists(dataPath()));
        if (c.dataFileExists) {
            EXPECT_EQ(dataFileOf(2), readFile(dataPath()));
        }
        EXPECT_EQ(before, names());
    }
}

TEST_F(OpenDebtDialog, ImportOfATwoRecordFileAddsOnlyTheFirst) {
    writeFile(dataPath(), dataFileOf(1));
    writeFile(pathOf("two.dbt"), dataFileNamed({"First", "Second"}));
    open();
    fileDialogs.answer(pathOf("two.dbt"));
    clickOn("btnImport");
    const std::string after = readFile(dataPath());
    ASSERT_EQ(2 * kRec, after.size());
    EXPECT_EQ(bytesOf(namedPlan("First")), recordAt(after, 1));
    EXPECT_EQ((QStringList{QStringLiteral("First"), QStringLiteral("Plan 0")}), names());
    EXPECT_EQ(QStringLiteral("First"), list()->currentItem()->text());
}

TEST_F(OpenDebtDialog, DeleteAsksWithTheNameAndNoKeepsEverything) {
    writeFile(dataPath(), dataFileOf(3));
    state.PlanIndex = 1;
    open();
    selectName(QStringLiteral("Plan 1"));
    boxes.expect(ExpectedBox{"Delete?", "Are you sure you want to delete \"Plan 1\"?", std::nullopt,
                             MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No});
    clickOn("btnDelete");
    EXPECT_EQ(dataFileOf(3), readFile(dataPath()));
    EXPECT_EQ(1, state.PlanIndex);
    EXPECT_EQ(3, list()->count());
}

TEST_F(OpenDebtDialog, DeletingTheOpenPlanDetachesIt) {
    writeFile(dataPath(), dataFileOf(3));
    state.PlanIndex = 1;
    open();
    selectName(QStringLiteral("Plan 1"));
    boxes.answerNext(MsgAnswer::Yes);
    clickOn("btnDelete");
    EXPECT_EQ(-1, state.PlanIndex);
    const std::string after = readFile(dataPath());
    ASSERT_EQ(2 * kRec, after.size());
    EXPECT_EQ("Plan 2", nameAt(after, 1));
    EXPECT_EQ((QStringList{QStringLiteral("Plan 0"), QStringLiteral("Plan 2")}), names());
    // The same list position is selected again.
    EXPECT_EQ(1, list()->currentRow());
}

TEST_F(OpenDebtDialog, DeletingAnEarlierRecordKeepsTheOpenPlanOnItsOwnRecord) {
    writeFile(dataPath(), dataFileOf(3));
    ASSERT_EQ(plan::LoadResult::Loaded, ui::loadChosenPlan(2, state, store));
    open();
    selectName(QStringLiteral("Plan 0"));
    boxes.answerNext(MsgAnswer::Yes);
    clickOn("btnDelete");
    ASSERT_EQ(1, state.PlanIndex);
    EXPECT_EQ("Plan 2", nameAt(readFile(dataPath()), state.PlanIndex));
    // A later record leaves it where it is.
    selectName(QStringLiteral("Plan 1"));
    boxes.answerNext(MsgAnswer::Yes);
    clickOn("btnDelete");
    ASSERT_EQ(0, state.PlanIndex);
    EXPECT_EQ("Plan 2", nameAt(readFile(dataPath()), 0));
}

TEST_F(OpenDebtDialog, DeletingTheLastEntrySelectsTheNewLastAndTheOnlyOneEmptiesTheList) {
    writeFile(dataPath(), dataFileOf(3));
    open();
    list()->setCurrentRow(2);
    boxes.answerNext(MsgAnswer::Yes);
    clickOn("btnDelete");
    EXPECT_EQ(2, list()->count());
    EXPECT_EQ(1, list()->currentRow());
    EXPECT_TRUE(list()->currentItem()->isSelected());

    writeFile(dataPath(), dataFileOf(1));
    open();
    boxes.answerNext(MsgAnswer::Yes);
    clickOn("btnDelete");
    EXPECT_EQ(0, list()->count());
    EXPECT_EQ(0u, readFile(dataPath()).size());
    EXPECT_FALSE(button("btnOK")->isEnabled());
    EXPECT_FALSE(button("btnDelete")->isEnabled());
}

TEST_F(OpenDebtDialog, DeleteWhenTheDataFileCannotBeOpenedSaysDiskError) {
    writeFile(dataPath(), dataFileOf(2));
    state.PlanIndex = 0;
    open();
    fs::remove(dataPath());
    boxes.answerNext(MsgAnswer::Yes);
    expectWarning("Disk Error", "Unable to delete Debt Information.");
    clickOn("btnDelete");
    EXPECT_EQ(0, state.PlanIndex);
    EXPECT_EQ(0, list()->count());
}

TEST_F(OpenDebtDialog, SearchAndNextWalkTheMatchingEntries) {
    writeFile(dataPath(),
              dataFileNamed({"Mary Smithers", "Ann Jones", "John Smith", "Caf\u00e9 Bills"}));
    open();
    ASSERT_EQ((QStringList{QStringLiteral("Ann Jones"), QString::fromUtf8("Caf\u00e9 Bills"),
                           QStringLiteral("John Smith"), QStringLiteral("Mary Smithers")}),
              names());
    searchEdit()->setText(QStringLiteral("  smith "));
    clickOn("btnSearch");
    EXPECT_EQ(2, list()->currentRow());
    EXPECT_TRUE(button("btnNext")->isEnabled());
    EXPECT_EQ(button("btnNext"), dialog->focusWidget());

    clickOn("btnNext");
    EXPECT_EQ(3, list()->currentRow());
    EXPECT_TRUE(button("btnNext")->isEnabled());

    boxes.expect("Search", "No more entries found matching search criteria.", MsgIcon::Warning);
    clickOn("btnNext");
    EXPECT_EQ(3, list()->currentRow());
    EXPECT_FALSE(button("btnNext")->isEnabled());
    EXPECT_EQ(searchEdit(), dialog->focusWidget());
}

TEST_F(OpenDebtDialog, SearchComplainsAboutEmptyCriteriaAndMisses) {
    writeFile(dataPath(), dataFileNamed({"Caf\u00e9 Bills", "John Smith"}));
    open();
    searchEdit()->setText(QStringLiteral("   "));
    boxes.expect("No Search Criteria", "Enter search criteria in appropriate data entry field.",
                 MsgIcon::Warning);
    clickOn("btnSearch");
    EXPECT_EQ(searchEdit(), dialog->focusWidget());

    // Only a to z compare without case: the accented capital does not match.
    searchEdit()->setText(QString::fromUtf8("CAF\u00c9"));
    boxes.expect("Search", "No entry found matching search criteria.", MsgIcon::Warning);
    clickOn("btnSearch");
    EXPECT_FALSE(button("btnNext")->isEnabled());
    EXPECT_EQ(searchEdit(), dialog->focusWidget());

    searchEdit()->setText(QString::fromUtf8("caf\u00e9 b"));
    clickOn("btnSearch");
    EXPECT_EQ(0, list()->currentRow());
}

TEST_F(OpenDebtDialog, HelpKeyOpensTheFileMenuTopic) {
    open();
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    EXPECT_EQ(std::vector<QString>{QStringLiteral("File_Menu.htm")}, helpTopics);
}

TEST_F(OpenDebtDialog, RunOpenDebtReturnsTheChosenRecordOrNothing) {
    writeFile(dataPath(), dataFileNamed({"Zulu", "Mike"}));
    services.boxes = &boxes;
    services.fileDialogs = &fileDialogs;
    testing_support::whenModalShows<TfrmOpenDebt>([](TfrmOpenDebt& d) { click(d, "btnOK"); });
    EXPECT_EQ(std::optional<int>(1), ui::runOpenDebt(nullptr, state, store, services));

    testing_support::whenModalShows<TfrmOpenDebt>([](TfrmOpenDebt& d) { d.close(); });
    EXPECT_FALSE(ui::runOpenDebt(nullptr, state, store, services));
}

}  // namespace
