#include "plan/plan_file_store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "plan/record_repair.h"
#include "plan_test_helpers.h"
#include "scripted_message_boxes.h"
#include "temp_home.h"

namespace {

namespace fs = std::filesystem;
using plan::DeleteResult;
using plan::LoadResult;
using plan::PlanFileStore;
using plan::PlanState;
using plan::TClientRec;
using plan_testing::bytesOf;
using plan_testing::dataFileOf;
using plan_testing::nameAt;
using plan_testing::namedPlan;
using plan_testing::recordAt;
using platform::MsgIcon;
using testing_support::readFile;
using testing_support::writeFile;

constexpr std::size_t kRec = plan::kClientRecSize;

// Records the boxes shown, for code that runs in a child process where a test
// expectation could not report back.
class RecordingBoxes final : public platform::MessageBoxes {
  public:
    platform::MsgAnswer show(const platform::MessageBoxRequest& r) override {
        shown.push_back(r);
        return platform::MsgAnswer::Ok;
    }
    std::vector<platform::MessageBoxRequest> shown;
};

class PlanFileStoreTest : public ::testing::Test {
  protected:
    std::string path() const { return (dir / "Debts4.dat").string(); }
    PlanFileStore store() const { return PlanFileStore(path()); }
    std::vector<std::string> listedNames() const {
        std::vector<std::string> names;
        for (const auto& e : store().LoadInClients()) {
            names.push_back(std::to_string(e.recordNumber) + ":" + e.planName);
        }
        return names;
    }
    // A state whose active plan is `rec`, as after editing a plan stored at `index`.
    static PlanState editing(const TClientRec& rec, int index) {
        PlanState s;
        s.SavedPlan = rec;
        s.ActivePlan = rec;
        s.PlanIndex = index;
        s.NumDebts = rec.DebtCount;
        return s;
    }

    testing_support::TempDir dir;
    testing_support::ScriptedMessageBoxes boxes;
};

TEST_F(PlanFileStoreTest, SavingANewPlanWithoutADataFileCreatesOneRecord) {
    PlanState s = editing(namedPlan("Family budget", 2), -1);
    s.ActivePlan.Version.setBytes("3.1");
    s.ActivePlan.DebtCount = 0;
    ASSERT_TRUE(store().SaveAClient(s, true, boxes, nullptr, "Zelvane"));

    const std::string file = readFile(path());
    ASSERT_EQ(file.size(), kRec);
    EXPECT_EQ(s.PlanIndex, 0);
    EXPECT_EQ(file.substr(0, 4),
              "\x03"
              "4.0");
    EXPECT_EQ(file[251], 2) << "DebtCount comes from NumDebts";
    EXPECT_EQ(file, bytesOf(s.SavedPlan)) << "SavedPlan is what was written";
    EXPECT_FALSE(s.ChangedData());
    EXPECT_EQ(fs::status(path()).permissions(), fs::perms(0600));
}

TEST_F(PlanFileStoreTest, SaveWritesInPlaceAndSaveAsAppends) {
    writeFile(path(), dataFileOf(3));
    PlanState s = editing(namedPlan("Plan 1"), 1);
    s.ActivePlan.ExtraPayment = 75;
    ASSERT_TRUE(store().SaveAClient(s, false, boxes, nullptr, "Zelvane"));
    std::string file = readFile(path());
    ASSERT_EQ(file.size(), 3 * kRec);
    EXPECT_EQ(recordAt(file, 1), bytesOf(s.ActivePlan));
    EXPECT_EQ(recordAt(file, 0), recordAt(dataFileOf(3), 0));
    EXPECT_EQ(recordAt(file, 2), recordAt(dataFileOf(3), 2));

    s.ActivePlan.PlanName.setText("Plan 1 copy");
    ASSERT_TRUE(store().SaveAClient(s, true, boxes, nullptr, "Zelvane"));
    EXPECT_EQ(s.PlanIndex, 3);
    file = readFile(path());
    EXPECT_EQ(listedNames(),
              (std::vector<std::string>{"0:Plan 0", "1:Plan 1", "2:Plan 2", "3:Plan 1 copy"}));
}

TEST_F(PlanFileStoreTest, InPlaceSaveBeyondTheEndAppendsInsteadOfLeavingAGap) {
    writeFile(path(), dataFileOf(2));
    PlanState s = editing(namedPlan("Far away"), 9);
    ASSERT_TRUE(store().SaveAClient(s, false, boxes, nullptr, "Zelvane"));
    EXPECT_EQ(s.PlanIndex, 2);
    EXPECT_EQ(fs::file_size(path()), 3 * kRec);
}

TEST_F(PlanFileStoreTest, TrailingPartialRecordIsIgnoredAndDroppedOnTheNextWrite) {
    writeFile(path(), dataFileOf(2) + std::string(100, '\x7f'));
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"0:Plan 0", "1:Plan 1"}));

    PlanState s;
    EXPECT_EQ(store().GetTheClient(1, s), LoadResult::Loaded);
    EXPECT_EQ(s.ActivePlan.PlanName.text(), "Plan 1");
    EXPECT_EQ(store().GetTheClient(2, s), LoadResult::LoadedRecordZero);

    s.ActivePlan = namedPlan("New");
    ASSERT_TRUE(store().SaveAClient(s, true, boxes, nullptr, "Zelvane"));
    EXPECT_EQ(s.PlanIndex, 2);
    EXPECT_EQ(fs::file_size(path()), 3 * kRec);
}

TEST_F(PlanFileStoreTest, ListingAMissingFileGivesAnEmptyList) {
    EXPECT_TRUE(store().LoadInClients().empty());
    fs::create_directories(path());
    EXPECT_TRUE(store().LoadInClients().empty()) << "a folder in the file's place";
}

TEST_F(PlanFileStoreTest, PlanNamesAreListedAsUtf8AndDuplicatesAreKept) {
    TClientRec a = namedPlan("Müller");
    TClientRec b = namedPlan("Müller");
    b.ExtraPayment = 5;
    writeFile(path(), bytesOf(a) + bytesOf(b));
    EXPECT_EQ(readFile(path())[189], '\x4d');
    EXPECT_EQ(readFile(path())[190], '\xfc') << "stored as Windows-1252";
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"0:Müller", "1:Müller"}));
    PlanState s;
    ASSERT_EQ(store().GetTheClient(1, s), LoadResult::Loaded);
    EXPECT_EQ(+s.ActivePlan.ExtraPayment, 5);
}

TEST_F(PlanFileStoreTest, LoadingTakesPasswordAndDebtCountFromTheRecord) {
    TClientRec rec = namedPlan("Plan", 3);
    rec.Password.setText("Secret");
    rec.DebtSortOrder = 2;
    writeFile(path(), bytesOf(namedPlan("First")) + bytesOf(rec));
    PlanState s;
    s.PlanIndex = 1;
    ASSERT_EQ(store().GetTheClient(1, s), LoadResult::Loaded);
    EXPECT_EQ(s.PlanIndex, 1);
    EXPECT_EQ(s.NumDebts, 3);
    EXPECT_EQ(s.PlanPassword, "Secret");
    EXPECT_EQ(+s.ActivePlan.DebtSortOrder, 2) << "a 4.0 record is not repaired";
    EXPECT_EQ(bytesOf(s.SavedPlan), bytesOf(rec));
    EXPECT_EQ(bytesOf(s.ActivePlan), bytesOf(rec));
}

TEST_F(PlanFileStoreTest, ADamagedDebtCountIsLimitedToTheFiftySlots) {
    TClientRec rec = namedPlan("Damaged");
    rec.DebtCount = 777;
    writeFile(path(), bytesOf(rec));
    PlanState s;
    ASSERT_EQ(store().GetTheClient(0, s), LoadResult::Loaded);
    EXPECT_EQ(s.NumDebts, 50);
}

TEST_F(PlanFileStoreTest, LastIndexBeyondTheEndOpensRecordZero) {
    writeFile(path(), dataFileOf(2));
    PlanState s;
    s.PlanIndex = 5;
    EXPECT_EQ(store().GetTheClient(5, s), LoadResult::LoadedRecordZero);
    EXPECT_EQ(s.PlanIndex, 0);
    EXPECT_EQ(s.ActivePlan.PlanName.text(), "Plan 0");
}

TEST_F(PlanFileStoreTest, FailedLoadsLeaveThePlansAlone) {
    PlanState s;
    s.ActivePlan = namedPlan("Shown");
    s.PlanIndex = 3;
    EXPECT_EQ(store().GetTheClient(3, s), LoadResult::NotOpened) << "no file";
    EXPECT_EQ(s.PlanIndex, 3);

    writeFile(path(), std::string(100, 'x'));
    EXPECT_EQ(store().GetTheClient(0, s), LoadResult::Failed);
    EXPECT_EQ(store().GetTheClient(3, s), LoadResult::Failed);
    EXPECT_EQ(s.PlanIndex, 0) << "the fall-back to record 0 was tried";
    EXPECT_EQ(s.ActivePlan.PlanName.text(), "Shown");
}

TEST_F(PlanFileStoreTest, RecordsOlderThan32AreRepairedInMemoryUntilTheNextSave) {
    TClientRec old = namedPlan("Old plan", 1);
    old.Version.setBytes("3.1");
    old.Password.setText("pw");
    old.DebtSortOrder = 3;
    writeFile(path(), bytesOf(old));

    PlanState s;
    s.PlanIndex = 0;
    ASSERT_EQ(store().GetTheClient(0, s), LoadResult::Loaded);
    EXPECT_EQ(s.ActivePlan.Password.bytes(), "");
    EXPECT_EQ(+s.ActivePlan.DebtSortOrder, 0);
    EXPECT_EQ(s.PlanPassword, "");
    EXPECT_EQ(s.SavedPlan.Password.bytes(), "pw") << "SavedPlan keeps the stored values";
    EXPECT_FALSE(s.ChangedData()) << "the repair is not a change";
    EXPECT_EQ(readFile(path()), bytesOf(old)) << "loading writes nothing";

    ASSERT_TRUE(store().SaveAClient(s, false, boxes, nullptr, "Zelvane"));
    PlanState again;
    ASSERT_EQ(store().GetTheClient(0, again), LoadResult::Loaded);
    EXPECT_EQ(again.SavedPlan.Version.bytes(), "4.0");
    EXPECT_EQ(again.SavedPlan.Password.bytes(), "");
    EXPECT_EQ(+again.SavedPlan.DebtSortOrder, 0);
}

TEST(DataFileVersion, ReadsTheVersionTextWithAPointWhateverTheLocale) {
    const struct {
        const char* text;
        double value;
        bool repaired;
    } cases[] = {
        {"4.0", 4.0, false}, {"3.2", 3.2, false}, {"3.19", 3.19, true}, {"3.1", 3.1, true},
        {"", 0, true},       {"abc", 0, true},    {"4,0", 0, true},     {" 3.5 ", 3.5, false},
        {"+4", 4, false},    {"4.", 4, false},    {".5", 0.5, true},    {"1e1", 10, false},
        {"4.0x", 0, true},   {"inf", 0, true},    {"-4", -4, true},     {"3.20", 3.2, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(plan::DataFileVersion(c.text), c.value) << '"' << c.text << '"';
        TClientRec rec = namedPlan("x");
        rec.Version.setBytes(c.text);
        EXPECT_EQ(plan::needsOldRecordRepair(rec), c.repaired) << '"' << c.text << '"';
    }
}

TEST_F(PlanFileStoreTest, DeletingTheLastRecordMovesNothing) {
    const std::string before = dataFileOf(3);
    writeFile(path(), before);
    PlanState s;
    s.PlanIndex = 1;
    ASSERT_EQ(store().deleteRecord(2, s, boxes, nullptr), DeleteResult::Deleted);
    EXPECT_EQ(readFile(path()), before.substr(0, 2 * kRec));
    EXPECT_EQ(s.PlanIndex, 1);
}

TEST_F(PlanFileStoreTest, DeletingRecordZeroMovesTheOthersDown) {
    const std::string before = dataFileOf(3);
    writeFile(path(), before + "tail");
    PlanState s;
    s.PlanIndex = 2;
    ASSERT_EQ(store().deleteRecord(0, s, boxes, nullptr), DeleteResult::Deleted);
    EXPECT_EQ(readFile(path()), before.substr(kRec));
    EXPECT_EQ(s.PlanIndex, 1) << "the open plan stays attached to its record";
}

TEST_F(PlanFileStoreTest, DeletingTheOpenPlanDetachesIt) {
    writeFile(path(), dataFileOf(3));
    PlanState s;
    s.PlanIndex = 1;
    ASSERT_EQ(store().deleteRecord(1, s, boxes, nullptr), DeleteResult::Deleted);
    EXPECT_EQ(s.PlanIndex, -1);
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"0:Plan 0", "1:Plan 2"}));

    ASSERT_EQ(store().deleteRecord(0, s, boxes, nullptr), DeleteResult::Deleted);
    ASSERT_EQ(store().deleteRecord(0, s, boxes, nullptr), DeleteResult::Deleted);
    EXPECT_EQ(fs::file_size(path()), 0u) << "the last plan deleted leaves an empty file";
    EXPECT_EQ(s.PlanIndex, -1);
}

TEST_F(PlanFileStoreTest, DeletingARecordThatIsNotThereChangesNothing) {
    const std::string before = dataFileOf(2);
    writeFile(path(), before);
    PlanState s;
    s.PlanIndex = 1;
    EXPECT_EQ(store().deleteRecord(2, s, boxes, nullptr), DeleteResult::NoSuchRecord);
    EXPECT_EQ(store().deleteRecord(-1, s, boxes, nullptr), DeleteResult::NoSuchRecord);
    EXPECT_EQ(readFile(path()), before);
    EXPECT_EQ(s.PlanIndex, 1);
}

TEST_F(PlanFileStoreTest, DeletingFromAMissingFileShowsTheDiskError) {
    boxes.expect("Disk Error", "Unable to delete Debt Information.", MsgIcon::Warning);
    PlanState s;
    s.PlanIndex = 0;
    EXPECT_EQ(store().deleteRecord(0, s, boxes, nullptr), DeleteResult::NotOpened);
    EXPECT_EQ(s.PlanIndex, 0);
}

TEST_F(PlanFileStoreTest, ASaveThatCannotWriteReportsAndKeepsTheState) {
    const std::string missing = (dir / "no folder" / "Debts4.dat").string();
    boxes.expect("Zelvane Error",
                 "Unable to save debt information due to the following error:\r\n"
                 "No such file or directory\r\n" +
                     missing,
                 MsgIcon::Warning);
    PlanState s = editing(namedPlan("Plan"), -1);
    s.ActivePlan.ExtraPayment = 10;
    EXPECT_FALSE(PlanFileStore(missing).SaveAClient(s, true, boxes, nullptr, "Zelvane"));
    EXPECT_EQ(s.PlanIndex, -1);
    EXPECT_TRUE(s.ChangedData()) << "SavedPlan was not updated";
}

TEST_F(PlanFileStoreTest, ASaveThatFailsPartWayLeavesTheOldFileIntact) {
    const std::string before = dataFileOf(3);
    writeFile(path(), before);
    // Room for the old file, not for the new one with a fourth record.
    const auto child = testing_support::runWithFileSizeLimit(3 * kRec + kRec / 2, [&] {
        RecordingBoxes recorded;
        PlanState s = editing(namedPlan("Fourth"), -1);
        const bool ok = store().SaveAClient(s, true, recorded, nullptr, "Zelvane");
        if (recorded.shown.size() != 1)
            return 3;
        testing_support::reportToParent(recorded.shown[0].caption + "|" + recorded.shown[0].text);
        return ok || s.PlanIndex != -1 ? 2 : 0;
    });
    EXPECT_EQ(child.exitCode, 0);
    EXPECT_EQ(child.message,
              "Zelvane Error|Unable to save debt information due to the following error:\r\n"
              "File too large\r\n" +
                  path());
    EXPECT_EQ(readFile(path()), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST_F(PlanFileStoreTest, ASaveKilledMidwayLeavesEitherTheOldOrTheNewPlans) {
    const int count = 150;
    const std::string before = dataFileOf(count);
    writeFile(path(), before);
    for (unsigned round = 0; round < 8; ++round) {
        const auto child = testing_support::killWhileRunning(
            [&] {
                RecordingBoxes recorded;
                PlanState s = editing(namedPlan("Plan 70"), 70);
                for (int generation = 1;; ++generation) {
                    s.ActivePlan.ExtraPayment = generation;
                    if (!store().SaveAClient(s, false, recorded, nullptr, "Zelvane"))
                        return 2;
                    if (generation == 1)
                        testing_support::reportToParent("r");
                }
            },
            1000 + round * 2500);
        ASSERT_EQ(child.signal, SIGKILL);
        const std::string now = readFile(path());
        ASSERT_EQ(now.size(), before.size());
        for (int k = 0; k < count; ++k) {
            if (k == 70)
                continue;
            ASSERT_EQ(recordAt(now, k), recordAt(before, k)) << "record " << k;
        }
        // Record 70 is one whole generation of the edited plan.
        TClientRec rec;
        std::memcpy(&rec, now.data() + 70 * kRec, kRec);
        TClientRec expected = namedPlan("Plan 70");
        expected.ExtraPayment = rec.ExtraPayment;
        EXPECT_GE(+rec.ExtraPayment, 1.0);
        EXPECT_EQ(bytesOf(rec), bytesOf(expected));
        EXPECT_EQ(nameAt(now, 70), "Plan 70");
    }
}

}  // namespace
