// The program's file choosers for export and import, driven through Qt's own file dialog.

#include "ui/open_save/file_dialogs.h"

#include <gtest/gtest.h>

#include <QFileDialog>

#include "open_save_fixture.h"

namespace {

class QtFileChooser : public ::testing::Test {
  protected:
    QString inDir(const char* name) const { return QString::fromStdString((dir / name).string()); }
    // Qt's file dialog keeps its history in the user's configuration folder.
    testing_support::TempHome home;
    testing_support::TempDir dir;
    ui::QtPlanFileDialogs dialogs;
};

TEST_F(QtFileChooser, ExportAsksForASaveNameAndAddsTheDefaultExtension) {
    testing_support::whenModalShows<QFileDialog>([this](QFileDialog& d) {
        EXPECT_EQ(QStringLiteral("Export Zelvane Data"), d.windowTitle());
        EXPECT_EQ(QStringList{QStringLiteral("Zelvane Data (*.dbt)")}, d.nameFilters());
        EXPECT_EQ(QStringLiteral("dbt"), d.defaultSuffix());
        EXPECT_EQ(QFileDialog::AcceptSave, d.acceptMode());
        EXPECT_FALSE(d.testOption(QFileDialog::DontConfirmOverwrite));
        d.selectFile(inDir("My plan"));
        QMetaObject::invokeMethod(&d, "accept");  // as the Save button does
    });
    EXPECT_EQ(std::optional<QString>(inDir("My plan.dbt")),
              dialogs.chooseFile(nullptr, ui::exportDialogRequest()));
}

TEST_F(QtFileChooser, ImportAsksForAnExistingFileAndCancelGivesNothing) {
    testing_support::whenModalShows<QFileDialog>([](QFileDialog& d) {
        EXPECT_EQ(QStringLiteral("Import Zelvane Data"), d.windowTitle());
        EXPECT_EQ(QFileDialog::AcceptOpen, d.acceptMode());
        EXPECT_EQ(QFileDialog::ExistingFile, d.fileMode());
        d.reject();
    });
    EXPECT_FALSE(dialogs.chooseFile(nullptr, ui::importDialogRequest()));
}

}  // namespace
