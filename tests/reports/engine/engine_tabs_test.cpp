// Tab cells: positions, justification with inner margins, border bits, shading and the
// four saved tab sets.

#include <gtest/gtest.h>

#include "reports/engine/fixed_width_measurer.h"
#include "reports/engine/report_engine.h"
#include "reports/engine/shade.h"

namespace reports {
namespace {

class EngineTabs : public ::testing::Test {
  protected:
    FixedWidthMeasurer measurer;
    ReportEngine engine{measurer};

    void SetUp() override {
        engine.setLeftMargin(0.5);
        engine.setSectionTop(1.0);
    }

    std::vector<LineOp> lines() const {
        std::vector<LineOp> out;
        for (const auto& op : engine.pageInProgress().ops) {
            if (const auto* l = std::get_if<LineOp>(&op))
                out.push_back(*l);
        }
        return out;
    }
    std::vector<RectOp> fills() const {
        std::vector<RectOp> out;
        for (const auto& op : engine.pageInProgress().ops) {
            if (const auto* r = std::get_if<RectOp>(&op))
                out.push_back(*r);
        }
        return out;
    }
};

TEST_F(EngineTabs, CellsFollowEachOtherFromTheLeftMarginOrStandWhereTheyAreSet) {
    engine.setTab(std::nullopt, Justify::Left, 2.0, 0.02, border::kNone, 0);
    engine.setTab(std::nullopt, Justify::Center, 1.0, 0.02, border::kNone, 0);
    engine.setTab(5.0, Justify::Right, 1.5, 0.02, border::kNone, 0);
    engine.setTab(std::nullopt, Justify::Left, 1.0, 0.02, border::kNone, 0);
    ASSERT_EQ(4u, engine.tabs().size());
    EXPECT_DOUBLE_EQ(0.5, engine.tabs()[0].left);
    EXPECT_DOUBLE_EQ(2.5, engine.tabs()[1].left);
    EXPECT_DOUBLE_EQ(5.0, engine.tabs()[2].left);
    EXPECT_DOUBLE_EQ(6.5, engine.tabs()[3].left);
    EXPECT_DOUBLE_EQ(0.96, engine.tabs()[1].textWidth());
}

TEST_F(EngineTabs, JustifiesCellTextInsideTheInnerMargins) {
    engine.setTab(std::nullopt, Justify::Left, 2.0, 0.02, border::kNone, 0);
    engine.setTab(std::nullopt, Justify::Center, 1.0, 0.02, border::kNone, 0);
    engine.setTab(std::nullopt, Justify::Right, 1.0, 0.02, border::kNone, 0);
    engine.println("\tVisa\tJan\t12.50");
    const auto texts = engine.pageInProgress().texts();
    ASSERT_EQ(3u, texts.size());
    EXPECT_DOUBLE_EQ(0.52, texts[0]->left());
    EXPECT_DOUBLE_EQ(3.0, texts[1]->x);
    EXPECT_DOUBLE_EQ(2.8125, texts[1]->left());
    EXPECT_DOUBLE_EQ(4.48, texts[2]->x);
    EXPECT_DOUBLE_EQ(4.48 - 0.625, texts[2]->left());
    for (const auto* t : texts)
        EXPECT_DOUBLE_EQ(1.2, t->baseline);
    EXPECT_DOUBLE_EQ(1.25, engine.yPos());
}

TEST_F(EngineTabs, DrawsExactlyTheBorderLinesOfEachCell) {
    struct Case {
        int borders;
        std::vector<std::array<double, 4>> expected;
    };
    const double l = 0.5, r = 1.5, t = 1.0, b = 1.25;
    const std::vector<Case> cases = {
        {border::kNone, {}},
        {border::kLeft, {{l, t, l, b}}},
        {border::kRight, {{r, t, r, b}}},
        {border::kTop, {{l, t, r, t}}},
        {border::kBottom, {{l, b, r, b}}},
        {border::kLeft | border::kRight | border::kTop, {{l, t, l, b}, {r, t, r, b}, {l, t, r, t}}},
        {border::kAll, {{l, t, l, b}, {r, t, r, b}, {l, t, r, t}, {l, b, r, b}}},
    };
    for (const auto& c : cases) {
        ReportEngine e(measurer);
        e.setLeftMargin(0.5);
        e.setSectionTop(1.0);
        e.setTab(std::nullopt, Justify::Left, 1.0, 0.02, c.borders, 0);
        e.print("\tx");
        std::vector<std::array<double, 4>> got;
        for (const auto& op : e.pageInProgress().ops) {
            if (const auto* line = std::get_if<LineOp>(&op)) {
                got.push_back({line->x1, line->y1, line->x2, line->y2});
            }
        }
        EXPECT_EQ(c.expected, got) << "borders " << c.borders;
    }
}

TEST_F(EngineTabs, DrawsALineThatNeighbouringCellsShareOnlyOnce) {
    for (int i = 0; i < 2; ++i)
        engine.setTab(std::nullopt, Justify::Left, 1.0, 0.0, border::kAll, 0);
    engine.println("\ta\tb");
    engine.println("\tc\td");
    // Row 1: 4 lines + 3 for the second cell; row 2 adds left 1, the cells' right and bottom.
    EXPECT_EQ(7u + 5u, lines().size());
    int verticalsAtOnePointFive = 0;
    for (const LineOp& l : lines()) {
        if (l.x1 == 1.5 && l.x2 == 1.5)
            ++verticalsAtOnePointFive;
    }
    EXPECT_EQ(2, verticalsAtOnePointFive);  // one per row
    int topsOfRowTwo = 0;
    for (const LineOp& l : lines()) {
        if (l.y1 == 1.25 && l.y2 == 1.25)
            ++topsOfRowTwo;
    }
    EXPECT_EQ(2, topsOfRowTwo);  // the bottoms of row 1 only

    // A shaded cell draws its top line again over its own fill; a new page starts afresh.
    engine.clearTabs();
    engine.setTab(std::nullopt, Justify::Left, 1.0, 0.0, border::kAll, 18);
    engine.setTab(std::nullopt, Justify::Left, 1.0, 0.0, border::kAll, 0);
    engine.println("\te\tf");
    int topsOfRowThree = 0;
    for (const LineOp& l : lines()) {
        if (l.y1 == 1.5 && l.y2 == 1.5)
            ++topsOfRowThree;
    }
    EXPECT_EQ(3, topsOfRowThree);  // two bottoms of row 2 and the shaded cell's top
}

TEST_F(EngineTabs, ShadesCellsWithTheLightenedShadeColourBeneathTheLinesOfTheirRow) {
    engine.setShadeColor(Color{0, 0, 0});
    engine.setTab(std::nullopt, Justify::Center, 1.0, 0.02, border::kAll, 18);
    engine.setTab(std::nullopt, Justify::Center, 1.0, 0.02, border::kAll, 0);
    engine.setTab(std::nullopt, Justify::Center, 1.0, 0.02, border::kAll, 18);
    engine.print("\tA");
    engine.print("\tB");
    engine.setShadeColor(Color{200, 100, 0});
    engine.println("\tC");

    const auto shaded = fills();
    ASSERT_EQ(2u, shaded.size());  // the middle cell has no shade
    EXPECT_EQ((Color{209, 209, 209}), shaded[0].brush->color);
    EXPECT_EQ((Color{245, 227, 209}), shaded[1].brush->color);  // colour at print time
    EXPECT_DOUBLE_EQ(2.5, shaded[1].left);
    EXPECT_DOUBLE_EQ(1.0, shaded[1].top);
    EXPECT_DOUBLE_EQ(1.25, shaded[1].bottom);
    EXPECT_FALSE(shaded[0].pen);

    // Both fills come before every line and text of the row.
    const auto& ops = engine.pageInProgress().ops;
    EXPECT_TRUE(std::holds_alternative<RectOp>(ops[0]));
    EXPECT_TRUE(std::holds_alternative<RectOp>(ops[1]));
    for (std::size_t i = 2; i < ops.size(); ++i)
        EXPECT_FALSE(std::holds_alternative<RectOp>(ops[i]));

    // The next row's fill goes after the previous row's drawing.
    const std::size_t firstRowOps = ops.size();
    engine.println("\tD");
    EXPECT_TRUE(std::holds_alternative<RectOp>(engine.pageInProgress().ops[firstRowOps]));
}

TEST_F(EngineTabs, LighteningRuleForShadedCells) {
    struct Case {
        Color shade;
        int intensity;
        Color expected;
    };
    for (const Case c : {
             Case{Color{0, 0, 0}, 18, Color{209, 209, 209}},
             Case{Color{0, 0, 0}, 8, Color{234, 234, 234}},
             Case{Color{0, 128, 255}, 50, Color{127, 191, 255}},
             Case{Color{10, 20, 30}, 100, Color{10, 20, 30}},
             Case{Color{10, 20, 30}, 250, Color{10, 20, 30}},  // capped at 100
             Case{Color{10, 20, 30}, 1, Color{252, 252, 252}},
         }) {
        EXPECT_EQ(c.expected, lightenShade(c.shade, c.intensity)) << c.intensity;
    }
}

TEST_F(EngineTabs, AnEmptyCellStillDrawsItsLinesAndExtraTextFollowsTheLastCell) {
    engine.setTab(std::nullopt, Justify::Left, 1.0, 0.02, border::kBottom, 0);
    engine.print("\t\textra");
    EXPECT_EQ(1u, lines().size());
    const auto texts = engine.pageInProgress().texts();
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ("extra", texts[0]->text);
    EXPECT_DOUBLE_EQ(1.5, texts[0]->left());
}

TEST_F(EngineTabs, PrintCellTakesTabsInItsTextLiterally) {
    engine.setTab(std::nullopt, Justify::Left, 3.0, 0.0, border::kNone, 0);
    engine.printCell("a\tb");
    ASSERT_EQ(1u, engine.pageInProgress().texts().size());
    EXPECT_EQ("a\tb", engine.pageInProgress().texts()[0]->text);
}

TEST_F(EngineTabs, SavesAndRestoresFourTabSets) {
    engine.setTab(std::nullopt, Justify::Left, 2.0, 0.02, border::kAll, 18);
    engine.saveTabs(1);
    engine.clearTabs();
    engine.setTab(std::nullopt, Justify::Right, 1.0, 0.02, border::kNone, 0);
    engine.setTab(std::nullopt, Justify::Right, 1.0, 0.02, border::kNone, 0);
    engine.saveTabs(4);
    const TabStops setFour = engine.tabs();

    engine.setTab(std::nullopt, Justify::Right, 1.0, 0.02, border::kNone, 0);  // after saving
    engine.restoreTabs(1);
    ASSERT_EQ(1u, engine.tabs().size());
    EXPECT_EQ(18, engine.tabs()[0].shade);
    engine.restoreTabs(4);
    EXPECT_EQ(setFour, engine.tabs());
    engine.restoreTabs(2);  // never saved
    EXPECT_TRUE(engine.tabs().empty());
    EXPECT_THROW(engine.saveTabs(5), std::out_of_range);
    EXPECT_THROW(engine.restoreTabs(0), std::out_of_range);
}

TEST_F(EngineTabs, RestoringASetStartsAgainAtItsFirstCell) {
    engine.setTab(std::nullopt, Justify::Left, 1.0, 0.0, border::kNone, 0);
    engine.setTab(std::nullopt, Justify::Left, 1.0, 0.0, border::kNone, 0);
    engine.saveTabs(3);
    engine.print("\ta");
    engine.restoreTabs(3);
    engine.print("\tb");
    const auto texts = engine.pageInProgress().texts();
    ASSERT_EQ(2u, texts.size());
    EXPECT_DOUBLE_EQ(texts[0]->left(), texts[1]->left());
}

}  // namespace
}  // namespace reports
