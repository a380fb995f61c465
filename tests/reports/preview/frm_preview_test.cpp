// The report preview: paging, zoom steps, typed zoom and page, the wheel, stored zoom and
// position, printing ranges and copies, the busy printer, and PDF export.

#include "reports/preview/frm_preview.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include "fake_printers.h"
#include "modal_dialogs.h"
#include "pdf_tools.h"
#include "reports/engine/fixed_width_measurer.h"
#include "reports/preview/memory_report_window_services.h"
#include "reports/preview/print_dlg.h"
#include "reports/preview/report_page_view.h"
#include "sample_pages.h"
#include "scripted_message_boxes.h"
#include "temp_home.h"

namespace reports {
namespace {

using testing_support::whenModalShows;
using testing_printers::FakePrinterCatalog;

class Preview : public ::testing::Test {
  protected:
    FixedWidthMeasurer measurer;
    PageStream pages = testing_pages::numberedPages(measurer, 7);
    MemoryReportWindowServices services;
    FakePrinterCatalog printers;
    PrintSettings printSettings;
    testing_support::ScriptedMessageBoxes boxes;
    std::unique_ptr<TfrmPreview> form;

    void open() {
        form = std::make_unique<TfrmPreview>(pages, services, printers, printSettings, boxes);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override {
        if (form)
            form->close();
    }
    template <typename T>
    T* child(const char* name) {
        T* found = form->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(nullptr, found) << name;
        return found;
    }
    QString caption() { return child<QLabel>("dxBarStaticPageXofX")->text(); }
    void trigger(const char* action) { child<QAction>(action)->trigger(); }
    int pageNumberOf(const Page* page) const {
        return static_cast<int>(page - pages.pages().data()) + 1;
    }
    void wheel(int delta, Qt::KeyboardModifiers modifiers) {
        QWidget* viewport = child<QScrollArea>("ScrollBox1")->viewport();
        const QPointF at(20, 20);
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    }
};

TEST_F(Preview, PagesThroughTheReportWithMenuAndToolbar) {
    open();
    EXPECT_EQ(QStringLiteral("Report Preview"), form->windowTitle());
    EXPECT_EQ(1, form->currentPage());
    EXPECT_EQ(QStringLiteral("Page 1 of 7"), caption());
    EXPECT_FALSE(child<QAction>("dxmnuFirstPage")->isEnabled());
    EXPECT_FALSE(child<QAction>("dxmnuPrevPage")->isEnabled());
    EXPECT_TRUE(child<QAction>("dxmnuNextPage")->isEnabled());

    QTest::mouseClick(child<QToolButton>("sbtnNext"), Qt::LeftButton);
    EXPECT_EQ(2, form->currentPage());
    EXPECT_EQ(QStringLiteral("2"), child<QLineEdit>("dxBarEditPageNum")->text());
    EXPECT_TRUE(child<QAction>("dxmnuPrevPage")->isEnabled());

    trigger("dxmnuLastPage");
    EXPECT_EQ(QStringLiteral("Page 7 of 7"), caption());
    EXPECT_FALSE(child<QAction>("dxmnuNextPage")->isEnabled());
    EXPECT_FALSE(child<QToolButton>("sbtnLast")->isEnabled());
    trigger("dxmnuPrevPage");
    EXPECT_EQ(6, form->currentPage());
    trigger("dxmnuFirstPage");
    EXPECT_EQ(QStringLiteral("Page 1 of 7"), caption());
}

TEST_F(Preview, ASinglePageReportHasNothingToPageTo) {
    pages = testing_pages::numberedPages(measurer, 1);
    open();
    EXPECT_EQ(QStringLiteral("Page 1 of 1"), caption());
    for (const char* name : {"dxmnuFirstPage", "dxmnuPrevPage", "dxmnuNextPage", "dxmnuLastPage"}) {
        EXPECT_FALSE(child<QAction>(name)->isEnabled()) << name;
    }
}

TEST_F(Preview, ZoomMenuStepsAndTheToolbarZoomSteps) {
    open();
    EXPECT_EQ(100.0, form->zoom());
    EXPECT_EQ(QStringLiteral("100.0"), child<QLineEdit>("dxBarEditZoomPercent")->text());
    const std::pair<const char*, double> items[] = {
        {"ZoomIn200", 200}, {"Zoom175", 175}, {"Zoom150", 150}, {"Zoom125", 125},
        {"Zoom100", 100},   {"Zoom75", 75},   {"Zoom50", 50},   {"Zoom25", 25}};
    auto* view = child<ReportPageView>("MyFilePreview");
    for (const auto& [name, percent] : items) {
        trigger(name);
        EXPECT_EQ(percent, form->zoom()) << name;
        EXPECT_NEAR(8.5 * 1.05 * view->screenDotsPerInch() * percent / 100, view->width(), 2)
            << name;
    }
    EXPECT_EQ(QStringLiteral("25.0"), child<QLineEdit>("dxBarEditZoomPercent")->text());

    QTest::mouseClick(child<QToolButton>("sbtnZoomIn"), Qt::LeftButton);
    EXPECT_EQ(50.0, form->zoom());
    form->setZoom(101);
    QTest::mouseClick(child<QToolButton>("sbtnZoomOut"), Qt::LeftButton);
    EXPECT_EQ(100.0, form->zoom());
    form->setZoom(500);
    QTest::mouseClick(child<QToolButton>("sbtnZoomIn"), Qt::LeftButton);
    EXPECT_EQ(500.0, form->zoom());
}

TEST_F(Preview, PageWidthAndWholePageFitTheView) {
    open();
    auto* scroll = child<QScrollArea>("ScrollBox1");
    auto* view = child<ReportPageView>("MyFilePreview");
    QTest::mouseClick(child<QToolButton>("sbtnZoomPage"), Qt::LeftButton);
    const QSize room = scroll->maximumViewportSize();
    EXPECT_LE(view->width(), room.width());
    EXPECT_LE(view->height(), room.height());
    EXPECT_TRUE(view->width() >= room.width() - 3 || view->height() >= room.height() - 3);

    trigger("ZoomPageWidth");
    EXPECT_LE(view->width(), scroll->viewport()->width());
    EXPECT_GT(view->width(), scroll->viewport()->width() - 25);
    EXPECT_GT(view->height(), scroll->viewport()->height());  // a page is taller than wide
}

TEST_F(Preview, TypedZoomAcceptsOnlyNumbersAndAppliesOnEnterOrWhenLeft) {
    open();
    auto* field = child<QLineEdit>("dxBarEditZoomPercent");
    field->clear();
    QTest::keyClicks(field, QStringLiteral("1x5a0%"));
    EXPECT_EQ(QStringLiteral("150"), field->text());
    EXPECT_EQ(100.0, form->zoom());  // not yet applied
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(150.0, form->zoom());
    EXPECT_EQ(QStringLiteral("150.0"), field->text());

    field->clear();
    QTest::keyClicks(field, QStringLiteral("62.5"));
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(field, &leave);
    EXPECT_EQ(62.5, form->zoom());

    field->setText(QStringLiteral("."));  // not a number: the factor stays
    QTest::keyClick(field, Qt::Key_Enter);
    EXPECT_EQ(62.5, form->zoom());
    EXPECT_EQ(QStringLiteral("62.5"), field->text());
}

TEST_F(Preview, TypedPageNumberShowsThatPage) {
    open();
    auto* field = child<QLineEdit>("dxBarEditPageNum");
    field->clear();
    QTest::keyClicks(field, QStringLiteral("-/ a4."));
    EXPECT_EQ(QStringLiteral("4"), field->text());
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(4, form->currentPage());
    EXPECT_EQ(QStringLiteral("Page 4 of 7"), caption());

    field->setText(QStringLiteral("99"));  // beyond the end: the last page
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(7, form->currentPage());
    EXPECT_EQ(QStringLiteral("7"), field->text());

    field->setText(QStringLiteral("2"));
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(field, &leave);
    EXPECT_EQ(2, form->currentPage());
}

TEST_F(Preview, CtrlWheelZoomsByOnePercentAndTheWheelAloneScrolls) {
    open();
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(101.0, form->zoom());
    EXPECT_EQ(QStringLiteral("101.0"), child<QLineEdit>("dxBarEditZoomPercent")->text());
    wheel(-120, Qt::ControlModifier);
    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(99.0, form->zoom());

    QScrollBar* bar = child<QScrollArea>("ScrollBox1")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(0);
    wheel(-120, Qt::NoModifier);
    EXPECT_EQ(bar->singleStep(), bar->value());
    wheel(120, Qt::NoModifier);
    EXPECT_EQ(0, bar->value());
    EXPECT_EQ(99.0, form->zoom());
}

TEST_F(Preview, OpensAtTheStoredZoomAndStoresZoomPositionAndToolbarsWhenClosed) {
    services.zoom = 150;
    open();
    EXPECT_EQ(150.0, form->zoom());
    EXPECT_EQ(QStringLiteral("150.0"), child<QLineEdit>("dxBarEditZoomPercent")->text());
    trigger("Zoom175");
    form->setGeometry(QRect(40, 50, 700, 600));
    form->close();
    EXPECT_EQ(175.0, services.zoom);
    EXPECT_EQ(1, services.reportsFormSaves);
    EXPECT_TRUE(services.positions.contains(QStringLiteral("frmPreview")));
    EXPECT_FALSE(services.toolbarLayouts.value(QStringLiteral("frmPreview")).isEmpty());

    // The next preview opens where and as the last one was closed.
    form = std::make_unique<TfrmPreview>(pages, services, printers, printSettings, boxes);
    form->show();
    EXPECT_EQ(175.0, form->zoom());
    EXPECT_EQ(QSize(700, 600), form->geometry().size());
}

TEST_F(Preview, ExecShowsTheWindowModallyUntilItCloses) {
    form = std::make_unique<TfrmPreview>(pages, services, printers, printSettings, boxes);
    bool wasModal = false;
    QTimer::singleShot(50, form.get(), [&] {
        wasModal = form->isVisible() && form->isModal();
        form->findChild<QAction*>(QStringLiteral("MenuExit"))->trigger();
    });
    form->exec();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(100.0, services.zoom);
}

TEST_F(Preview, PrintingIsDisabledWithoutPrinters) {
    printers.names.clear();
    open();
    EXPECT_FALSE(child<QAction>("MenuPrintReport")->isEnabled());
}

TEST_F(Preview, ThePrintDialogProposesTheCurrentPageToTheLastAndPrintsRangesPerCopy) {
    open();
    form->showPage(3);
    bool proposed = false;
    whenModalShows<TPrintDlg>([&](TPrintDlg& dialog) {
        EXPECT_EQ(TPrintDlg::kCallerPreview, dialog.caller());
        auto* from = dialog.findChild<QLineEdit*>(QStringLiteral("edtFrom"));
        auto* to = dialog.findChild<QLineEdit*>(QStringLiteral("edtTo"));
        EXPECT_EQ(QStringLiteral("  3"), from->text());
        EXPECT_EQ(QStringLiteral("  7"), to->text());
        EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("rbtnAll"))->isChecked());
        EXPECT_TRUE(dialog.findChild<QWidget*>(QStringLiteral("gbxPrtRange"))->isVisible());
        proposed = true;
        dialog.findChild<QRadioButton*>(QStringLiteral("rbtnPages"))->setChecked(true);
        from->setText(QStringLiteral("2"));
        to->setText(QStringLiteral("4"));
        dialog.findChild<QSpinBox*>(QStringLiteral("SpinEdit"))->setValue(2);
        dialog.findChild<QComboBox*>(QStringLiteral("cbxPrinterList"))->setCurrentIndex(1);
        dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    form->PrintReport();
    EXPECT_TRUE(proposed);
    ASSERT_EQ(2u, printers.jobs.size());
    for (const auto& job : printers.jobs) {
        EXPECT_EQ(1, job.printerIndex);
        std::vector<int> numbers;
        for (const Page* page : job.pages)
            numbers.push_back(pageNumberOf(page));
        EXPECT_EQ((std::vector<int>{2, 3, 4}), numbers);
        EXPECT_TRUE(job.finished);
    }
    EXPECT_FALSE(printSettings.allPages);
}

TEST_F(Preview, AllPagesAndACancelledDialog) {
    open();
    whenModalShows<TPrintDlg>(
        [](TPrintDlg& d) { d.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click(); });
    form->PrintReport();
    EXPECT_TRUE(printers.jobs.empty());

    whenModalShows<TPrintDlg>(
        [](TPrintDlg& d) { d.findChild<QPushButton*>(QStringLiteral("btnOK"))->click(); });
    form->PrintReport();
    ASSERT_EQ(1u, printers.jobs.size());
    EXPECT_EQ(7u, printers.jobs[0].pages.size());
    EXPECT_EQ(0, printers.jobs[0].printerIndex);
}

TEST_F(Preview, ASecondPrintWhileTheFirstRunsIsRefused) {
    open();
    boxes.expect("Error", "Previous print job has not yet finished.  Try again later.",
                 platform::MsgIcon::Warning);
    bool asked = false;
    printers.onPage = [&](const Page&) {
        if (asked)
            return;
        asked = true;
        EXPECT_TRUE(form->printing());
        form->PrintReport();  // as a click on Print between two printed pages
    };
    whenModalShows<TPrintDlg>(
        [](TPrintDlg& d) { d.findChild<QPushButton*>(QStringLiteral("btnOK"))->click(); });
    form->PrintReport();
    EXPECT_TRUE(boxes.allAnswered());
    EXPECT_TRUE(boxes.shown().front().bringToForeground);
    ASSERT_EQ(1u, printers.jobs.size());
    EXPECT_EQ(7u, printers.jobs[0].pages.size());
    EXPECT_FALSE(form->printing());
}

TEST_F(Preview, ExportsEveryPageAsPdf) {
    testing_support::TempDir dir;
    const QString path = QString::fromStdString((dir / "report.pdf").string());
    services.pdfFileName = path;
    open();
    form->showPage(5);
    trigger("MenuExportPdf");
    EXPECT_EQ(7, testing_support::pdfPageCount(path));
    EXPECT_TRUE(
        testing_support::pdfText(path, 7, 7).contains(QStringLiteral("Sample Report Page 7")));
}

TEST_F(Preview, AFailedExportNamesThePathAndTheSystemMessage) {
    services.pdfFileName = QStringLiteral("/nonexistent-folder/report.pdf");
    testing_support::ExpectedBox expected;
    expected.caption = "Zelvane Error";
    expected.textContains = "/nonexistent-folder/report.pdf";
    expected.icon = platform::MsgIcon::Error;
    boxes.expect(expected);
    open();
    form->ExportPdf();
    ASSERT_TRUE(boxes.allAnswered());
    EXPECT_NE(std::string::npos, boxes.shown()[0].text.find("No such file or directory"));

    services.pdfFileName.reset();  // cancelled file chooser: nothing happens
    form->ExportPdf();
    EXPECT_EQ(1u, boxes.shown().size());
}

TEST_F(Preview, HelpOpensThePreviewTopic) {
    open();
    auto* help = child<QAction>("dxBarProgHelp");
    EXPECT_EQ(QStringLiteral("Zelvane &Help..."), help->text());
    EXPECT_EQ(QKeySequence(Qt::Key_F1), help->shortcut());
    help->trigger();
    EXPECT_EQ(QStringList{QStringLiteral("Report_Preview.htm")}, services.helpTopics);
}

}  // namespace
}  // namespace reports
