// Printing pages on a QPrinter, here a PDF printer so the result can be read back.

#include "reports/render/printer_output.h"

#include <gtest/gtest.h>

#include "pdf_tools.h"
#include "reports/render/qt_text_measurer.h"
#include "reports/render/report_fonts.h"
#include "sample_pages.h"
#include "temp_home.h"

namespace reports {
namespace {

TEST(PrinterOutput, PrintsTheChosenPagesOnAPdfPrinter) {
    ASSERT_TRUE(registerReportFonts());
    QtTextMeasurer measurer;
    const PageStream pages = testing_pages::numberedPages(measurer, 4);
    testing_support::TempDir dir;
    const QString path = QString::fromStdString((dir / "printed.pdf").string());
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PrinterPageOutput output(printer);
        EXPECT_TRUE(output.printPage(pages.page(3)));
        EXPECT_TRUE(output.printPage(pages.page(1)));
        EXPECT_TRUE(output.finish());
        EXPECT_EQ(2, output.pagesPrinted());
    }
    EXPECT_EQ(2, testing_support::pdfPageCount(path));
    const QString first = testing_support::pdfText(path, 1, 1);
    EXPECT_TRUE(first.contains(QStringLiteral("Sample Report Page 3"))) << first.toStdString();
}

TEST(PrinterOutput, ThePrinterSinkPrintsAReportAsItRuns) {
    ASSERT_TRUE(registerReportFonts());
    QtTextMeasurer measurer;
    testing_support::TempDir dir;
    const QString path = QString::fromStdString((dir / "run.pdf").string());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ReportEngine engine(measurer);
    engine.onPrintPage = [](ReportEngine& e) {
        e.println("Line on page " + std::to_string(e.currentPage()));
        return e.currentPage() < 3;
    };
    PrinterSink sink(printer);
    engine.execute(sink);
    EXPECT_TRUE(sink.ok());
    EXPECT_EQ(3, testing_support::pdfPageCount(path));
    EXPECT_TRUE(testing_support::pdfText(path, 3, 3).contains(QStringLiteral("Line on page 3")));
}

}  // namespace
}  // namespace reports
