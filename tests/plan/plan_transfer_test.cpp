#include "plan/plan_transfer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "plan/plan_file_io.h"
#include "plan/plan_file_store.h"
#include "plan_test_helpers.h"
#include "temp_home.h"

namespace {

namespace fs = std::filesystem;
using plan::TClientRec;
using plan_testing::bytesOf;
using plan_testing::dataFileOf;
using plan_testing::namedPlan;
using plan_testing::recordAt;
using testing_support::readFile;
using testing_support::writeFile;

constexpr std::size_t kRec = plan::kClientRecSize;

class PlanTransferTest : public ::testing::Test {
  protected:
    std::string data() const { return (dir / "Debts4.dat").string(); }
    std::string in(const std::string& name) const { return (dir / name).string(); }

    testing_support::TempDir dir;
};

TEST(DbtExtension, LastFourCharactersInCapitalsMustBeDotDbt) {
    EXPECT_TRUE(plan::hasDbtExtension("/home/ann/plan.dbt"));
    EXPECT_TRUE(plan::hasDbtExtension("PLAN.DBT"));
    EXPECT_TRUE(plan::hasDbtExtension("plan.DbT"));
    EXPECT_TRUE(plan::hasDbtExtension(".dbt"));
    EXPECT_FALSE(plan::hasDbtExtension("plan.dat"));
    EXPECT_FALSE(plan::hasDbtExtension("plan.dbt "));
    EXPECT_FALSE(plan::hasDbtExtension("dbt"));
    EXPECT_FALSE(plan::hasDbtExtension("plan_dbt"));
}

TEST_F(PlanTransferTest, ExportAndImportLeaveTwoEqualRecords) {
    writeFile(data(), dataFileOf(2));
    TClientRec rec;
    ASSERT_EQ(plan::readPlanForExport(data(), 1, rec), "");
    ASSERT_EQ(plan::writeExportFile(in("Plan 1.DbT"), rec), "");
    EXPECT_EQ(readFile(in("Plan 1.DbT")), recordAt(dataFileOf(2), 1));

    TClientRec imported;
    ASSERT_EQ(plan::readImportFile(in("Plan 1.DbT"), imported), "");
    int number = -1;
    ASSERT_EQ(plan::appendImportedPlan(data(), imported, number), "");
    EXPECT_EQ(number, 2);
    const std::string file = readFile(data());
    ASSERT_EQ(file.size(), 3 * kRec);
    EXPECT_EQ(recordAt(file, 2), recordAt(file, 1));
}

TEST_F(PlanTransferTest, ExportsTheStoredRecordAndReplacesAnOldExport) {
    TClientRec stored = namedPlan("Stored", 1);
    stored.Version.setBytes("3.1");
    stored.Password.setText("pw");
    writeFile(data(), bytesOf(stored));
    writeFile(in("out.dbt"), std::string(3 * kRec, 'x'));
    TClientRec rec;
    ASSERT_EQ(plan::readPlanForExport(data(), 0, rec), "");
    ASSERT_EQ(plan::writeExportFile(in("out.dbt"), rec), "");
    EXPECT_EQ(readFile(in("out.dbt")), bytesOf(stored)) << "exported unchanged, unrepaired";
}

TEST_F(PlanTransferTest, ExportFailuresGiveTheirWarningsAndWriteNothing) {
    TClientRec rec = namedPlan("x");
    EXPECT_EQ(plan::readPlanForExport(data(), -1, rec),
              "No plan selected. Please select a plan first.");
    EXPECT_EQ(plan::readPlanForExport(data(), 0, rec),
              "Unable to retreive selected plan. Export aborted.");
    EXPECT_EQ(plan::writeExportFile(in("plan.dat"), rec), "Invalid file type selected.");
    EXPECT_FALSE(fs::exists(in("plan.dat")));
    EXPECT_EQ(plan::writeExportFile(in("missing/plan.dbt"), rec), "Unable to create file.");

    writeFile(data(), dataFileOf(1));
    EXPECT_THROW(plan::readPlanForExport(data(), 1, rec), plan::PlanFileError);
}

TEST_F(PlanTransferTest, ImportFailuresGiveTheirWarningsAndAddNothing) {
    const std::string before = dataFileOf(1);
    writeFile(data(), before);
    TClientRec rec;
    EXPECT_EQ(plan::readImportFile(in("plan.dat"), rec), "Invalid file type selected.");
    EXPECT_EQ(plan::readImportFile(in("absent.dbt"), rec), "Unable to open file.");
    writeFile(in("short.dbt"), std::string(100, 'p'));
    EXPECT_EQ(plan::readImportFile(in("short.dbt"), rec),
              "Invalid or corrupt file. Import aborted.");
    EXPECT_EQ(readFile(data()), before);

    int number = -1;
    rec = namedPlan("Imported");
    EXPECT_EQ(plan::appendImportedPlan(in("no-data-file.dat"), rec, number),
              "Unable to add imported file. Import aborted.");
    EXPECT_FALSE(fs::exists(in("no-data-file.dat")));
    EXPECT_EQ(number, -1);
}

TEST_F(PlanTransferTest, ImportReadsOnlyTheFirstRecordAndKeepsItAsItIs) {
    TClientRec first = namedPlan("First", 2);
    first.Password.setText("Their password");
    writeFile(in("two.dbt"), bytesOf(first) + bytesOf(namedPlan("Second")));
    writeFile(data(), "");  // an existing data file without plans

    TClientRec rec;
    ASSERT_EQ(plan::readImportFile(in("two.dbt"), rec), "");
    int number = -1;
    ASSERT_EQ(plan::appendImportedPlan(data(), rec, number), "");
    EXPECT_EQ(number, 0);
    EXPECT_EQ(readFile(data()), bytesOf(first));
    const auto list = plan::PlanFileStore(data()).LoadInClients();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].planName, "First");
}

}  // namespace
