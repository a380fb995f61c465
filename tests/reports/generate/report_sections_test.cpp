// Section keywords of the command line.

#include "reports/generate/report_sections.h"

#include <gtest/gtest.h>

namespace reports {
namespace {

TEST(SectionList, KeywordsGiveSectionsInPrintOrder) {
    std::string error;
    EXPECT_EQ(parseSectionList("calendar, monthpayonly,calendar", false, error),
              (std::vector<int>{2, 6}));
    EXPECT_EQ(parseSectionList("princint,overview", false, error), (std::vector<int>{1, 10}));
    EXPECT_EQ(parseSectionList("graph,schedule", true, error), (std::vector<int>{1, 3}));
    EXPECT_EQ(parseSectionList("summary", true, error), (std::vector<int>{2}));
}

TEST(SectionList, UnknownOrEmptyListsAreErrors) {
    const struct {
        const char* list;
        bool consolidation;
        const char* starts;
    } cases[] = {{"calender", false, "unknown report section 'calender'"},
                 {"schedule", false, "unknown report section 'schedule' for a debt"},
                 {"calendar", true, "unknown report section 'calendar' for a consolidation"},
                 {"", false, "no report section given"},
                 {" , ", false, "no report section given"}};
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(parseSectionList(c.list, c.consolidation, error)) << c.list;
        EXPECT_EQ(error.rfind(c.starts, 0), 0u) << error;
    }
}

TEST(SectionList, ChoosingSectionsSetsExactlyTheirCheckBoxes) {
    plan::TClientRec p = plan::zeroClientRec();
    p.RptOverview = p.RptSummary = 1;
    setChosenSections(p, false, {3, 6});
    EXPECT_EQ(chosenSections(p, false), (std::vector<int>{3, 6}));
    EXPECT_EQ(+p.RptOverview, 0);
    EXPECT_EQ(+p.RptMonthPayBal, 1);
    setChosenSections(p, true, {2});
    EXPECT_EQ(chosenSections(p, true), (std::vector<int>{2}));
    EXPECT_EQ(sectionKeyword(false, 4), "dailypayonly");
    EXPECT_EQ(sectionKeyword(true, 3), "graph");
    EXPECT_EQ(sectionKeyword(false, 11), "");
}

}  // namespace
}  // namespace reports
