// Text placement, lines, fonts and fitting, checked with the fixed-width measurer
// (10 points: characters 1/8 inch wide, lines 1/4 inch high, ascent 1/5 inch).

#include <gtest/gtest.h>

#include "reports/engine/fixed_width_measurer.h"
#include "reports/engine/report_engine.h"

namespace reports {
namespace {

class EngineLayout : public ::testing::Test {
  protected:
    FixedWidthMeasurer measurer;
    ReportEngine engine{measurer};

    const TextOp& lastText() {
        const auto texts = engine.pageInProgress().texts();
        EXPECT_FALSE(texts.empty());
        return *texts.back();
    }
};

TEST_F(EngineLayout, PlacesTextCentredLeftAndRightOnTheBaselineOfTheCurrentLine) {
    engine.setSectionTop(1.0);
    engine.printLeft("abcd", 0.5);
    EXPECT_DOUBLE_EQ(0.5, lastText().left());
    EXPECT_DOUBLE_EQ(1.2, lastText().baseline);
    EXPECT_DOUBLE_EQ(0.5, lastText().width);

    engine.printCenter("abcd", 4.25);
    EXPECT_EQ(Justify::Center, lastText().align);
    EXPECT_DOUBLE_EQ(4.25, lastText().x);
    EXPECT_DOUBLE_EQ(4.0, lastText().left());

    engine.printRight("abcd", 8.0);
    EXPECT_EQ(Justify::Right, lastText().align);
    EXPECT_DOUBLE_EQ(7.5, lastText().left());

    engine.newLine();
    engine.printLeft("x", 0.5);
    EXPECT_DOUBLE_EQ(1.45, lastText().baseline);
}

TEST_F(EngineLayout, LineHeightAndBaselineFollowTheFontAndItsSlot) {
    FontSpec big;
    big.size = 20;
    engine.setFont(big);
    engine.saveFont(2);
    EXPECT_DOUBLE_EQ(0.5, engine.lineHeight());

    EXPECT_DOUBLE_EQ(0.5, engine.slotLineHeight(2));
    EXPECT_DOUBLE_EQ(0.25, engine.slotLineHeight(5));  // reading a slot leaves the font as is
    EXPECT_EQ(20, engine.font().size);

    engine.restoreFont(9);  // never saved: the default Tahoma 10
    EXPECT_EQ(spacerFont(), engine.font());
    EXPECT_DOUBLE_EQ(0.25, engine.lineHeight());

    engine.home();
    const double top = engine.yPos();
    engine.restoreFont(2);
    engine.println("Title");
    EXPECT_DOUBLE_EQ(top + 0.4, lastText().baseline);
    EXPECT_EQ(20, lastText().font.size);
    EXPECT_DOUBLE_EQ(top + 0.5, engine.yPos());
    EXPECT_THROW(engine.saveFont(11), std::out_of_range);
    EXPECT_THROW(engine.restoreFont(0), std::out_of_range);
}

TEST_F(EngineLayout, CountsWholeLinesLeftAboveTheSectionBottom) {
    struct Case {
        double top, bottom;
        int lines;
    };
    for (const Case c : {Case{1.0, 2.0, 4}, Case{1.0, 1.99, 3}, Case{1.0, 1.0, 0},
                         Case{2.0, 1.0, 0}, Case{0.7, 1.45, 3}}) {
        engine.setSectionTop(c.top);
        engine.setSectionBottom(c.bottom);
        EXPECT_EQ(c.lines, engine.linesLeft()) << c.top << " to " << c.bottom;
    }
    engine.setSectionTop(1.0);
    engine.setSectionBottom(2.0);
    engine.newLine();
    engine.newLine();
    EXPECT_EQ(2, engine.linesLeft());
}

TEST_F(EngineLayout, PrintMovesAlongTheLineAndNewLineReturnsToTheLeftMargin) {
    engine.setLeftMargin(1.0);
    engine.home();
    engine.print("ab");
    engine.print("cd");
    EXPECT_DOUBLE_EQ(1.25, lastText().left());
    EXPECT_DOUBLE_EQ(1.5, engine.xPos());
    engine.newLine();
    EXPECT_DOUBLE_EQ(1.0, engine.xPos());
}

TEST_F(EngineLayout, FitTextCutsCharactersFromTheEndUntilTheTextFits) {
    struct Case {
        const char* text;
        double width;
        const char* fitted;
    };
    for (const Case c :
         {Case{"Visa Platinum", 1.0, "Visa Pla"}, Case{"1,234,567.89", 0.75, "1,234,"},
          Case{"abc", 0.375, "abc"}, Case{"abc", 0.1, ""}, Case{"", 1.0, ""},
          Case{"Caf\xC3\xA9s", 0.5, "Caf\xC3\xA9"}, Case{"abc", -1.0, ""}}) {
        EXPECT_EQ(c.fitted, engine.fitText(c.text, c.width)) << c.text << " in " << c.width;
    }
}

TEST_F(EngineLayout, OrientationSwapsThePageAndPagesRecordIt) {
    engine.setPaperSize(8.5, 11);
    engine.setOrientation(Orientation::Landscape);
    EXPECT_DOUBLE_EQ(11, engine.pageWidth());
    EXPECT_DOUBLE_EQ(8.5, engine.pageHeight());

    PageStream stream;
    engine.onPrintPage = [](ReportEngine&) { return false; };
    engine.execute(stream);
    ASSERT_EQ(1u, stream.pageCount());
    EXPECT_EQ(Orientation::Landscape, stream.page(1).orientation());
    EXPECT_DOUBLE_EQ(11, stream.page(1).width);
}

TEST_F(EngineLayout, DrawsLinesAndRectanglesWithThePenAndBrush) {
    engine.setPen(Pen{Color{1, 2, 3}, 0.02});
    engine.setBrush(Brush{Color{9, 9, 9}, BrushStyle::Cross});
    engine.line(1, 1, 2, 2);
    engine.rectangle(1, 1, 2, 2);
    engine.fillRect(3, 3, 4, 4);
    engine.frameRect(5, 5, 6, 6);
    const auto& ops = engine.pageInProgress().ops;
    ASSERT_EQ(4u, ops.size());
    EXPECT_EQ((Pen{Color{1, 2, 3}, 0.02}), std::get<LineOp>(ops[0]).pen);
    const auto& rect = std::get<RectOp>(ops[1]);
    EXPECT_TRUE(rect.pen && rect.brush);
    EXPECT_EQ(BrushStyle::Cross, rect.brush->style);
    EXPECT_FALSE(std::get<RectOp>(ops[2]).pen);
    const auto& frame = std::get<RectOp>(ops[3]);
    EXPECT_FALSE(frame.brush);
    EXPECT_EQ(Color::black(), frame.pen->color);
}

}  // namespace
}  // namespace reports
