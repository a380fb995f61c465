// Running a report: the order of the page events, page breaks, the section band of each
// page, abort, status texts and the idle hook.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/engine/fixed_width_measurer.h"
#include "reports/engine/report_engine.h"

namespace reports {
namespace {

class RecordingSink final : public PageSink {
  public:
    std::vector<std::string> calls;
    std::vector<Page> pages;
    void beginReport() override { calls.push_back("begin"); }
    void addPage(Page page) override {
        calls.push_back("page");
        pages.push_back(std::move(page));
    }
    void endReport(bool aborted) override { calls.push_back(aborted ? "end aborted" : "end"); }
};

class EngineRun : public ::testing::Test {
  protected:
    FixedWidthMeasurer measurer;
    ReportEngine engine{measurer};
    std::vector<std::string> events;

    void bindRecording(int pages) {
        engine.onBeforePrint = [this](ReportEngine&) { events.push_back("before"); };
        engine.onPrintHeader = [this](ReportEngine& e) {
            events.push_back("header " + std::to_string(e.currentPage()));
        };
        engine.onPrintPage = [this, pages](ReportEngine& e) {
            events.push_back("page " + std::to_string(e.currentPage()));
            return e.currentPage() < pages;
        };
        engine.onPrintFooter = [this](ReportEngine& e) {
            events.push_back("footer " + std::to_string(e.currentPage()));
        };
        engine.onAfterPrint = [this](ReportEngine&) { events.push_back("after"); };
    }
};

TEST_F(EngineRun, CallsTheEventsPageByPageUntilThePageEventSaysNoMore) {
    bindRecording(3);
    RecordingSink sink;
    engine.execute(sink);
    const std::vector<std::string> expected = {"before",   "header 1", "page 1",   "footer 1",
                                               "header 2", "page 2",   "footer 2", "header 3",
                                               "page 3",   "footer 3", "after"};
    EXPECT_EQ(expected, events);
    EXPECT_EQ((std::vector<std::string>{"begin", "page", "page", "page", "end"}), sink.calls);
    EXPECT_FALSE(engine.aborted());
    EXPECT_FALSE(engine.running());
}

TEST_F(EngineRun, WithoutAPageEventTheReportHasOnePage) {
    PageStream stream;
    engine.execute(stream);
    EXPECT_EQ(1u, stream.pageCount());
}

TEST_F(EngineRun, EveryPageStartsAtHomeWithTheSectionFromMarginToMargin) {
    engine.setTopMargin(0.75);
    engine.setBottomMargin(1.0);
    engine.setLeftMargin(0.6);
    std::vector<double> tops, bottoms, ys, xs;
    engine.onPrintHeader = [&](ReportEngine& e) {
        tops.push_back(e.sectionTop());
        bottoms.push_back(e.sectionBottom());
        ys.push_back(e.yPos());
        xs.push_back(e.xPos());
        e.setSectionBottom(5.0);  // a body narrows its band; the next page starts afresh
        e.println("text");
    };
    engine.onPrintPage = [](ReportEngine& e) { return e.currentPage() < 2; };
    PageStream stream;
    engine.execute(stream);
    EXPECT_EQ((std::vector<double>{0.75, 0.75}), tops);
    EXPECT_EQ((std::vector<double>{10.0, 10.0}), bottoms);
    EXPECT_EQ((std::vector<double>{0.75, 0.75}), ys);
    EXPECT_EQ((std::vector<double>{0.6, 0.6}), xs);
    ASSERT_EQ(2u, stream.pageCount());
    EXPECT_EQ("text", stream.page(2).plainText());
}

TEST_F(EngineRun, BreaksPagesWhenABodyRunsOutOfLines) {
    // A body printing 100 numbered lines, a page at a time, as long as lines are left.
    int next = 1;
    engine.onPrintPage = [&next](ReportEngine& e) {
        while (next <= 100 && e.linesLeft() > 0)
            e.println(std::to_string(next++));
        return next <= 100;
    };
    PageStream stream;
    engine.execute(stream);
    // 10 inches of body at 1/4 inch per line: 40 lines a page.
    ASSERT_EQ(3u, stream.pageCount());
    EXPECT_EQ(40u, stream.page(1).texts().size());
    EXPECT_EQ("41", stream.page(2).texts().front()->text);
    EXPECT_EQ(20u, stream.page(3).texts().size());
    EXPECT_DOUBLE_EQ(0.5 + 39 * 0.25 + 0.2, stream.page(1).texts().back()->baseline);
}

TEST_F(EngineRun, AbortEndsTheReportAfterThePageBeingPrinted) {
    bindRecording(10);
    engine.onPrintPage = [this](ReportEngine& e) {
        events.push_back("page " + std::to_string(e.currentPage()));
        if (e.currentPage() == 2)
            e.abort();
        return true;
    };
    RecordingSink sink;
    engine.execute(sink);
    EXPECT_TRUE(engine.aborted());
    EXPECT_EQ(2u, sink.pages.size());
    EXPECT_EQ("end aborted", sink.calls.back());
    EXPECT_EQ("after", events.back());
    EXPECT_EQ("footer 2", events[events.size() - 2]);
}

TEST_F(EngineRun, AnAbortDuringTheIdleHookStopsBeforeTheNextPageIsPrinted) {
    bindRecording(10);
    int idleCalls = 0;
    engine.onIdle = [&] {
        if (++idleCalls == 3)
            engine.abort();  // as a Cancel click handled between pages
    };
    RecordingSink sink;
    engine.execute(sink);
    EXPECT_TRUE(engine.aborted());
    EXPECT_EQ(1u, sink.pages.size());
    EXPECT_EQ(0, std::count(events.begin(), events.end(), "header 2"));

    // The next run starts unaborted.
    engine.onIdle = nullptr;
    RecordingSink again;
    engine.execute(again);
    EXPECT_FALSE(engine.aborted());
    EXPECT_EQ(10u, again.pages.size());
}

TEST_F(EngineRun, RefreshesTheStatusAtTheStartOfEveryPage) {
    engine.setStatusFormat("Printing Page %p\r%0\r%1");
    engine.statusLines() = {"", ""};
    std::vector<std::string> shown;
    engine.setStatusListener([&](const std::string& s) { shown.push_back(s); });
    engine.onPrintPage = [](ReportEngine& e) {
        e.statusLines()[0] = "Section " + std::to_string(e.currentPage());
        return e.currentPage() < 2;
    };
    PageStream stream;
    engine.execute(stream);
    EXPECT_EQ((std::vector<std::string>{"Printing Page 1\r\r", "Printing Page 2\rSection 1\r"}),
              shown);
    engine.setStatusFormat("\rReport Completed!");
    engine.updateStatus();
    EXPECT_EQ("\rReport Completed!", shown.back());
}

TEST_F(EngineRun, AnExceptionFromAnEventEndsTheRunAndReachesTheCaller) {
    engine.onPrintPage = [](ReportEngine&) -> bool { throw std::runtime_error("body failed"); };
    RecordingSink sink;
    EXPECT_THROW(engine.execute(sink), std::runtime_error);
    EXPECT_FALSE(engine.running());
    EXPECT_EQ("end aborted", sink.calls.back());
}

}  // namespace
}  // namespace reports
