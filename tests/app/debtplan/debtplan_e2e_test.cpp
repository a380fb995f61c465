// Runs the built `debtplan` program as a user would.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "../../plan/plan_test_helpers.h"
#include "pdf_tools.h"
#include "temp_home.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

class DebtplanProgram : public ::testing::Test {
  protected:
    Result run(const std::vector<std::string>& args) {
        const std::string outPath = (dir / "stdout").string();
        const std::string errPath = (dir / "stderr").string();
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(out, 1);
            ::dup2(err, 2);
            std::vector<char*> argv;
            std::string program = DEBTPLAN_EXE;
            argv.push_back(program.data());
            std::vector<std::string> copy = args;
            for (auto& a : copy)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        Result r;
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        r.out = readFile(outPath);
        r.err = readFile(errPath);
        return r;
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    testing_support::TempDir dir;
};

TEST_F(DebtplanProgram, ListsExportsAndImports) {
    writeFile(path("Debts4.dat"), plan_testing::dataFileOf(2, "Household "));
    Result r = run({"list", path("Debts4.dat")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0\tHousehold 0\n1\tHousehold 1\n");

    r = run({"export", path("Debts4.dat"), "--plan", "0", path("h.dbt")});
    EXPECT_EQ(r.status, 0) << r.err;
    r = run({"import", path("Debts4.dat"), path("h.dbt")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2\tHousehold 0\n");
    r = run({"list", path("Debts4.dat")});
    EXPECT_EQ(r.out, "0\tHousehold 0\n1\tHousehold 1\n2\tHousehold 0\n");
}

// Every sample plan yields a schedule; the consolidation plan reports its new loan.
TEST_F(DebtplanProgram, SchedulesEverySamplePlan) {
    const Result list = run({"list", DEBT_SAMPLE_DATA_FILE});
    ASSERT_EQ(list.status, 0) << list.err;
    const auto plans = static_cast<int>(std::count(list.out.begin(), list.out.end(), '\n'));
    ASSERT_GE(plans, 3);
    bool sawConsolidation = false;
    for (int k = 0; k < plans; ++k) {
        SCOPED_TRACE("plan " + std::to_string(k));
        const Result json = run({"schedule", DEBT_SAMPLE_DATA_FILE, "--plan", std::to_string(k)});
        ASSERT_EQ(json.status, 0) << json.out << json.err;
        EXPECT_EQ(json.out.find("\"error\""), std::string::npos) << json.out;
        if (json.out.find("\"consolidation\"") != std::string::npos) {
            sawConsolidation = true;
            EXPECT_NE(json.out.find("\"new_loan_payment\""), std::string::npos);
        } else {
            EXPECT_NE(json.out.find("\"schedule_months\""), std::string::npos);
        }
        const Result csv = run(
            {"schedule", DEBT_SAMPLE_DATA_FILE, "--plan", std::to_string(k), "--format", "csv"});
        EXPECT_EQ(csv.status, 0) << csv.err;
        EXPECT_EQ(csv.out.rfind("month,", 0), 0u) << csv.out.substr(0, 80);
    }
    EXPECT_TRUE(sawConsolidation);
}

TEST_F(DebtplanProgram, BadInputEndsWithOneLineAndAFailureStatus) {
    writeFile(path("empty.dat"), "");
    const std::vector<std::vector<std::string>> cases = {
        {"list", path("absent.dat")},
        {"list", path("empty.dat")},
        {"schedule", path("empty.dat"), "--plan", "3"},
        {"import", path("empty.dat"), path("absent.dbt")},
        {"frobnicate"},
        {"schedule", path("empty.dat"), "--colour"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args[0] + " " + (args.size() > 1 ? args[1] : ""));
        const Result r = run(args);
        EXPECT_TRUE(r.status == 1 || r.status == 2) << r.status;
        EXPECT_EQ(r.out, "");
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.rfind("debtplan: ", 0), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    }
}

// Splits a CSV line (the schedule output has no quoted commas in these sample plans).
std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos)
            return fields;
        start = comma + 1;
    }
}

// An amount as the reports print it with cents, "Currency String Grids" on, US English.
std::string money(double value) {
    const long long cents = std::llround(std::fabs(value) * 100);
    std::string whole = std::to_string(cents / 100);
    for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
        whole.insert(static_cast<std::size_t>(at), ",");
    const std::string frac = std::to_string(100 + cents % 100).substr(1);
    return (value < 0 ? "($" : "$") + whole + "." + frac + (value < 0 ? ")" : "");
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ')
            ++j;
        if (j > i)
            out.push_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

struct CsvSchedule {
    std::vector<std::string> names;             // per position
    std::vector<std::vector<double>> payments;  // per position, per month
};

CsvSchedule parseScheduleCsv(const std::string& csv) {
    CsvSchedule s;
    std::size_t start = 0;
    bool header = true;
    while (start < csv.size()) {
        const std::size_t end = csv.find('\n', start);
        const std::string line = csv.substr(start, end - start);
        start = end == std::string::npos ? csv.size() : end + 1;
        const auto fields = csvFields(line);
        if (header) {
            for (std::size_t i = 1; i + 1 < fields.size(); i += 2)
                s.names.push_back(fields[i].substr(0, fields[i].find(" (debt ")));
            s.payments.resize(s.names.size());
            header = false;
            continue;
        }
        for (std::size_t p = 0; p < s.names.size(); ++p)
            s.payments[p].push_back(std::stod(fields[1 + 2 * p]));
    }
    return s;
}

// The monthly payment-only schedule of every sample plan shows exactly the figures of
// `debtplan schedule`: per debt, its six payments of each block, "***" for none.
TEST_F(DebtplanProgram, ReportPdfShowsTheScheduleFigures) {
    const Result list = run({"list", DEBT_SAMPLE_DATA_FILE});
    ASSERT_EQ(list.status, 0) << list.err;
    const auto plans = static_cast<int>(std::count(list.out.begin(), list.out.end(), '\n'));
    int checked = 0;
    for (int k = 0; k < plans; ++k) {
        SCOPED_TRACE("plan " + std::to_string(k));
        const std::string number = std::to_string(k);
        const Result csv =
            run({"schedule", DEBT_SAMPLE_DATA_FILE, "--plan", number, "--format", "csv"});
        if (csv.out.rfind("month,payment,", 0) == 0)
            continue;  // the consolidation plan: its report bodies come later
        const CsvSchedule schedule = parseScheduleCsv(csv.out);
        ASSERT_FALSE(schedule.names.empty());
        const std::string pdf = path("plan" + number + ".pdf");
        const Result r = run({"report", DEBT_SAMPLE_DATA_FILE, "--plan", number, "--pdf", pdf,
                              "--sections", "monthpayonly"});
        ASSERT_EQ(r.status, 0) << r.err;
        const int pages = testing_support::pdfPageCount(QString::fromStdString(pdf));
        EXPECT_EQ(r.out, pdf + "\t" + std::to_string(pages) + " pages\n");
        const std::string text =
            testing_support::pdfText(QString::fromStdString(pdf)).toStdString();
        ASSERT_FALSE(text.empty());
        const std::size_t months = schedule.payments[0].size();
        for (std::size_t p = 0; p < schedule.names.size(); ++p) {
            SCOPED_TRACE(schedule.names[p]);
            std::vector<std::string> expected;
            for (std::size_t m = 0; m < (months + 5) / 6 * 6; ++m) {
                const double pay = m < months ? schedule.payments[p][m] : 0.0;
                expected.push_back(pay == 0 ? "***" : money(pay));
            }
            std::vector<std::string> shown;
            std::size_t start = 0;
            while (start < text.size()) {
                const std::size_t end = text.find('\n', start);
                std::string line = text.substr(start, end - start);
                start = end == std::string::npos ? text.size() : end + 1;
                const std::size_t at = line.find_first_not_of(' ');
                if (at == std::string::npos ||
                    line.compare(at, schedule.names[p].size() + 1, schedule.names[p] + " ") != 0)
                    continue;
                const auto cells = words(line.substr(at + schedule.names[p].size()));
                ASSERT_EQ(cells.size(), 7u) << line;  // the loan amount and six months
                shown.insert(shown.end(), cells.begin() + 1, cells.end());
            }
            EXPECT_EQ(shown, expected);
        }
        ++checked;
    }
    EXPECT_GE(checked, 3);
}

// One calendar page per month that holds a payment: the schedule's months, and the month
// before when "Days Before" moves the first payments back.
TEST_F(DebtplanProgram, ReportCalendarHasOnePagePerMonth) {
    const Result csv = run({"schedule", DEBT_SAMPLE_DATA_FILE, "--plan", "0", "--format", "csv"});
    const std::size_t months =
        static_cast<std::size_t>(std::count(csv.out.begin(), csv.out.end(), '\n')) - 1;
    const std::string pdf = path("calendar.pdf");
    const Result r = run(
        {"report", DEBT_SAMPLE_DATA_FILE, "--plan", "0", "--pdf", pdf, "--sections", "calendar"});
    ASSERT_EQ(r.status, 0) << r.err;
    const int pages = testing_support::pdfPageCount(QString::fromStdString(pdf));
    EXPECT_TRUE(pages == static_cast<int>(months) || pages == static_cast<int>(months) + 1)
        << pages << " pages for " << months << " months";
    const std::string first =
        testing_support::pdfText(QString::fromStdString(pdf), 1, 1).toStdString();
    EXPECT_NE(first.find("Payment dates shown are"), std::string::npos);
    EXPECT_NE(first.find("Sunday"), std::string::npos);
}

TEST_F(DebtplanProgram, ReportRefusesSectionsNotBuiltAndWritesNothing) {
    const std::string pdf = path("no.pdf");
    for (const char* sections : {"overview", "monthpaybal,summary", "graph", "princint"}) {
        const Result r = run(
            {"report", DEBT_SAMPLE_DATA_FILE, "--plan", "0", "--pdf", pdf, "--sections", sections});
        EXPECT_EQ(r.status, 2) << sections;
        EXPECT_EQ(r.err.rfind("debtplan: ", 0), 0u) << r.err;
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
}

}  // namespace
