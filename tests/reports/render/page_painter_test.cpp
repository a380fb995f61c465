// A page replayed onto an image: text leaves dark pixels where it stands, shading and
// lines land where the engine put them, and the rest of the paper stays white.

#include <gtest/gtest.h>

#include <QImage>

#include "reports/engine/report_engine.h"
#include "reports/render/page_image.h"
#include "reports/render/qt_text_measurer.h"
#include "reports/render/report_fonts.h"

namespace reports {
namespace {

constexpr double kDpi = 100;

int darkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect box = area.intersected(image.rect());
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                ++count;
        }
    }
    return count;
}

QRect inchRect(double left, double top, double right, double bottom) {
    return QRect(QPoint(int(left * kDpi), int(top * kDpi)),
                 QPoint(int(right * kDpi) - 1, int(bottom * kDpi) - 1));
}

class PagePainter : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(registerReportFonts()); }
    QtTextMeasurer measurer;
    ReportEngine engine{measurer};

    Page onePage(const std::function<void(ReportEngine&)>& body) {
        PageStream stream;
        engine.onPrintPage = [&](ReportEngine& e) {
            body(e);
            return false;
        };
        engine.execute(stream);
        return stream.page(1);
    }
};

TEST_F(PagePainter, TextIsDrawnWhereTheEngineMeasuredIt) {
    FontSpec big;
    big.size = 24;
    const Page page = onePage([&](ReportEngine& e) {
        e.setFont(big);
        e.setSectionTop(1.0);
        e.printLeft("Payment Schedule", 1.0);
    });
    const TextOp& text = *page.texts().front();
    const QImage image = renderPageImage(page, kDpi);
    ASSERT_EQ(850, image.width());
    ASSERT_EQ(1100, image.height());

    const QRect where = inchRect(text.left(), 1.0, text.left() + text.width,
                                 1.0 + measurer.metrics(big).lineHeight);
    EXPECT_GT(darkPixels(image, where), 300);
    // Nothing to the left of the text, below its line, or in the far corner.
    EXPECT_EQ(0, darkPixels(image, inchRect(0, 0, 0.95, 11)));
    EXPECT_EQ(0, darkPixels(image, inchRect(0, 1.6, 8.5, 11)));
    EXPECT_EQ(0, darkPixels(image, inchRect(text.left() + text.width + 0.1, 0, 8.5, 11)));
}

TEST_F(PagePainter, RightAndCentredTextKeepTheirAnchorAtAnyResolution) {
    const Page page = onePage([&](ReportEngine& e) {
        e.setSectionTop(1.0);
        e.printRight("1,234.56", 6.0);
        e.newLine();
        e.printCenter("WWWWWW", 4.25);
    });
    for (const double dpi : {50.0, 100.0, 300.0}) {
        const QImage image = renderPageImage(page, dpi);
        auto column = [&](double inches) { return int(inches * dpi); };
        // Ink stops at the right anchor (allowing a pixel of antialiasing).
        int rightmost = -1;
        for (int y = int(1.0 * dpi); y < int(1.25 * dpi); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 160)
                    rightmost = std::max(rightmost, x);
            }
        }
        EXPECT_NEAR(column(6.0), rightmost, 2 + dpi / 100) << dpi;
        // Centred ink is balanced around the anchor.
        int left = image.width(), right = -1;
        for (int y = int(1.25 * dpi); y < int(1.5 * dpi); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 160) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        EXPECT_NEAR(column(4.25), (left + right) / 2.0, 2 + dpi / 100) << dpi;
    }
}

TEST_F(PagePainter, ShadedCellsAndGridLinesAreDrawn) {
    const Page page = onePage([&](ReportEngine& e) {
        e.setSectionTop(2.0);
        e.setShadeColor(Color{0, 0, 255});
        e.setTab(std::nullopt, Justify::Center, 2.0, 0.02, border::kAll, 50);
        e.println("\t");
    });
    const QImage image = renderPageImage(page, kDpi);
    const double lh = measurer.metrics(FontSpec{}).lineHeight;
    const QColor inside = image.pixelColor(int(1.5 * kDpi), int((2.0 + lh / 2) * kDpi));
    EXPECT_EQ(QColor(127, 127, 255), inside);
    // The frame's left line at x = 0.5 inch is dark.
    EXPECT_LT(qGray(image.pixel(int(0.5 * kDpi), int((2.0 + lh / 2) * kDpi))), 100);
    EXPECT_EQ(QColor(Qt::white), image.pixelColor(int(3.0 * kDpi), int(2.1 * kDpi)));
}

TEST_F(PagePainter, AnEmptyPageIsWhitePaper) {
    const QImage image = renderPageImage(Page{}, 20);
    EXPECT_EQ(0, darkPixels(image, image.rect()));
    EXPECT_EQ(QColor(Qt::white), image.pixelColor(5, 5));
}

}  // namespace
}  // namespace reports
