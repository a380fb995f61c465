// The report status dialog: a completed run closes itself, Cancel stops a running report
// and keeps the dialog open until OK, and a plan without a schedule gives a message and
// no pages.

#include "reports/status/frm_report_status.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "../generate/report_fixture.h"
#include "modal_dialogs.h"
#include "pdf_tools.h"
#include "reports/preview/memory_report_window_services.h"
#include "scripted_message_boxes.h"
#include "temp_home.h"

namespace reports {
namespace {

using reports_test::debtsNamed;
using reports_test::planWith;

// Never finishes; on its third page it presses Cancel the way a user would, through the
// event queue that the running report keeps serving.
class CancelOnThirdPage final : public SectionBody {
  public:
    explicit CancelOnThirdPage(TfrmReportStatus*& dialog) : dialog_(dialog) {}
    void startSection() override {}
    bool printPage(ReportEngine& e) override {
        e.println("page");
        if (++pages_ == 3)
            QMetaObject::invokeMethod(dialog_->btnCancel, "click", Qt::QueuedConnection);
        return false;
    }
    int pages_ = 0;

  private:
    TfrmReportStatus*& dialog_;
};

// Calls `act` once the dialog's run has ended.
void whenRunEnds(TfrmReportStatus& dialog, std::function<void()> act) {
    auto* timer = new QTimer(&dialog);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, &dialog, [&dialog, timer, act] {
        if (dialog.running() || !dialog.isVisible() ||
            dialog.btnCancel->text() != QStringLiteral("OK"))
            return;
        timer->stop();
        act();
    });
    timer->start();
}

class ReportStatusTest : public ::testing::Test {
  protected:
    MemoryReportWindowServices services;
    testing_support::ScriptedMessageBoxes boxes;
};

TEST_F(ReportStatusTest, CompletedRunClosesItselfAfterShowingCompleted) {
    ReportInputs in = planWith(debtsNamed(2));
    in.plan.RptMonthPayOnly = in.plan.RptMonthPayBal = 1;
    TfrmReport report(in);
    PageStream pages;
    TfrmReportStatus dialog(report, pages, reports_test::wideMeasurer(), services, boxes);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Report Status Screen"));
    QString shownAtEnd;
    bool buttonHidden = false;
    whenRunEnds(dialog, [&] {
        shownAtEnd = dialog.statusText();
        buttonHidden = dialog.btnCancel->isHidden();
    });
    dialog.exec();  // returns only when the close timer has closed the dialog
    EXPECT_EQ(dialog.result().outcome, ReportOutcome::Completed);
    EXPECT_EQ(shownAtEnd, QStringLiteral("\nReport Completed!"));
    EXPECT_TRUE(buttonHidden);
    EXPECT_EQ(pages.pageCount(), 2u);
    EXPECT_EQ(report.PageCount, 2);
}

TEST_F(ReportStatusTest, CancelStopsTheRunAndWaitsForOk) {
    ReportInputs in = planWith(debtsNamed(2));
    in.plan.RptOverview = 1;
    TfrmReport report(in);
    TfrmReportStatus* dialogRef = nullptr;
    auto body = std::make_unique<CancelOnThirdPage>(dialogRef);
    CancelOnThirdPage* bodyRef = body.get();
    report.setBody(section::kOverview, std::move(body));
    PageStream pages;
    TfrmReportStatus dialog(report, pages, reports_test::wideMeasurer(), services, boxes);
    dialogRef = &dialog;
    QString shown;
    bool stillOpen = false;
    whenRunEnds(dialog, [&] {
        shown = dialog.statusText();
        stillOpen = dialog.isVisible() && !dialog.tmrClose->isActive();
        dialog.btnCancel->click();  // now "OK": closes the dialog
    });
    dialog.exec();
    EXPECT_EQ(dialog.result().outcome, ReportOutcome::Canceled);
    EXPECT_EQ(shown, QStringLiteral("\nReport Canceled!"));
    EXPECT_TRUE(stillOpen);
    EXPECT_LE(bodyRef->pages_, 4) << "the run ends soon after Cancel";
}

TEST_F(ReportStatusTest, CancelDuringAPreviewRunShowsNoPreview) {
    ReportInputs in = planWith(debtsNamed(2));
    in.plan.RptOverview = 1;
    TfrmReport report(in);
    TfrmReportStatus* dialogRef = nullptr;
    report.setBody(section::kOverview, std::make_unique<CancelOnThirdPage>(dialogRef));
    PageStream pages;
    // The dialog is made inside runPreviewReport: find it once it is on screen.
    testing_support::whenModalShows<TfrmReportStatus>(
        [&dialogRef](TfrmReportStatus& dialog) {
            dialogRef = &dialog;
            whenRunEnds(dialog, [d = &dialog] { d->btnCancel->click(); });
        },
        1);
    EXPECT_FALSE(runPreviewReport(report, pages, reports_test::wideMeasurer(), services, boxes));
}

TEST_F(ReportStatusTest, PlanWithoutScheduleShowsTheMessageAndNoPages) {
    ReportInputs in = planWith({{"Card", 5000, 10, 18, 5}});
    in.plan.RptMonthPayOnly = 1;
    TfrmReport report(in);
    testing_support::ExpectedBox box;
    box.caption = "Zelvane: Report Error";
    box.icon = platform::MsgIcon::Warning;
    boxes.expect(box);
    PageStream pages;
    EXPECT_FALSE(runPreviewReport(report, pages, reports_test::wideMeasurer(), services, boxes));
    EXPECT_TRUE(pages.empty());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_FALSE(boxes.shown()[0].text.empty());
}

TEST_F(ReportStatusTest, PrintModeSendsThePagesToThePrinterOnItsPaper) {
    ReportInputs in = planWith(debtsNamed(2));
    in.plan.RptMonthPayOnly = in.plan.RptCalendar = 1;
    TfrmReport report(in);
    testing_support::TempDir dir;
    const QString path = QString::fromStdString((dir.path() / "printed.pdf").string());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(runPrintReport(report, printer, Orientation::Landscape,
                               reports_test::wideMeasurer(), services, boxes));
    // The same pages as a preview run on A4 landscape paper.
    TfrmReport again(in);
    ReportEngine engine(reports_test::wideMeasurer());
    engine.setPaperSize(8.27, 11.69);
    engine.setOrientation(Orientation::Landscape);
    PageStream pages;
    again.run(engine, pages);
    EXPECT_EQ(testing_support::pdfPageCount(path), static_cast<int>(pages.pageCount()));
    EXPECT_TRUE(testing_support::pdfPageSize(path).startsWith(QStringLiteral("842 x 595")))
        << testing_support::pdfPageSize(path).toStdString();
}

}  // namespace
}  // namespace reports
