// The payment schedules and the calendar, laid out with the fixed-width measurer.

#include "reports/generate/schedule_bodies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "calc/calendar.h"
#include "report_fixture.h"

namespace reports {
namespace {

using reports_test::debtsNamed;
using reports_test::pageContains;
using reports_test::pageHas;
using reports_test::planWith;
using reports_test::runReport;
using reports_test::textsOf;

std::size_t indexOf(const std::vector<std::string>& texts, const std::string& text,
                    std::size_t from = 0) {
    const auto it = std::find(texts.begin() + static_cast<std::ptrdiff_t>(from), texts.end(), text);
    return static_cast<std::size_t>(it - texts.begin());
}

// The text at an index, or "<none>" past the end.
std::string at(const std::vector<std::string>& texts, std::size_t i) {
    return i < texts.size() ? texts[i] : "<none>";
}

std::size_t countOf(const std::vector<std::string>& texts, const std::string& text) {
    return static_cast<std::size_t>(std::count(texts.begin(), texts.end(), text));
}

// Prints a page's texts (for failing checks).
[[maybe_unused]] std::string dump(const Page& page) {
    std::string out;
    for (const TextOp* t : page.texts())
        out += "[" + t->text + "] ";
    return out;
}

TEST(MonthPayOnly, EightMonthsMakeTwoBlocksTheSecondFilledWithStars) {
    // 750 at 100 a month without interest: months 1 to 8.
    ReportInputs in = planWith({{"Card", 750, 100, 0, 5}});
    in.plan.RptMonthPayOnly = 1;
    in.plan.DisplayCents = 0;
    const auto run = runReport(in, reports_test::narrowMeasurer());
    ASSERT_EQ(run.pages.pageCount(), 1u);
    const auto texts = textsOf(run.pages.page(1));
    ASSERT_EQ(countOf(texts, "Debt Name"), 2u);
    EXPECT_EQ(countOf(texts, "$750"), 2u);  // the loan amount in both blocks
    const std::size_t first = indexOf(texts, "Debt Name");
    EXPECT_EQ(at(texts, first + 2), "01 2027");
    const std::size_t second = indexOf(texts, "Debt Name", first + 1);
    ASSERT_LT(second + 15, texts.size());
    // Second block: months 7 to 12; months 9 to 12 are past the schedule's end.
    EXPECT_EQ(at(texts, second + 2), "07 2027");
    EXPECT_EQ(at(texts, second + 7), "12 2027");
    const std::vector<std::string> row(texts.begin() + static_cast<std::ptrdiff_t>(second) + 8,
                                       texts.begin() + static_cast<std::ptrdiff_t>(second) + 16);
    EXPECT_EQ(
        row, (std::vector<std::string>{"Card", "$750", "$100", "$50", "***", "***", "***", "***"}));
}

TEST(MonthPayOnly, BlockThatDoesNotFitMovesToTheNextPage) {
    // Twenty debts over many months: blocks of 22 lines, several pages, every block whole.
    std::vector<reports_test::DebtSpec> debts;
    for (int i = 1; i <= 20; ++i)
        debts.push_back({"D" + std::to_string(i), 2400, 100, 0, 1});
    ReportInputs in = planWith(debts);
    in.plan.RptMonthPayOnly = 1;
    const auto run = runReport(in, reports_test::narrowMeasurer());
    ASSERT_GT(run.pages.pageCount(), 1u);
    for (const Page& page : run.pages.pages()) {
        const auto texts = textsOf(page);
        EXPECT_EQ(countOf(texts, "D20"), countOf(texts, "Debt Name"));
        for (const TextOp* t : page.texts()) {
            if (t->text == "D20") {
                EXPECT_LT(t->baseline, 11 - 0.2);
            }
        }
    }
}

TEST(MonthPayBal, TwelveDebtsPrintThreeGroupsEachOnNewPages) {
    ReportInputs in = planWith(debtsNamed(12));
    in.plan.RptMonthPayBal = 1;
    const auto run = runReport(in, reports_test::narrowMeasurer());
    ASSERT_EQ(run.result.outcome, ReportOutcome::Completed);
    // The debt names on each page; consecutive pages with the same names form one group.
    std::vector<std::set<std::string>> groups;
    for (const Page& page : run.pages.pages()) {
        std::set<std::string> names;
        for (const TextOp* t : page.texts()) {
            if (t->text.rfind("Debt ", 0) == 0 && t->text.find("Report") == std::string::npos)
                names.insert(t->text);
        }
        if (groups.empty() || groups.back() != names) {
            EXPECT_TRUE(pageHas(page, "01 2027")) << "a group starts with the first month";
            groups.push_back(names);
        }
    }
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].size(), 5u);
    EXPECT_EQ(groups[1].size(), 5u);
    EXPECT_EQ(groups[2].size(), 2u);
    std::set<std::string> all;
    for (const auto& g : groups)
        all.insert(g.begin(), g.end());
    EXPECT_EQ(all.size(), 12u);
}

TEST(MonthPayBal, YearEndRowsFollowCalendarOrFiscalYears) {
    ReportInputs in = planWith({{"Car", 3000, 150, 6, 20}});
    in.plan.StartMonth = 10;
    in.plan.RptMonthPayBal = 1;
    in.plan.CumulativeValues = 0;
    in.plan.YearEnd = 1;  // calendar years
    auto texts = textsOf(runReport(in, reports_test::narrowMeasurer()).pages.page(1));
    std::size_t yearEnd = indexOf(texts, "Yr End Tot");
    ASSERT_LT(yearEnd, texts.size());
    // The last row before it is December's: month text, total, payment, balance.
    EXPECT_EQ(at(texts, yearEnd - 4), "12 2027");
    EXPECT_EQ(at(texts, yearEnd + 3), "Cumulative");  // blank cells print no text

    in.plan.YearEnd = 2;  // fiscal: after the twelfth schedule month
    texts = textsOf(runReport(in, reports_test::narrowMeasurer()).pages.page(1));
    yearEnd = indexOf(texts, "Yr End Tot");
    ASSERT_LT(yearEnd, texts.size());
    EXPECT_EQ(at(texts, yearEnd - 4), "09 2028");

    in.plan.CumulativeValues = 1;
    const auto again = runReport(in, reports_test::narrowMeasurer());
    for (const Page& page : again.pages.pages())
        EXPECT_FALSE(pageHas(page, "Yr End Tot"));
}

TEST(MonthPayBal, PaidOffMonthThenBlankCells) {
    ReportInputs in = planWith({{"Small", 400, 100, 0, 5}, {"Big", 5000, 100, 0, 6}});
    in.plan.RptMonthPayBal = 1;
    in.plan.CumulativeValues = 0;
    in.plan.DisplayCents = 0;
    const auto texts = textsOf(runReport(in, reports_test::narrowMeasurer()).pages.page(1));
    const std::size_t april = indexOf(texts, "04 2027");
    ASSERT_LT(april, texts.size());
    // Payoff order: highest rate first ties keep debt order, so "Small" is the first column.
    EXPECT_EQ(at(texts, april + 2), "$100");
    EXPECT_EQ(at(texts, april + 3), "Paid Off");
    const std::size_t may = indexOf(texts, "05 2027");
    EXPECT_EQ(at(texts, may + 2), "$200");  // Big gets Small's freed payment; Small's cells blank
}

TEST(DailyPay, DaysBeforeMovesDatesAndZeroPaymentsAreSkipped) {
    ReportInputs in = planWith({{"Early", 150, 100, 0, 3}, {"Late", 5000, 100, 0, 28}});
    in.plan.RptDailyPayBal = 1;
    in.plan.DaysBefore = 7;
    in.plan.StartMonth = 3;
    in.plan.DisplayCents = 0;
    const auto texts = textsOf(runReport(in, reports_test::narrowMeasurer()).pages.page(1));
    // Pay day 3 of March less 7 days: 24 February (28 days in 2027); of April: 27 March.
    const std::size_t first = indexOf(texts, "02/24/27");
    EXPECT_EQ(at(texts, first + 1), "Early");
    EXPECT_EQ(at(texts, first + 2), "$100");
    EXPECT_EQ(at(texts, first + 3), "$50");
    const std::size_t second = indexOf(texts, "03/27/27");
    EXPECT_EQ(at(texts, second + 1), "Early");
    EXPECT_EQ(at(texts, second + 2), "$50");
    EXPECT_EQ(at(texts, second + 3), "Paid Off");
    // From May on only "Late" pays: no line for "Early" (26 April), one for "Late".
    EXPECT_EQ(indexOf(texts, "04/26/27"), texts.size());
    EXPECT_EQ(at(texts, indexOf(texts, "04/21/27") + 1), "Late");
    // Lines in payment-day order within each month.
    EXPECT_LT(indexOf(texts, "02/24/27"), indexOf(texts, "03/21/27"));
    EXPECT_LT(indexOf(texts, "03/21/27"), indexOf(texts, "03/27/27"));
}

TEST(DailyPay, FillsTheLeftColumnThenTheRight) {
    ReportInputs in = planWith(debtsNamed(4));
    in.plan.RptDailyPayOnly = 1;
    const auto run = runReport(in, reports_test::narrowMeasurer());
    const Page& page = run.pages.page(1);
    int headings = 0;
    double leftX = 100, rightX = 0;
    for (const TextOp* t : page.texts()) {
        if (t->text == "Payment Day") {
            ++headings;
            leftX = std::min(leftX, t->x);
            rightX = std::max(rightX, t->x);
        }
    }
    EXPECT_EQ(headings, 2);
    // The right column begins at 8 of 15 units of the printable width.
    const double u = 7.5 / 15;
    EXPECT_NEAR(rightX - leftX, 8 * u, 1e-9);
}

TEST(Calendar, WeekRowsByFirstWeekday) {
    EXPECT_EQ(calendarWeekRows(0, 28), 4);  // February starting on a Sunday
    EXPECT_EQ(calendarWeekRows(3, 30), 5);
    EXPECT_EQ(calendarWeekRows(6, 31), 6);  // Saturday the 1st, 31 days
    EXPECT_EQ(calendarWeekRows(5, 31), 6);
    EXPECT_EQ(calendarWeekRows(4, 31), 5);
    EXPECT_EQ(weekdayOf(2027, 5, 1), 6);  // 1 May 2027 is a Saturday
}

TEST(Calendar, MovedModePairsEveryEntryWithItsOwnScheduleMonth) {
    // "Early" (the 3rd) moves back into the previous month, "Mid" (the 20th) stays.
    // Schedule: Early 100, 100, 50; Mid 200, 200, 100 (January to March 2027).
    ReportInputs in = planWith({{"Early", 250, 100, 0, 3}, {"Mid", 500, 200, 0, 20}});
    in.plan.RptCalendar = 1;
    in.plan.DaysBefore = 7;
    in.plan.DisplayCents = 0;
    const auto run = runReport(in, reports_test::narrowMeasurer());
    ASSERT_EQ(run.pages.pageCount(), 4u);
    const auto& p = run.pages;
    EXPECT_TRUE(pageHas(p.page(1), "December 2026"));
    EXPECT_TRUE(pageHas(p.page(1), "$100 Early"));
    EXPECT_FALSE(pageContains(p.page(1), "Mid"));
    EXPECT_TRUE(pageHas(p.page(2), "January 2027"));
    EXPECT_TRUE(pageHas(p.page(2), "$200 Mid"));    // January's own payment
    EXPECT_TRUE(pageHas(p.page(2), "$100 Early"));  // February's, moved back
    EXPECT_TRUE(pageHas(p.page(3), "$200 Mid"));    // February's own, not March's
    EXPECT_TRUE(pageHas(p.page(3), "$50 Early"));   // March's, moved back
    EXPECT_TRUE(pageHas(p.page(4), "March 2027"));
    EXPECT_TRUE(pageHas(p.page(4), "$100 Mid"));
    EXPECT_FALSE(pageContains(p.page(4), "Early"));
}

TEST(Calendar, WithoutDaysBeforeOnePagePerScheduleMonth) {
    ReportInputs in = planWith({{"Early", 250, 100, 0, 3}, {"Mid", 500, 200, 0, 20}});
    in.plan.RptCalendar = 1;
    in.plan.DaysBefore = 0;
    const auto run = runReport(in, reports_test::narrowMeasurer());
    ASSERT_EQ(run.pages.pageCount(), 3u);
    EXPECT_TRUE(pageHas(run.pages.page(1), "January 2027"));
    EXPECT_TRUE(pageHas(run.pages.page(3), "March 2027"));
}

TEST(Calendar, EntryStandsInTheBoxOfItsDate) {
    ReportInputs in = planWith({{"Card", 150, 100, 0, 15}});
    in.plan.RptCalendar = 1;
    in.plan.DaysBefore = 0;
    in.plan.StartMonth = 5;  // May 2027: the 1st is a Saturday, six week rows
    const auto run = runReport(in, reports_test::narrowMeasurer());
    ASSERT_EQ(run.pages.pageCount(), 2u);
    const Page& page = run.pages.page(1);
    const TextOp* day15 = nullptr;
    const TextOp* entry = nullptr;
    for (const TextOp* t : page.texts()) {
        if (t->text == "15" && !day15)
            day15 = t;
        if (t->text.find("Card") != std::string::npos)
            entry = t;
    }
    ASSERT_TRUE(day15 && entry);
    // The 15th is a Saturday: the last column.
    EXPECT_NEAR(day15->x, 0.5 + 6 * (7.5 / 7) + 0.03, 1e-9);
    EXPECT_DOUBLE_EQ(entry->x, day15->x);
    EXPECT_GT(entry->baseline, day15->baseline);
    int horizontal = 0;
    for (const DrawOp& op : page.ops) {
        const auto* l = std::get_if<LineOp>(&op);
        if (l && l->y1 == l->y2 && l->x2 - l->x1 > 7)  // the grid's own lines span the width
            ++horizontal;
    }
    EXPECT_EQ(horizontal, 7);  // six week rows
}

}  // namespace
}  // namespace reports
