// The plan of the last run comes up when the window is first shown, and a picture of the
// window with the sample plans has something on it.

#include <QImage>
#include <QPixmap>
#include <set>

#include "main_win_fixture.h"

// Expected boxes name only the members that matter; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include "plan/plan_file_io.h"

namespace ui_testing {
namespace {

class MainWinStartPlanTest : public MainWinTest {
  protected:
    void setLastIndex(int index) {
        platform::RegistryKey k(registry, platform::RegRoot::CurrentUser);
        ASSERT_TRUE(k.openKey("Software\\Quorvale\\Zelvane\\MainForm", true));
        k.writeInteger("Last Index", index);
        k.closeKey();
    }
    void writePlans(const std::vector<plan::TClientRec>& plans) {
        std::string bytes;
        for (const plan::TClientRec& p : plans)
            bytes += plan::recordBytes(p);
        fs::create_directories(fs::path(dataFile()).parent_path());
        testing_support::writeFile(dataFile(), bytes);
    }
    static plan::TClientRec named(plan::TClientRec p, const char* name) {
        p.PlanName.setText(name);
        return p;
    }
};

TEST_F(MainWinStartPlanTest, LoadsThePlanOfLastIndexAndShowsIt) {
    writePlans({named(planWith({{"Visa"}}), "First"),
                named(planWith({{"Car", 8000}, {"Loan", 2000}}, 2), "Second")});
    setLastIndex(1);
    start();
    const plan::PlanState& s = window->planState();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zelvane  (Second)"));
    EXPECT_EQ(+s.PlanIndex, 1);
    EXPECT_EQ(+s.NumDebts, 2);
    EXPECT_EQ(text("lblDebtCount"), "(2 Debts)");
    EXPECT_EQ(text("lblTotalBalance"), "$10,000.00");
    EXPECT_EQ(+window->config().LastReductionPlan, 1);
    EXPECT_EQ(find<QComboBox>("cmbxReductionPlan")->currentIndex(), 1);
    EXPECT_FALSE(find<QFrame>("pnlLoanConsolidation")->isHidden());
    EXPECT_TRUE(find<QFrame>("pnlDebtReductionSchedule")->isHidden());
    EXPECT_FALSE(s.ChangedData());

    // Closing without a change asks nothing and keeps the index for the next run.
    window->close();
    EXPECT_TRUE(boxes.shown().empty());
    start();
    EXPECT_EQ(+window->planState().PlanIndex, 1);
}

TEST_F(MainWinStartPlanTest, YesAtTheCloseQuestionSavesTheStoredPlanInPlace) {
    writePlans({named(planWith({{"Visa"}}), "First"), named(planWith({{"Car"}}), "Second")});
    setLastIndex(1);
    start();
    find<QLineEdit>("edtProvidedFor")->setText(QStringLiteral("Pat Doe"));
    boxes.expect({.text = "Debt information has changed.  Save information first?",
                  .answer = platform::MsgAnswer::Yes});
    window->close();
    EXPECT_FALSE(window->isVisible());
    const plan::FileHandle file = plan::openForReading(dataFile());
    ASSERT_EQ(plan::recordCountOf(file), 2);
    plan::TClientRec stored = plan::zeroClientRec();
    ASSERT_TRUE(plan::readRecord(file, 1, stored));
    EXPECT_EQ(stored.ProvidedFor.text(), "Pat Doe");
    EXPECT_EQ(stored.PlanName.text(), "Second");
    ASSERT_TRUE(plan::readRecord(file, 0, stored));
    EXPECT_EQ(stored.ProvidedFor.text(), "");
}

TEST_F(MainWinStartPlanTest, YesForAPlanNeverStoredGoesToSaveAs) {
    start();
    int saveAsCalls = 0;
    window->saveAs = [&] {
        ++saveAsCalls;
        return false;  // the dialog was cancelled
    };
    find<QLineEdit>("edtProvidedBy")->setText(QStringLiteral("Me"));
    boxes.expect({.text = "Debt information has changed.  Save information first?",
                  .answer = platform::MsgAnswer::Yes});
    window->close();
    EXPECT_EQ(saveAsCalls, 1);
    EXPECT_TRUE(window->isVisible());  // nothing saved: the close stops
}

TEST_F(MainWinStartPlanTest, AnIndexPastTheEndLoadsTheFirstPlan) {
    writePlans({named(planWith({{"Visa"}}), "Only")});
    setLastIndex(4);
    start();
    EXPECT_EQ(+window->planState().PlanIndex, 0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zelvane  (Only)"));
}

TEST_F(MainWinStartPlanTest, NegativeIndexLoadsNothingButTakesTheFirstPassword) {
    plan::TClientRec locked = named(planWith({{"Visa"}}), "Locked");
    locked.Password.setBytes("secret");
    writePlans({named(planWith({}), "Open"), locked});
    setLastIndex(-1);
    start();
    const plan::PlanState& s = window->planState();
    EXPECT_EQ(+s.PlanIndex, -1);
    EXPECT_EQ(+s.NumDebts, 0);
    EXPECT_EQ(s.PlanPassword, "secret");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zelvane"));
}

TEST_F(MainWinStartPlanTest, WithoutADataFileANewPlanIsShown) {
    start();
    const plan::PlanState& s = window->planState();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zelvane"));
    EXPECT_EQ(+s.NumDebts, 0);
    EXPECT_EQ(+s.ActivePlan.StartMonth, 3);
    EXPECT_EQ(+s.ActivePlan.StartYear, 2027);
    EXPECT_EQ(find<QComboBox>("cmbxStartMonth")->currentText(), QStringLiteral("March"));
    EXPECT_EQ(find<QLineEdit>("edtStartYear")->text(), QStringLiteral("2027"));
    EXPECT_EQ(find<QLineEdit>("edtTimedMonths")->text(), QStringLiteral("24"));
    EXPECT_EQ(find<QLineEdit>("edtConNewRate")->text(), QStringLiteral("8.0000"));
    EXPECT_EQ(text("lblDebtCount"), "(0 Debts)");
}

TEST_F(MainWinStartPlanTest, TheSamplePlanIsDrawn) {
    testing_support::writeFile(programFolder() + "Debts4SampleData.dat",
                               testing_support::readFile(DEBT_SAMPLE_DATA_FILE));
    start();
    ASSERT_GT(window->planState().NumDebts, 0);
    auto* list = find<QListWidget>("lstbxDebt");
    // Rows are as high as the "Debt Info Font" plus 4 pixels.
    EXPECT_EQ(list->visualItemRect(list->item(0)).height(),
              QFontMetrics(list->font()).height() + 4);
    const QImage image = list->grab().toImage();
    ASSERT_FALSE(image.isNull());
    std::set<QRgb> colours;
    int grey = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            colours.insert(c);
            if (qRed(c) == 128 && qGreen(c) == 128 && qBlue(c) == 128)
                ++grey;
        }
    }
    EXPECT_GT(colours.size(), 4u);                      // text, lines, selection, background
    EXPECT_GT(grey, 6 * window->planState().NumDebts);  // the grid lines of every row
    EXPECT_FALSE(window->grab().toImage().isNull());
}

// Every sample plan comes up as stored: its fields pass the checks and reading the screen
// back changes nothing, so closing asks no question.
TEST_F(MainWinStartPlanTest, EverySamplePlanRoundTripsThroughTheScreen) {
    const std::string samples = testing_support::readFile(DEBT_SAMPLE_DATA_FILE);
    const int count = static_cast<int>(samples.size() / plan::kClientRecSize);
    ASSERT_GT(count, 0);
    fs::create_directories(fs::path(dataFile()).parent_path());
    testing_support::writeFile(dataFile(), samples);
    for (int k = 0; k < count; ++k) {
        setLastIndex(k);
        start();
        EXPECT_EQ(+window->planState().PlanIndex, k);
        EXPECT_TRUE(window->PutScreenToClient()) << "plan " << k;
        EXPECT_FALSE(window->planState().ChangedData()) << "plan " << k;
        window->close();
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
}  // namespace ui_testing
