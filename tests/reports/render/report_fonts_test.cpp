// Tahoma registration and the Qt measurer.

#include "reports/render/report_fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include "reports/render/qt_text_measurer.h"

namespace reports {
namespace {

TEST(ReportFonts, TahomaIsTheRealFamilyAfterRegistration) {
    ASSERT_TRUE(registerReportFonts());
    EXPECT_TRUE(registerReportFonts());  // a second call changes nothing
    for (const bool bold : {false, true}) {
        FontSpec spec;
        spec.bold = bold;
        const QFontInfo info(toQFont(spec));
        EXPECT_EQ(QStringLiteral("Tahoma"), info.family()) << "bold " << bold;
        EXPECT_EQ(bold, info.bold());
    }
}

TEST(ReportFonts, ToQFontCarriesSizeAndStyle) {
    const auto spec = FontSpec::fromStyleFlags("Tahoma", 12.5, Color{}, 1 | 2 | 4 | 8);
    const QFont font = toQFont(spec);
    EXPECT_DOUBLE_EQ(12.5, font.pointSizeF());
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
}

class QtMeasurer : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(registerReportFonts()); }
    QtTextMeasurer measurer;
};

TEST_F(QtMeasurer, MeasuresInInchesInProportionToTheFontSize) {
    FontSpec ten;
    FontSpec twenty;
    twenty.size = 20;
    const double w10 = measurer.textWidth(ten, "Monthly Payment Only Schedule");
    const double w20 = measurer.textWidth(twenty, "Monthly Payment Only Schedule");
    // Tahoma 10 averages about half an em per character: some two inches for 29 characters.
    EXPECT_GT(w10, 1.5);
    EXPECT_LT(w10, 2.5);
    EXPECT_NEAR(2.0, w20 / w10, 0.02);
    EXPECT_EQ(0.0, measurer.textWidth(ten, ""));

    const FontMetrics m = measurer.metrics(ten);
    EXPECT_NEAR(10.0 / 72 * 1.2, m.lineHeight, 0.03);
    EXPECT_GT(m.ascent, m.descent);
    EXPECT_LE(m.ascent + m.descent, m.lineHeight + 1e-9);
}

// Lines are as high as Windows makes them (the font's win ascent plus win descent: 2049 +
// 423 of 2048 units for Tahoma), not the one-em typographic height Qt reports on Linux,
// which lets text fill its table rows to the borders.
TEST_F(QtMeasurer, LineHeightFollowsTheWindowsAscentAndDescent) {
    FontSpec tahoma;
    tahoma.size = 10;
    const FontMetrics m = measurer.metrics(tahoma);
    const double em = 10.0 / 72.0;
    EXPECT_NEAR(m.ascent / em, 2049.0 / 2048.0, 0.01);
    EXPECT_NEAR(m.descent / em, 423.0 / 2048.0, 0.01);
    EXPECT_NEAR(m.lineHeight, m.ascent + m.descent, 1e-9);
}

TEST_F(QtMeasurer, BoldIsWiderAndTheResultDoesNotDependOnTheResolution) {
    FontSpec regular;
    FontSpec bold;
    bold.bold = true;
    const std::string text = "Payment && Balance 1,234.56";
    EXPECT_GT(measurer.textWidth(bold, text), measurer.textWidth(regular, text));

    for (const double dpi : {300.0, 2400.0}) {
        const QtTextMeasurer other(dpi);
        EXPECT_NEAR(measurer.textWidth(regular, text), other.textWidth(regular, text), 0.002)
            << dpi;
        EXPECT_NEAR(measurer.metrics(regular).lineHeight, other.metrics(regular).lineHeight, 0.002)
            << dpi;
    }
}

TEST_F(QtMeasurer, MeasuresTextOutsideLatin1) {
    FontSpec font;
    EXPECT_GT(measurer.textWidth(font, "5 \xE2\x82\xAC"), measurer.textWidth(font, "5 "));
}

}  // namespace
}  // namespace reports
