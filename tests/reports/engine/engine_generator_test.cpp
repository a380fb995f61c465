// A small report generator driving the engine the way the report framework does: a header
// on every page, a footer in a band reserved at the bottom, and a table body that repeats
// its heading on each page and checks the room before each row.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/engine/fixed_width_measurer.h"
#include "reports/engine/report_engine.h"

namespace reports {
namespace {

class SmallGenerator {
  public:
    explicit SmallGenerator(int rows) : rows_(rows) {}

    void bind(ReportEngine& engine) {
        engine.onBeforePrint = [](ReportEngine& e) {
            FontSpec title;
            title.size = 16;
            title.bold = true;
            e.setFont(title);
            e.saveFont(2);
            e.setFont(spacerFont());
            e.saveFont(9);
            e.saveFont(3);
            e.saveFont(7);
        };
        engine.onPrintHeader = [](ReportEngine& e) {
            e.home();
            e.restoreFont(2);
            e.printCenter("Payment Schedule", e.pageWidth() / 2);
            e.newLine();
            e.restoreFont(9);
            e.newLine();
        };
        engine.onPrintPage = [this](ReportEngine& e) {
            bottomSpace_ = e.slotLineHeight(9) + e.slotLineHeight(7);
            e.setSectionBottom(e.pageHeight() - e.bottomMargin() - bottomSpace_);
            return !body(e);
        };
        engine.onPrintFooter = [this](ReportEngine& e) {
            e.setSectionTop(e.pageHeight() - e.bottomMargin() - bottomSpace_);
            e.setSectionBottom(e.pageHeight() - e.bottomMargin());
            e.restoreFont(9);
            e.newLine();
            e.restoreFont(7);
            e.printRight("Page " + std::to_string(e.currentPage()),
                         e.pageWidth() - e.rightMargin());
            e.newLine();
        };
    }

  private:
    // Prints rows until the page is full; true when the last row is printed.
    bool body(ReportEngine& e) {
        const double unit = (e.pageWidth() - e.leftMargin() - e.rightMargin()) / 4;
        e.clearTabs();
        e.setTab(std::nullopt, Justify::Center, 2 * unit, 0.02, border::kAll, 18);
        e.setTab(std::nullopt, Justify::Center, 2 * unit, 0.02, border::kAll, 18);
        e.saveTabs(1);
        e.clearTabs();
        e.setTab(std::nullopt, Justify::Left, 2 * unit, 0.02, border::kAll, 0);
        e.setTab(std::nullopt, Justify::Right, 2 * unit, 0.02, border::kAll, 0);
        e.saveTabs(2);

        e.restoreFont(3);
        e.restoreTabs(1);
        e.println("\tMonth\tPayment");
        e.restoreTabs(2);
        while (next_ <= rows_) {
            if (!(e.linesLeft() > 1))
                return false;  // RoomFor(1)
            const std::string month = e.fitText("Month " + std::to_string(next_), 2 * unit - 0.04);
            e.println("\t" + month + "\t" + std::to_string(next_ * 10) + ".00");
            ++next_;
        }
        return true;
    }

    int rows_;
    int next_ = 1;
    double bottomSpace_ = 0;
};

TEST(EngineGenerator, PaginatesATableAboveTheFooterBand) {
    FixedWidthMeasurer measurer;
    ReportEngine engine(measurer);
    SmallGenerator generator(100);
    generator.bind(engine);
    PageStream stream;
    engine.execute(stream);

    // Body band: 0.5 + 0.4 (title) + 0.25 (blank) = 1.15 down to 11 - 0.5 - 0.5 = 10.0,
    // 35 lines: the heading and 33 rows (RoomFor(1) keeps one line free).
    ASSERT_EQ(4u, stream.pageCount());
    int expectedRow = 1;
    for (std::size_t n = 1; n <= stream.pageCount(); ++n) {
        const Page& page = stream.page(n);
        const auto texts = page.texts();
        ASSERT_GE(texts.size(), 5u);
        EXPECT_EQ("Payment Schedule", texts[0]->text);
        EXPECT_EQ("Month", texts[1]->text);
        EXPECT_EQ("Page " + std::to_string(n), texts.back()->text);
        EXPECT_DOUBLE_EQ(10.25 + 0.2, texts.back()->baseline);
        for (std::size_t i = 3; i + 1 < texts.size(); i += 2) {
            EXPECT_EQ("Month " + std::to_string(expectedRow), texts[i]->text);
            EXPECT_LT(texts[i]->baseline, 10.0);
            ++expectedRow;
        }
    }
    EXPECT_EQ(101, expectedRow);
    EXPECT_EQ(1u + 2 + 33 * 2 + 1, stream.page(1).texts().size());
}

}  // namespace
}  // namespace reports
