// The print dialog: what it shows from the remembered settings, what it enables, what OK
// stores, the conversion error of a bad page number, and the page range of each copy.

#include "reports/preview/print_dlg.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "fake_printers.h"
#include "reports/preview/memory_report_window_services.h"
#include "scripted_message_boxes.h"

namespace reports {
namespace {

class PrintDialog : public ::testing::Test {
  protected:
    PrintSettings settings;
    testing_printers::FakePrinterCatalog printers;
    MemoryReportWindowServices services;
    testing_support::ScriptedMessageBoxes boxes;
    std::unique_ptr<TPrintDlg> dialog;

    void open(bool rangeVisible = true) {
        dialog = std::make_unique<TPrintDlg>(settings, printers, services, boxes);
        dialog->setRangeVisible(rangeVisible);
        dialog->show();
    }
    template <typename T>
    T* child(const char* name) {
        T* found = dialog->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(nullptr, found) << name;
        return found;
    }
};

TEST_F(PrintDialog, ShowsTheRememberedSettings) {
    settings.printerIndex = 1;
    settings.copies = 3;
    settings.firstPage = 2;
    settings.lastPage = 12;
    settings.allPages = false;
    open();
    EXPECT_EQ(QStringLiteral("Print"), dialog->windowTitle());
    auto* list = child<QComboBox>("cbxPrinterList");
    ASSERT_EQ(2, list->count());
    EXPECT_EQ(QStringLiteral("Laser"), list->currentText());
    EXPECT_EQ(3, child<QSpinBox>("SpinEdit")->value());
    EXPECT_EQ(kMaxCopies, child<QSpinBox>("SpinEdit")->maximum());
    EXPECT_EQ(QStringLiteral("  2"), child<QLineEdit>("edtFrom")->text());
    EXPECT_EQ(QStringLiteral(" 12"), child<QLineEdit>("edtTo")->text());
    EXPECT_TRUE(child<QRadioButton>("rbtnPages")->isChecked());
    EXPECT_TRUE(child<QLineEdit>("edtFrom")->isEnabled());
}

TEST_F(PrintDialog, PageFieldsArePaddedToThreeAndAMissingLastPageIsEmpty) {
    EXPECT_EQ(QStringLiteral("  1"), pageFieldText(1));
    EXPECT_EQ(QStringLiteral("100"), pageFieldText(100));
    EXPECT_EQ(QStringLiteral("1234"), pageFieldText(1234));
    EXPECT_EQ(QString(), pageFieldText(-1));
}

TEST_F(PrintDialog, WithoutARememberedPrinterTheSystemDefaultIsSelected) {
    printers.defaultIndex = 1;
    open();
    EXPECT_EQ(1, child<QComboBox>("cbxPrinterList")->currentIndex());
    EXPECT_TRUE(child<QRadioButton>("rbtnAll")->isChecked());
    EXPECT_EQ(QString(), child<QLineEdit>("edtTo")->text());
}

TEST_F(PrintDialog, EnablesTheRangeFieldsOnlyForPagesAndNothingWithoutPrinters) {
    open();
    EXPECT_FALSE(child<QLineEdit>("edtFrom")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>("edtTo")->isEnabled());
    child<QRadioButton>("rbtnPages")->setChecked(true);
    EXPECT_TRUE(child<QLineEdit>("edtFrom")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>("edtTo")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("btnOK")->isEnabled());

    printers.names.clear();
    dialog->EnableDisable();
    for (const char* name : {"btnOK", "btnProperties", "SpinEdit", "rbtnAll", "rbtnPages"}) {
        EXPECT_FALSE(child<QWidget>(name)->isEnabled()) << name;
    }
}

TEST_F(PrintDialog, OkStoresPrinterCopiesRangeAndChoiceAndSavesTheSection) {
    open();
    child<QComboBox>("cbxPrinterList")->setCurrentIndex(1);
    child<QSpinBox>("SpinEdit")->setValue(4);
    child<QRadioButton>("rbtnPages")->setChecked(true);
    child<QLineEdit>("edtFrom")->setText(QStringLiteral("  5 "));
    child<QLineEdit>("edtTo")->setText(QStringLiteral("  "));
    QTest::mouseClick(child<QPushButton>("btnOK"), Qt::LeftButton);
    EXPECT_TRUE(dialog->confirmed());
    EXPECT_EQ(1, settings.printerIndex);
    EXPECT_EQ(4, settings.copies);
    EXPECT_EQ(5, settings.firstPage);
    EXPECT_EQ(-1, settings.lastPage);
    EXPECT_FALSE(settings.allPages);
    EXPECT_EQ(1, services.reportsFormSaves);
}

TEST_F(PrintDialog, ABadPageNumberKeepsTheDialogOpenAndChangesNothing) {
    settings.allPages = false;
    open();
    child<QSpinBox>("SpinEdit")->setValue(9);
    child<QLineEdit>("edtTo")->setText(QStringLiteral("7x"));
    boxes.expect("Error", "'7x' is not a valid integer value.", platform::MsgIcon::Warning);
    QTest::mouseClick(child<QPushButton>("btnOK"), Qt::LeftButton);
    EXPECT_TRUE(boxes.allAnswered());
    EXPECT_FALSE(dialog->confirmed());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(1, settings.copies);
    EXPECT_EQ(-1, settings.lastPage);
    EXPECT_EQ(0, services.reportsFormSaves);
}

TEST_F(PrintDialog, CancelStoresNothing) {
    open();
    child<QSpinBox>("SpinEdit")->setValue(9);
    QTest::mouseClick(child<QPushButton>("btnCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog->confirmed());
    EXPECT_EQ(1, settings.copies);
}

TEST_F(PrintDialog, PropertiesTakeOverThePrinterAndItsOrientation) {
    open();
    printers.setupAnswer = PrinterSetupResult{1, Orientation::Landscape};
    QTest::mouseClick(child<QPushButton>("btnProperties"), Qt::LeftButton);
    EXPECT_EQ(1, printers.setupCalls);
    EXPECT_EQ(Orientation::Landscape, settings.orientation);
    EXPECT_EQ(1, child<QComboBox>("cbxPrinterList")->currentIndex());

    printers.setupAnswer.reset();  // cancelled: nothing changes
    child<QComboBox>("cbxPrinterList")->setCurrentIndex(0);
    QTest::mouseClick(child<QPushButton>("btnProperties"), Qt::LeftButton);
    EXPECT_EQ(Orientation::Landscape, settings.orientation);
    EXPECT_EQ(0, child<QComboBox>("cbxPrinterList")->currentIndex());
}

TEST_F(PrintDialog, TheRangeGroupCanBeHiddenAndHelpHasItsTopic) {
    open(false);
    EXPECT_FALSE(child<QWidget>("gbxPrtRange")->isVisible());
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    EXPECT_EQ(QStringList{QStringLiteral("Printing.htm")}, services.helpTopics);
}

TEST(PagesToPrint, AllPagesOrTheRangeInsideTheReport) {
    struct Case {
        bool all;
        int first, last, count;
        std::vector<int> pages;
    };
    const std::vector<Case> cases = {
        {true, 3, 4, 5, {1, 2, 3, 4, 5}},
        {false, 2, 4, 7, {2, 3, 4}},
        {false, 3, -1, 5, {3, 4, 5}},
        {false, 4, 99, 5, {4, 5}},
        {false, 0, 2, 5, {1, 2}},
        {false, 4, 2, 5, {}},
        {false, 6, 8, 5, {}},
        {true, 1, -1, 0, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.pages, pagesToPrint(c.all, c.first, c.last, c.count))
            << c.all << " " << c.first << ".." << c.last << " of " << c.count;
    }
}

}  // namespace
}  // namespace reports

#include "reports/preview/qt_printer_catalog.h"

namespace reports {
namespace {

TEST(QtPrinterCatalog, ListsTheSystemPrintersAndRefusesAnUnknownOne) {
    QtPrinterCatalog catalog;
    const auto names = catalog.printerNames();
    EXPECT_EQ(static_cast<int>(names.size()), catalog.printerCount());
    if (names.empty()) {
        EXPECT_EQ(-1, catalog.defaultPrinterIndex());
    } else {
        EXPECT_GE(catalog.defaultPrinterIndex(), 0);
    }
    EXPECT_EQ(nullptr, catalog.startJob(-1, Orientation::Portrait, QStringLiteral("x")));
    EXPECT_EQ(nullptr, catalog.startJob(static_cast<int>(names.size()), Orientation::Portrait,
                                        QStringLiteral("x")));
    EXPECT_FALSE(catalog.showSetupDialog(-1, Orientation::Portrait, nullptr));
}

}  // namespace
}  // namespace reports
