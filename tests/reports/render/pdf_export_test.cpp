// PDF export through QPdfWriter, read back with poppler's tools.

#include "reports/render/pdf_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "pdf_tools.h"
#include "platform/safe_file_write.h"
#include "reports/render/qt_text_measurer.h"
#include "reports/render/report_fonts.h"
#include "sample_pages.h"
#include "temp_home.h"

namespace reports {
namespace {

using testing_support::pdfPageCount;
using testing_support::pdfPageSize;
using testing_support::pdfText;

class PdfExport : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(registerReportFonts()); }
    QString pathOf(const std::string& name) const {
        return QString::fromStdString((dir / name).string());
    }
    QtTextMeasurer measurer;
    testing_support::TempDir dir;
};

TEST_F(PdfExport, WritesEveryPageWithItsText) {
    const PageStream pages = testing_pages::numberedPages(measurer, 3);
    const QString path = pathOf("report.pdf");
    PdfOptions options;
    options.title = QStringLiteral("Debt Report");
    const auto result = writePdfFile(pages, path, options);
    ASSERT_TRUE(result.ok) << result.error.toStdString();

    EXPECT_EQ(3, pdfPageCount(path));
    EXPECT_TRUE(pdfPageSize(path).startsWith(QStringLiteral("612 x 792")))
        << pdfPageSize(path).toStdString();
    const QString second = pdfText(path, 2, 2);
    EXPECT_TRUE(second.contains(QStringLiteral("Sample Report Page 2"))) << second.toStdString();
    EXPECT_FALSE(second.contains(QStringLiteral("Page 3")));
    EXPECT_TRUE(second.contains(QStringLiteral("Visa")));
    EXPECT_TRUE(second.contains(QStringLiteral("1,234.56")));
}

TEST_F(PdfExport, WritesARangeAndLandscapePages) {
    const PageStream pages = testing_pages::numberedPages(measurer, 5, Orientation::Landscape);
    PdfOptions options;
    options.firstPage = 2;
    options.lastPage = 4;
    const QString path = pathOf("range.pdf");
    ASSERT_TRUE(writePdfFile(pages, path, options).ok);
    EXPECT_EQ(3, pdfPageCount(path));
    EXPECT_TRUE(pdfPageSize(path).startsWith(QStringLiteral("792 x 612")));
    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("Sample Report Page 2")));
    EXPECT_TRUE(text.contains(QStringLiteral("Sample Report Page 4")));
    EXPECT_FALSE(text.contains(QStringLiteral("Sample Report Page 5")));
}

TEST_F(PdfExport, ReplacesAnOldFileWholeAndRefusesAnEmptyReport) {
    const QString path = pathOf("old.pdf");
    testing_support::writeFile(dir / "old.pdf", std::string(500000, 'x'));
    ASSERT_TRUE(writePdfFile(testing_pages::numberedPages(measurer, 1), path).ok);
    EXPECT_EQ(1, pdfPageCount(path));
    EXPECT_EQ(0u, QDir(QString::fromStdString(dir.path().string()))
                      .entryList(QStringList{QStringLiteral("old.pdf.*")}, QDir::Files)
                      .size());

    const auto empty = writePdfFile(PageStream{}, pathOf("empty.pdf"));
    EXPECT_FALSE(empty.ok);
    EXPECT_FALSE(QFile::exists(pathOf("empty.pdf")));
}

TEST_F(PdfExport, AFailedWriteLeavesTheOldFileAndNamesTheSystemError) {
    const auto missing = writePdfFile(testing_pages::numberedPages(measurer, 1),
                                      pathOf("no/such/folder/report.pdf"));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("No such file")))
        << missing.error.toStdString();

    // A folder where the file should be: rename fails, the folder and its content stay.
    QDir(QString::fromStdString(dir.path().string())).mkpath(QStringLiteral("taken.pdf/inner"));
    const auto taken = writePdfFile(testing_pages::numberedPages(measurer, 1), pathOf("taken.pdf"));
    EXPECT_FALSE(taken.ok);
    EXPECT_TRUE(QDir(pathOf("taken.pdf/inner")).exists());
    EXPECT_EQ(1u, QDir(QString::fromStdString(dir.path().string()))
                      .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                      .size());
}

TEST_F(PdfExport, AFullDiskKeepsThePreviousFileAndANewOneIsReadable) {
    const QString path = pathOf("kept.pdf");
    ASSERT_TRUE(writePdfFile(testing_pages::numberedPages(measurer, 1), path).ok);
    EXPECT_TRUE(QFile::permissions(path) & QFileDevice::ReadOwner);
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();
    platform::failNthWrite(1);
    const auto failed = writePdfFile(testing_pages::numberedPages(measurer, 3), path);
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.error.isEmpty());
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), old);
    EXPECT_EQ(pdfPageCount(path), 1);
}

}  // namespace
}  // namespace reports
