#include "debtplan_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "../../plan/plan_test_helpers.h"
#include "fake_schedule_command.h"
#include "temp_home.h"

namespace {

namespace fs = std::filesystem;
using debtplan::ScheduleFormat;
using plan::TClientRec;
using plan_testing::bytesOf;
using plan_testing::dataFileOf;
using plan_testing::namedPlan;
using plan_testing::recordAt;
using testing_support::readFile;
using testing_support::writeFile;

constexpr std::size_t kRec = plan::kClientRecSize;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class DebtplanTest : public ::testing::Test {
  protected:
    DebtplanTest() {
        debtplan_testing::lastScheduleCall.reset();
        debtplan_testing::scheduleStatus = 0;
    }

    Outcome run(std::vector<std::string> args) {
        for (auto& a : args) {
            if (a.rfind("@", 0) == 0)
                a = (dir / a.substr(1)).string();
        }
        std::ostringstream out, err;
        const int status = debtplan::runDebtplan(args, out, err);
        return {status, out.str(), err.str()};
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    testing_support::TempDir dir;
};

TEST_F(DebtplanTest, ListPrintsRecordNumberTabAndNamePerRecord) {
    TClientRec odd = namedPlan("Tab\there");
    writeFile(path("d.dat"), dataFileOf(2) + bytesOf(namedPlan("Größe")) + bytesOf(odd) + "x");
    const Outcome r = run({"list", "@d.dat"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0\tPlan 0\n1\tPlan 1\n2\tGröße\n3\tTab?here\n");
    EXPECT_EQ(r.err, "");
}

// Every bad command line or file ends with one line on standard error, no output and a
// non-zero status.
TEST_F(DebtplanTest, BadInputGivesOneLineOnStandardError) {
    writeFile(path("two.dat"), dataFileOf(2));
    writeFile(path("short.dat"), std::string(kRec - 1, 'x'));
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{}, 2, "no command given (try debtplan --help)"},
        {{"lst", "@two.dat"}, 2, "unknown command 'lst'"},
        {{"list"}, 2, "missing data file for list"},
        {{"list", "@two.dat", "extra"}, 2, "unexpected argument 'extra'"},
        {{"list", "--plan", "1", "@two.dat"}, 2, "unknown option '--plan' for list"},
        {{"schedule", "@two.dat", "--verbose"}, 2, "unknown option '--verbose' for schedule"},
        {{"schedule", "@two.dat", "--plan"}, 2, "option --plan needs a value"},
        {{"schedule", "@two.dat", "--plan", "-1"}, 2, "invalid plan number '-1'"},
        {{"schedule", "@two.dat", "--plan=1x"}, 2, "invalid plan number '1x'"},
        {{"schedule", "@two.dat", "--plan=0", "--plan=1"}, 2, "option --plan given twice"},
        {{"schedule", "@two.dat", "--format", "xml"}, 2, "unknown format 'xml' (use json or csv)"},
        {{"export", "@two.dat", "--plan", "0"}, 2, "missing OUT.dbt for export"},
        {{"import"}, 2, "missing data file and IN.dbt for import"},
        {{"list", "@missing.dat"},
         1,
         "cannot open " + path("missing.dat") + ": No such file or directory"},
        {{"list", "@short.dat"}, 1, path("short.dat") + " holds no complete plan record"},
        {{"schedule", "@short.dat"}, 1, path("short.dat") + " holds no complete plan record"},
        {{"schedule", "@two.dat", "--plan", "2"},
         1,
         "plan 2 is out of range: " + path("two.dat") + " holds 2 plans (0 to 1)"},
        {{"schedule", "@two.dat", "--plan", "99999999999999999999"},
         1,
         "plan 2147483647 is out of range: " + path("two.dat") + " holds 2 plans (0 to 1)"},
        {{"export", "@two.dat", "--plan", "5", "@o.dbt"},
         1,
         "plan 5 is out of range: " + path("two.dat") + " holds 2 plans (0 to 1)"},
        {{"list", "@"}, 1, "cannot open " + path("") + ": Is a directory"},
        {{"report", "@two.dat", "--pdf", "@o.pdf"}, 2, "report needs --plan N"},
        {{"report", "@two.dat", "--plan", "0"}, 2, "report needs --pdf OUT.pdf"},
        {{"report", "@two.dat", "--plan", "0", "--pdf="}, 2, "option --pdf needs a file name"},
        {{"report", "@two.dat", "--plan", "0", "--pdf", "a", "--pdf", "b"},
         2,
         "option --pdf given twice"},
        {{"report", "@two.dat", "--plan", "0", "--pdf", "a", "--format", "csv"},
         2,
         "unknown option '--format' for report"},
        {{"schedule", "@two.dat", "--pdf", "a"}, 2, "unknown option '--pdf' for schedule"},
        {{"report", "@two.dat", "--plan", "7", "--pdf", "@o.pdf"},
         1,
         "plan 7 is out of range: " + path("two.dat") + " holds 2 plans (0 to 1)"},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const auto& a : c.args)
            line += a + " ";
        SCOPED_TRACE(line);
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err, "debtplan: " + c.err + "\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(debtplan_testing::lastScheduleCall);
    EXPECT_FALSE(fs::exists(path("o.dbt")));
}

TEST_F(DebtplanTest, ExportThenImportAddsAnEqualRecord) {
    writeFile(path("d.dat"), dataFileOf(3));
    Outcome r = run({"export", "--plan=1", "@d.dat", "@Plan.DBT"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(readFile(path("Plan.DBT")), recordAt(dataFileOf(3), 1));

    r = run({"import", "@d.dat", "@Plan.DBT"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "3\tPlan 1\n");
    const std::string file = readFile(path("d.dat"));
    ASSERT_EQ(file.size(), 4 * kRec);
    EXPECT_EQ(recordAt(file, 3), recordAt(file, 1));
}

TEST_F(DebtplanTest, ExportAndImportPrintTheDesignedWarnings) {
    writeFile(path("d.dat"), dataFileOf(1));
    writeFile(path("tiny.dbt"), std::string(100, 'q'));
    writeFile(path("plan.dbt"), bytesOf(namedPlan("In")));
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"export", "@d.dat", "@o.dbt"}, "No plan selected. Please select a plan first."},
        {{"export", "@none.dat", "--plan", "0", "@o.dbt"},
         "Unable to retreive selected plan. Export aborted."},
        {{"export", "@d.dat", "--plan", "0", "@o.dat"}, "Invalid file type selected."},
        {{"export", "@d.dat", "--plan", "0", "@no/o.dbt"}, "Unable to create file."},
        {{"import", "@d.dat", "@plan.dat"}, "Invalid file type selected."},
        {{"import", "@d.dat", "@absent.dbt"}, "Unable to open file."},
        {{"import", "@d.dat", "@tiny.dbt"}, "Invalid or corrupt file. Import aborted."},
        {{"import", "@none.dat", "@plan.dbt"}, "Unable to add imported file. Import aborted."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.err);
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "debtplan: " + c.err + "\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(readFile(path("d.dat")), dataFileOf(1));
    EXPECT_FALSE(fs::exists(path("o.dat")));
    EXPECT_FALSE(fs::exists(path("none.dat")));
}

TEST_F(DebtplanTest, ScheduleLoadsThePlanAsTheProgramDoes) {
    TClientRec old = namedPlan("Old", 3);
    old.Version.setBytes("3.1");
    old.Password.setText("pw");
    old.DebtSortOrder = 5;
    TClientRec damaged = namedPlan("Damaged", 2);
    damaged.DebtCount = 300;
    writeFile(path("d.dat"), bytesOf(namedPlan("First", 1)) + bytesOf(old) + bytesOf(damaged));

    Outcome r = run({"schedule", "@d.dat"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "schedule\n");
    ASSERT_TRUE(debtplan_testing::lastScheduleCall);
    EXPECT_EQ(debtplan_testing::lastScheduleCall->plan.PlanName.text(), "First");
    EXPECT_EQ(debtplan_testing::lastScheduleCall->numDebts, 1);
    EXPECT_EQ(debtplan_testing::lastScheduleCall->format, ScheduleFormat::Json);

    r = run({"schedule", "@d.dat", "--plan", "1", "--format=csv"});
    EXPECT_EQ(r.status, 0);
    const auto& call = *debtplan_testing::lastScheduleCall;
    EXPECT_EQ(call.plan.PlanName.text(), "Old");
    EXPECT_EQ(call.numDebts, 3);
    EXPECT_EQ(call.format, ScheduleFormat::Csv);
    EXPECT_EQ(call.plan.Password.bytes(), "") << "an old record is repaired";
    EXPECT_EQ(+call.plan.DebtSortOrder, 0);

    run({"schedule", "--format", "json", "--plan", "2", "@d.dat"});
    EXPECT_EQ(debtplan_testing::lastScheduleCall->numDebts, 50);
}

TEST_F(DebtplanTest, ReportLoadsThePlanAndPassesFileAndSections) {
    TClientRec damaged = namedPlan("Damaged", 2);
    damaged.DebtCount = 300;
    writeFile(path("d.dat"), bytesOf(namedPlan("First", 1)) + bytesOf(damaged));
    debtplan_testing::lastReportCall.reset();
    Outcome r = run({"report", "@d.dat", "--plan", "1", "--pdf", "out.pdf"});
    EXPECT_EQ(r.status, 0);
    ASSERT_TRUE(debtplan_testing::lastReportCall);
    EXPECT_EQ(debtplan_testing::lastReportCall->plan.PlanName.text(), "Damaged");
    EXPECT_EQ(debtplan_testing::lastReportCall->numDebts, 50);
    EXPECT_EQ(debtplan_testing::lastReportCall->request.pdfFile, "out.pdf");
    EXPECT_FALSE(debtplan_testing::lastReportCall->request.sections);

    r = run({"report", "--sections=calendar,monthpaybal", "@d.dat", "--pdf=x.pdf", "--plan=0"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(debtplan_testing::lastReportCall->plan.PlanName.text(), "First");
    EXPECT_EQ(debtplan_testing::lastReportCall->request.sections.value_or(""),
              "calendar,monthpaybal");
}

TEST_F(DebtplanTest, ScheduleReturnsTheStatusOfTheCalculation) {
    writeFile(path("d.dat"), dataFileOf(1));
    debtplan_testing::scheduleStatus = 3;
    EXPECT_EQ(run({"schedule", "@d.dat"}).status, 3);
}

TEST_F(DebtplanTest, HelpPrintsTheUsage) {
    const Outcome r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("debtplan schedule FILE [--plan N] [--format json|csv]"),
              std::string::npos);
}

TEST_F(DebtplanTest, DoubleDashEndsTheOptions) {
    writeFile(path("--odd.dat"), dataFileOf(1));
    const Outcome r = run({"list", "--", path("--odd.dat")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "0\tPlan 0\n");
}

}  // namespace
