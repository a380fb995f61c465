// The page framework: page limit, footer reserve, header lines, assumptions, shading,
// section order, cutting texts, and runs that produce no pages.

#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reports/generate/frm_report2.h"
#include "scripted_message_boxes.h"

namespace reports {
namespace {

using reports_test::debtsNamed;
using reports_test::pageContains;
using reports_test::pageHas;
using reports_test::planWith;
using reports_test::runReport;

// A body that prints one line per page and never finishes (fonts too large for any row).
class EndlessBody final : public SectionBody {
  public:
    void startSection() override {}
    bool printPage(ReportEngine& e) override {
        e.println("row");
        return false;
    }
};

// A body that prints one marker line and is done.
class MarkerBody final : public SectionBody {
  public:
    explicit MarkerBody(std::string text) : text_(std::move(text)) {}
    void startSection() override {}
    bool printPage(ReportEngine& e) override {
        e.println(text_);
        return true;
    }

  private:
    std::string text_;
};

TEST(PageLimit, AllowanceFollowsDebtCountAndCalendar) {
    struct Case {
        int debts;
        bool calendar;
        int pages;
    } cases[] = {{3, false, 100},  {4, false, 100}, {5, false, 100},
                 {12, false, 240}, {12, true, 600}, {3, true, 460}};
    for (const Case& c : cases) {
        ReportInputs in = planWith(debtsNamed(c.debts));
        in.plan.RptCalendar = c.calendar ? 1 : 0;
        TfrmReport report(in);
        report.SetMaxPages();
        EXPECT_EQ(report.PagesLeft, c.pages) << c.debts << " debts, calendar " << c.calendar;
    }
    // The consolidation generator never adds the calendar's allowance.
    ReportInputs in = planWith(debtsNamed(12));
    in.plan.RptCalendar = 1;
    TfrmReport2 consolidation(in);
    consolidation.SetMaxPages();
    EXPECT_EQ(consolidation.PagesLeft, 240);
}

TEST(PageLimit, QuestionAtTheLimitNoEndsYesGrantsAnotherAllowance) {
    ReportInputs in = planWith(debtsNamed(3));
    in.plan.RptOverview = 1;
    testing_support::ScriptedMessageBoxes boxes;
    testing_support::ExpectedBox question;
    question.caption = "Zelvane: Report Error";
    question.text =
        "The number of pages for this report seems excessive. Zelvane may have encountered a "
        "problem\r\nwhere the report cannot successfully be completed. If the fonts used are too "
        "large there may not be\r\nenough room to include any debts on certain pages. When this "
        "occurs the report will never finish.\r\n\r\nDo you want Zelvane to continue to try to "
        "generate the report?";
    question.icon = platform::MsgIcon::Question;
    question.buttons = platform::MsgButtons::YesNo;
    question.answer = platform::MsgAnswer::Yes;
    boxes.expect(question);
    question.answer = platform::MsgAnswer::No;
    boxes.expect(question);
    in.boxes = &boxes;
    TfrmReport report(in);
    report.setBody(section::kOverview, std::make_unique<EndlessBody>());
    const auto run = runReport(report);
    EXPECT_EQ(run.result.outcome, ReportOutcome::Completed);
    EXPECT_EQ(run.pages.pageCount(), 200u);
    EXPECT_TRUE(boxes.shown().back().bringToForeground);
}

TEST(Footer, OnlyReportNameReservesSpacerAndTwoPermanentFooterLines) {
    ReportInputs in = planWith(debtsNamed(2));
    in.plan.RptMonthPayBal = 1;
    ReportSettings& s = in.settings;
    s.printDatePrinted = s.printPageNumbers = false;
    s.usePermanentFooter = s.useTemporaryFooter = false;
    s.permFooterFont.size = 20;  // 0.5 inch lines, unlike the 8-point page information font
    TfrmReport report(in);
    const auto run = runReport(report);
    ASSERT_EQ(run.result.outcome, ReportOutcome::Completed);
    EXPECT_EQ(report.FooterLines, 2);
    EXPECT_DOUBLE_EQ(report.BottomSpace, 0.25 + 2 * 0.5);
    const Page& page = run.pages.page(1);
    const TextOp* name = page.texts().back();
    EXPECT_EQ(name->text, "Debt Elimination Report: Monthly Payment & Balance Schedule");
    EXPECT_EQ(name->align, Justify::Right);
    EXPECT_DOUBLE_EQ(name->x, 8.5 - 0.5);
    EXPECT_FALSE(pageContains(page, "Page "));
    EXPECT_FALSE(pageContains(page, "Date printed"));
}

TEST(Footer, EverySettingOffMeansNoFooterAtAll) {
    ReportInputs in = planWith(debtsNamed(2));
    in.plan.RptMonthPayBal = 1;
    ReportSettings& s = in.settings;
    s.printDatePrinted = s.printPageNumbers = s.printReportName = false;
    s.usePermanentFooter = s.useTemporaryFooter = false;
    s.permanentFooterLine = {"kept", "", ""};
    in.tempFooter.lines = {"also kept", "", ""};
    TfrmReport report(in);
    const auto run = runReport(report);
    EXPECT_EQ(report.FooterLines, 0);
    EXPECT_EQ(report.BottomSpace, 0);
    EXPECT_EQ(report.PageCount, 0);
    for (const Page& page : run.pages.pages()) {
        EXPECT_FALSE(pageContains(page, "Page "));
        EXPECT_FALSE(pageContains(page, "kept"));
        EXPECT_FALSE(pageContains(page, "Report:"));
    }
}

TEST(Footer, PermanentTemporaryAndPageInformationLines) {
    ReportInputs in = planWith(debtsNamed(2));
    in.plan.RptMonthPayOnly = 1;
    in.plan.RptMonthPayBal = 1;
    in.plan.ReductionPlan = 1;
    in.settings.permanentFooterLine = {"Perm one", "", "Perm three"};
    in.tempFooter.lines = {"", "Temp two", ""};
    TfrmReport report(in);
    const auto run = runReport(report);
    EXPECT_EQ(report.FooterLines, 2 + 1 + 2);
    ASSERT_EQ(run.pages.pageCount(), 2u);
    const Page& second = run.pages.page(2);
    for (const char* text :
         {"Perm one", "Perm three", "Temp two", "Date printed: 3/9/2027", "Page 2",
          "Debt Elimination Report: Monthly Payment & Balance Schedule"}) {
        EXPECT_TRUE(pageHas(second, text)) << text;
    }
    EXPECT_TRUE(
        pageHas(run.pages.page(1), "Debt Elimination Report: Monthly Payment Only Schedule"));
    // The footer texts stand inside the reserved band at the bottom of the page.
    for (const TextOp* t : second.texts()) {
        if (t->text == "Page 2") {
            EXPECT_GT(t->baseline, 11 - 0.2 - report.BottomSpace);
        }
    }
}

TEST(Header, PermanentHeaderNeedsLineOneOnDebtReportsOnly) {
    ReportInputs in = planWith(debtsNamed(2));
    in.plan.RptMonthPayOnly = 1;
    in.plan.ConRptSchedule = 1;
    in.settings.permanentHeaderLine = {"", "Second line", ""};
    {
        TfrmReport report(in);
        const auto run = runReport(report);
        EXPECT_EQ(report.HeaderLines, 0);
        EXPECT_FALSE(pageHas(run.pages.page(1), "Second line"));
    }
    {
        ReportInputs con = in;
        con.plan.ReductionPlan = 2;
        TfrmReport2 report(con);
        report.setBody(consolidation_section::kSchedule, std::make_unique<MarkerBody>("body"));
        const auto run = runReport(report);
        ASSERT_EQ(run.result.outcome, ReportOutcome::Completed) << run.result.message;
        EXPECT_EQ(report.HeaderLines, 1);
        const Page& page = run.pages.page(1);
        EXPECT_TRUE(pageHas(page, "Second line"));
        EXPECT_FALSE(pageContains(page, "Assumptions"));
        EXPECT_TRUE(pageHas(page, "Loan Consolidation Report: Schedule"));
    }
    in.settings.permanentHeaderLine = {"First", "", "Third"};
    TfrmReport report(in);
    const auto texts = reports_test::textsOf(runReport(report).pages.page(1));
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0], "First");
    EXPECT_EQ(texts[1], "Third");
}

TEST(Header, ProvidedLineJoinsOnlyTheFilledParts) {
    struct Case {
        const char* forText;
        const char* byText;
        const char* line;
    } cases[] = {{"", "Sam Adviser", "Provided By: Sam Adviser"},
                 {"The Garcias", "", "Provided For: The Garcias"},
                 {"The Garcias", "Sam", "Provided For: The Garcias    Provided By: Sam"}};
    for (const Case& c : cases) {
        ReportInputs in = planWith(debtsNamed(1));
        in.plan.RptMonthPayOnly = 1;
        in.plan.ProvidedFor.setText(c.forText);
        in.plan.ProvidedBy.setText(c.byText);
        EXPECT_TRUE(pageHas(runReport(in).pages.page(1), c.line)) << c.line;
    }
}

TEST(Header, AssumptionsOfScheduleAndTimedPlans) {
    ReportInputs in = planWith(debtsNamed(2));
    in.plan.RptMonthPayOnly = 1;
    in.plan.ExtraPayment = 75;
    in.plan.UseMinimumPayment = 1;
    EXPECT_TRUE(pageHas(runReport(in).pages.page(1),
                        "Assumptions: Highest Rate First    Extra Payment: $75.00    Use "
                        "Minimum Payment"));
    in.plan.ReductionPlan = 3;
    in.plan.TimedMonths = 1200;
    in.plan.UseMinimumPayment = 0;
    const auto run = runReport(in);
    ASSERT_EQ(run.result.outcome, ReportOutcome::Completed) << run.result.message;
    EXPECT_TRUE(pageContains(run.pages.page(1),
                             "Assumptions: Pay all debts off within 1,200 months.   Extra "
                             "Payment Needed: $"));
    EXPECT_TRUE(pageContains(run.pages.page(1), "Timed Debt Elimination Report: "));
}

TEST(Header, DaysBeforeNoteOnlyOnDailyAndCalendarPagesOfScheduleReports) {
    struct Case {
        int days;
        const char* note;
    } cases[] = {{1, "Payment dates shown are 1 day before actual payment is due."},
                 {0, "Payment dates shown are 0 days before actual payment is due."},
                 {7, "Payment dates shown are 7 days before actual payment is due."}};
    for (const Case& c : cases) {
        ReportInputs in = planWith(debtsNamed(1));
        in.plan.DaysBefore = static_cast<std::uint16_t>(c.days);
        in.plan.RptMonthPayOnly = in.plan.RptDailyPayOnly = in.plan.RptCalendar = 1;
        const auto run = runReport(in);
        ASSERT_GE(run.pages.pageCount(), 3u);
        EXPECT_FALSE(pageHas(run.pages.page(1), c.note));
        for (std::size_t p = 2; p <= run.pages.pageCount(); ++p)
            EXPECT_TRUE(pageHas(run.pages.page(p), c.note)) << c.days << " page " << p;
        in.plan.ReductionPlan = 3;
        in.plan.TimedMonths = 12;
        const auto again = runReport(in);
        for (const Page& page : again.pages.pages())
            EXPECT_FALSE(pageContains(page, "Payment dates shown")) << "timed, " << c.days;
    }
}

TEST(Shading, OnlyBoxedGridsAreShaded) {
    const auto shadedCells = [](const PageStream& pages) {
        int count = 0;
        for (const Page& page : pages.pages()) {
            for (const DrawOp& op : page.ops) {
                if (const auto* r = std::get_if<RectOp>(&op); r && r->brush)
                    ++count;
            }
        }
        return count;
    };
    ReportInputs in = planWith(debtsNamed(2));
    in.plan.RptMonthPayOnly = in.plan.RptMonthPayBal = in.plan.RptDailyPayBal = 1;
    in.plan.RptCalendar = 1;
    in.plan.CumulativeValues = 0;
    in.settings.shadeGridHeaders = true;
    in.plan.BoxedGrid = 1;
    EXPECT_GT(shadedCells(runReport(in).pages), 0);
    in.plan.BoxedGrid = 0;
    TfrmReport plain(in);
    EXPECT_EQ(shadedCells(runReport(plain).pages), 0);
    EXPECT_EQ(plain.HeaderShade, 0);
    EXPECT_EQ(plain.SubHeaderShade, 0);
    in.plan.BoxedGrid = 1;
    in.settings.shadeGridHeaders = false;
    EXPECT_EQ(shadedCells(runReport(in).pages), 0);
}

TEST(Sections, PrintedInFixedOrderEachStartingOnANewPage) {
    ReportInputs in = planWith(debtsNamed(1));
    in.plan.RptCalendar = in.plan.RptMonthPayOnly = in.plan.RptOverview = 1;
    TfrmReport report(in);
    report.setBody(section::kOverview, std::make_unique<MarkerBody>("overview body"));
    const auto run = runReport(report);
    ASSERT_GE(run.pages.pageCount(), 3u);
    EXPECT_TRUE(pageHas(run.pages.page(1), "overview body"));
    EXPECT_TRUE(pageHas(run.pages.page(2), "Debt Name"));
    EXPECT_FALSE(pageHas(run.pages.page(2), "overview body"));
    EXPECT_TRUE(pageContains(run.pages.page(3), "Report: Calendar"));
}

TEST(Sections, SectionsWithoutABodyAreLeftOut) {
    ReportInputs in = planWith(debtsNamed(1));
    in.plan.RptOverview = in.plan.RptSummary = 1;
    auto run = runReport(in);
    EXPECT_EQ(run.result.outcome, ReportOutcome::NoSections);
    EXPECT_EQ(run.pages.pageCount(), 0u);
    in.plan.RptMonthPayOnly = 1;
    run = runReport(in);
    EXPECT_EQ(run.result.outcome, ReportOutcome::Completed);
    EXPECT_EQ(run.pages.pageCount(), 1u);
}

TEST(Calculation, PlanWithoutScheduleGivesItsMessageAndNoPages) {
    // 10 a month never repays 5000 at 18 %.
    ReportInputs in = planWith({{"Card", 5000, 10, 18, 5}});
    in.plan.RptMonthPayOnly = 1;
    const auto run = runReport(in);
    EXPECT_EQ(run.result.outcome, ReportOutcome::CalcFailed);
    EXPECT_FALSE(run.result.message.empty());
    EXPECT_EQ(run.pages.pageCount(), 0u);

    in.plan.ReductionPlan = 3;
    in.plan.TimedMonths = 0;
    const auto timed = runReport(in);
    EXPECT_EQ(timed.result.outcome, ReportOutcome::CalcFailed);
    EXPECT_EQ(timed.pages.pageCount(), 0u);
}

TEST(FitText, CutsNamesAndNumbersFromTheEnd) {
    const FixedWidthMeasurer measurer;  // 10 points: 1/8 inch a character
    ReportEngine e(measurer);
    TfrmReport report(planWith(debtsNamed(1)));
    EXPECT_EQ(report.FitText(e, "Mortgage Loan", 0.5), "Mort");
    EXPECT_EQ(report.FitText(e, "$12,345.67", 0.75), "$12,34");
    EXPECT_EQ(report.FitText(e, "Card", 0.1), "");
    EXPECT_EQ(report.FitText(e, "Card", 0.5), "Card");
}

TEST(FitText, LongNamesAreCutToTheirCells) {
    ReportInputs in = planWith({{"An Extremely Long Department Store Card Name", 900, 100, 20, 3}});
    in.plan.RptMonthPayOnly = 1;
    const auto run = runReport(in);
    const Page& page = run.pages.page(1);
    for (const TextOp* t : page.texts()) {
        EXPECT_EQ(t->text.find("Card Name"), std::string::npos);
    }
    // 2 of 9 units of 7.5 inches less the cell margins, at 1/8 inch a character (10 points).
    EXPECT_TRUE(pageHas(page, std::string("An Extremely Long Department Store").substr(0, 13)));
}

TEST(ShortDate, PicturesOfTheLocale) {
    const platform::LocaleInfo us = platform::LocaleInfo::englishUS();
    EXPECT_EQ(formatShortDate("M/d/yyyy", {2027, 3, 9}, us), "3/9/2027");
    EXPECT_EQ(formatShortDate("dd.MM.yy", {2027, 3, 9}, us), "09.03.27");
    EXPECT_EQ(formatShortDate("d MMM yyyy", {2027, 12, 25}, us), "25 Dec 2027");
    EXPECT_EQ(formatShortDate("yyyy'-'MM'-'dd", {2027, 1, 2}, us), "2027-01-02");
}

}  // namespace
}  // namespace reports
