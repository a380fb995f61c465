#include "ui/debt_entry/frm_debt_entry.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QtTest/QTest>
#include <cstdlib>
#include <cstring>
#include <set>

#include "debt_entry_fixture.h"
#include "ui/debt_entry/run_debt_entry.h"

namespace {

using platform::MsgAnswer;
using platform::MsgIcon;
using testing_support::DebtEntryFixture;
using testing_support::enterValidDebt;

QPushButton* button(DebtEntryFixture& f, const char* name) {
    auto* b = f.form->findChild<QPushButton*>(QString::fromUtf8(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}
void clickOK(DebtEntryFixture& f) {
    QTest::mouseClick(button(f, "btnOK"), Qt::LeftButton);
}

class DebtEntryForm : public ::testing::Test {
  protected:
    void SetUp() override {
        f.addDebt({"Visa", 1000, 12, 2.75, 60, 1, true, 15});
        f.addDebt({"Car", 5000, 6.5, 100, 120, 1, false, 3});
        f.addDebt({"Store", 300, 0.05, 10, 10, 4, false, 28});
    }
    DebtEntryFixture f;
};

TEST_F(DebtEntryForm, LoadsTheDebtIntoItsControls) {
    f.open(2);
    EXPECT_EQ(f.form->windowTitle(), QStringLiteral("Enter Debt Information"));
    EXPECT_EQ(f.text("edtDebtName"), QStringLiteral("Car"));
    EXPECT_EQ(f.text("edtBalance"), QStringLiteral("5,000.00"));
    EXPECT_EQ(f.text("edtMinPay"), QStringLiteral("100.00"));
    EXPECT_EQ(f.text("edtCurPay"), QStringLiteral("120.00"));
    EXPECT_EQ(f.text("edtIntRate"), QStringLiteral("6.5000"));
    EXPECT_EQ(f.text("edtPayDate"), QStringLiteral("3"));
    EXPECT_EQ(f.form->findChild<QLabel*>(QStringLiteral("lblDebtNumber"))->text(),
              QStringLiteral("Debt #2"));
    EXPECT_FALSE(f.edit("edtPriority")->isEnabled());  // not "User Specified"
    EXPECT_EQ(f.edit("edtDebtName")->maxLength(), 17);
    EXPECT_EQ(f.edit("edtBalance")->maxLength(), 12);
    EXPECT_EQ(f.edit("edtPayDate")->maxLength(), 2);
    EXPECT_FALSE(f.form->ChangedDebtData());

    f.form->LastDebt();
    EXPECT_EQ(f.text("edtIntRate"), QStringLiteral("0.05000"));  // "Daily": 5 decimals
    EXPECT_EQ(f.form->findChild<QComboBox*>(QStringLiteral("cmbxRateMethod"))->currentText(),
              QStringLiteral("Daily"));
}

TEST_F(DebtEntryForm, CurrencyInFieldsFollowsTheGridSetting) {
    f.services.currencyStringScreenGrids = true;
    f.open(2);
    EXPECT_EQ(f.text("edtBalance"), QStringLiteral("$5,000.00"));
    EXPECT_EQ(f.text("edtIntRate"), QStringLiteral("6.5000"));
}

TEST_F(DebtEntryForm, PercentageShowsWholeAndIsStoredAsShownAfterAnotherChange) {
    f.open(1);
    EXPECT_EQ(f.text("edtMinPay"), QStringLiteral("3%"));
    EXPECT_EQ(+f.debt(1).MinPayment, 2.75);
    f.put("edtDebtName", "Visa Gold");
    clickOK(f);
    EXPECT_TRUE(f.form->accepted());
    EXPECT_EQ(+f.debt(1).MinPayment, 3.0);
    EXPECT_EQ(+f.debt(1).MinPayIsPercent, 1);
    EXPECT_EQ(f.debt(1).Name.text(), "Visa Gold");
}

TEST_F(DebtEntryForm, MinimumPercentageLimits) {
    struct Case {
        const char* text;
        bool accepted;
    };
    for (const Case& c : {Case{"0%", false}, Case{"101%", false}, Case{"%", false},
                          Case{"100%", true}, Case{"1%", true}}) {
        f.open(2);
        f.put("edtMinPay", c.text);
        f.put("edtCurPay", "5,000.00");
        if (!c.accepted)
            f.boxes.expect("Error",
                           "Invalid minimum payment percentage specified. Percentage must be "
                           "between 1 and 100.",
                           MsgIcon::Warning);
        const bool stored = f.form->DoUpdate();
        EXPECT_EQ(stored, c.accepted) << c.text;
        if (!c.accepted) {
            EXPECT_EQ(f.form->focusWidget(), f.edit("edtMinPay")) << c.text;
        }
        EXPECT_TRUE(f.boxes.allAnswered()) << c.text;
    }
    EXPECT_EQ(+f.debt(2).MinPayment, 1.0);
    EXPECT_EQ(+f.debt(2).MinPayIsPercent, 1);
}

TEST_F(DebtEntryForm, FieldMessagesCaptionsAndFocus) {
    struct Case {
        const char* field;
        const char* text;
        const char* caption;
        const char* message;
    };
    const Case cases[] = {
        {"edtMinPay", "1.2.3", "Error", "Invalid minimum payment specified. Please correct."},
        {"edtCurPay", "12x", "Error", "Invalid current payment specified. Please correct."},
        {"edtBalance", "-5", "Error", "Invalid balance specified. Please correct."},
        {"edtIntRate", "abc", "Zelvane Error", "Invalid interest rate specified. Please correct."},
        {"edtPayDate", "0", "Error", "Invalid payment due day specified. Please correct."},
        {"edtPayDate", "29", "Error", "Invalid payment due day specified. Please correct."},
        {"edtPayDate", "31", "Error", "Invalid payment due day specified. Please correct."},
        {"edtPayDate", "", "Error", "Invalid payment due day specified. Please correct."},
    };
    for (const Case& c : cases) {
        f.open(2);
        const plan::TDebtRec before = f.debt(2);
        f.put(c.field, c.text);
        f.boxes.expect(c.caption, c.message, MsgIcon::Warning);
        clickOK(f);
        EXPECT_TRUE(f.form->isVisible()) << c.field << " " << c.text;
        EXPECT_FALSE(f.form->accepted());
        EXPECT_EQ(f.form->focusWidget(), f.edit(c.field)) << c.field << " " << c.text;
        EXPECT_EQ(std::memcmp(&before, &f.debt(2), sizeof before), 0) << "nothing stored";
        EXPECT_TRUE(f.boxes.allAnswered());
    }
}

TEST_F(DebtEntryForm, DueDayTwentyEightIsAccepted) {
    f.open(2);
    f.put("edtPayDate", "28");
    clickOK(f);
    EXPECT_TRUE(f.form->accepted());
    EXPECT_EQ(+f.debt(2).PayDay, 28);
}

TEST_F(DebtEntryForm, BalanceInParenthesesIsRead) {
    f.open(2);
    f.put("edtBalance", "(1,234.50)");
    f.put("edtMinPay", "50");
    clickOK(f);
    EXPECT_TRUE(f.form->accepted());
    EXPECT_EQ(+f.debt(2).Balance, 1234.50);
}

TEST_F(DebtEntryForm, MinimumMustRepayTheDebt) {
    struct Case {
        const char* minPay;
        const char* message;  // nullptr: stored
        MsgIcon icon;
    };
    const Case cases[] = {
        {"10.00",
         "The minimum payment as specified for \"Loan\" can never repay the loan. You MUST "
         "correct it before proceeding.",
         MsgIcon::Question},
        {"10.01",
         "The minimum payment as specified for \"Loan\" will not repay the loan in within a 30 "
         "year period. You MUST correct it before proceeding.",
         MsgIcon::Warning},
        {"10.50", nullptr, MsgIcon::None},
    };
    for (const Case& c : cases) {
        f.open(2);
        f.put("edtDebtName", "  Loan ");
        f.put("edtBalance", "1,000.00");
        f.put("edtIntRate", "12");
        f.put("edtMinPay", c.minPay);
        f.put("edtCurPay", "10.50");
        if (c.message)
            f.boxes.expect("Error", c.message, c.icon);
        clickOK(f);
        EXPECT_EQ(f.form->accepted(), c.message == nullptr) << c.minPay;
        if (c.message) {
            EXPECT_EQ(f.form->focusWidget(), f.edit("edtMinPay"));
        }
        EXPECT_TRUE(f.boxes.allAnswered());
    }
    EXPECT_EQ(+f.debt(2).MinPayment, 10.50);
    EXPECT_EQ(f.debt(2).Name.text(), "Loan");
}

TEST_F(DebtEntryForm, CurrentPaymentBelowMinimumIsRefused) {
    f.open(2);
    f.put("edtMinPay", "2%");  // 100.00 of 5,000.00
    f.put("edtCurPay", "99.99");
    f.boxes.expect("Error",
                   "The current payment as specified for \"Car\" cannot be less than the minimum "
                   "payment. You MUST correct it before proceeding.",
                   MsgIcon::Warning);
    clickOK(f);
    EXPECT_FALSE(f.form->accepted());
    EXPECT_EQ(f.form->focusWidget(), f.edit("edtCurPay"));
}

// Records what the form's help topic is while a box is open.
class TopicRecordingBoxes final : public platform::MessageBoxes {
  public:
    TopicRecordingBoxes(platform::MessageBoxes& inner, ui::TfrmDebtEntry*& form)
        : inner_(inner), form_(form) {}
    platform::MsgAnswer show(const platform::MessageBoxRequest& r) override {
        topics.push_back(form_->helpTopic());
        return inner_.show(r);
    }
    std::vector<std::string> topics;

  private:
    platform::MessageBoxes& inner_;
    ui::TfrmDebtEntry*& form_;
};

TEST_F(DebtEntryForm, SmallMonthlyRateAsksAndYesKeepsTheFormOpen) {
    ui::TfrmDebtEntry* current = nullptr;
    TopicRecordingBoxes recording(f.boxes, current);
    f.services.boxes = &recording;
    current = &f.open(2);
    auto* kind = f.form->findChild<QComboBox*>(QStringLiteral("cmbxRateMethod"));
    f.put("edtIntRate", "0.05");
    kind->setCurrentIndex(2);  // "Monthly"
    testing_support::ExpectedBox box;
    box.caption = "Zelvane Error";
    box.textContains =
        "equivalent of 0.60000000% APR. This rate seems too small.\r\nThe Monthly interest rate "
        "should be the annual interest rate divided by 12.\r\n";
    box.icon = MsgIcon::Warning;
    box.buttons = platform::MsgButtons::YesNo;
    box.answer = MsgAnswer::Yes;
    f.boxes.expect(box);
    clickOK(f);
    EXPECT_FALSE(f.form->accepted());
    EXPECT_EQ(f.form->focusWidget(), f.edit("edtIntRate"));
    EXPECT_EQ(+f.debt(2).Rate, 6.5);
    ASSERT_EQ(recording.topics.size(), 1u);
    EXPECT_EQ(recording.topics[0], "Enter_Debt_Information.htm#Interest_Rates");
    EXPECT_EQ(f.form->helpTopic(), "Enter_Debt_Information.htm");

    box.answer = MsgAnswer::No;
    f.boxes.expect(box);
    clickOK(f);
    EXPECT_TRUE(f.form->accepted());
    EXPECT_EQ(+f.debt(2).Rate, 0.05);
    EXPECT_EQ(+f.debt(2).RateKind, 3);
}

TEST_F(DebtEntryForm, ReasonableMonthlyRateDoesNotAsk) {
    f.open(2);
    f.put("edtIntRate", "1.5");
    f.form->findChild<QComboBox*>(QStringLiteral("cmbxRateMethod"))->setCurrentIndex(2);
    clickOK(f);
    EXPECT_TRUE(f.form->accepted());
    EXPECT_TRUE(f.boxes.shown().empty());
}

TEST_F(DebtEntryForm, ChangingOnlyTheRateKindCountsAsAChange) {
    f.open(2);
    f.form->findChild<QComboBox*>(QStringLiteral("cmbxRateMethod"))->setCurrentIndex(1);
    EXPECT_TRUE(f.form->ChangedDebtData());
    clickOK(f);
    EXPECT_EQ(+f.debt(2).RateKind, 2);
}

TEST_F(DebtEntryForm, UserSpecifiedPriorityIsCheckedAndStored) {
    f.state.ActivePlan.PriorityMethod = 10;
    f.open(2);
    EXPECT_TRUE(f.edit("edtPriority")->isEnabled());
    f.put("edtPriority", "0");
    f.boxes.expect("Error", "Invalid priority specified. Please correct.", MsgIcon::Warning);
    clickOK(f);
    EXPECT_EQ(f.form->focusWidget(), f.edit("edtPriority"));
    f.put("edtPriority", "7");
    clickOK(f);
    EXPECT_TRUE(f.form->accepted());
    EXPECT_EQ(+f.debt(2).Priority, 7);
}

TEST_F(DebtEntryForm, StoredDebtGetsPrioritiesDerivedAgain) {
    f.open(3);
    f.put("edtIntRate", "30");  // "Daily" 30 % is the highest rate now
    f.put("edtMinPay", "100");
    f.put("edtCurPay", "100");
    f.form->findChild<QComboBox*>(QStringLiteral("cmbxRateMethod"))->setCurrentIndex(0);
    clickOK(f);
    ASSERT_TRUE(f.form->accepted());
    EXPECT_EQ(+f.debt(3).Priority, 1);  // "Highest Rate First"
    EXPECT_EQ(+f.debt(1).Priority, 2);
    EXPECT_EQ(+f.debt(2).Priority, 3);
    EXPECT_EQ(f.changes, 1);
}

TEST_F(DebtEntryForm, OkOnNewDebtCountsIt) {
    f.open(0);
    EXPECT_TRUE(f.form->adding());
    EXPECT_EQ(f.text("edtBalance"), QStringLiteral("0.00"));
    EXPECT_EQ(f.text("edtIntRate"), QStringLiteral("0.0000"));
    EXPECT_EQ(f.text("edtPayDate"), QStringLiteral("1"));
    enterValidDebt(f, "Phone");
    clickOK(f);
    EXPECT_TRUE(f.form->accepted());
    EXPECT_FALSE(f.form->isVisible());
    EXPECT_EQ(f.state.NumDebts, 4);
    EXPECT_EQ(f.debt(4).Name.text(), "Phone");
    EXPECT_EQ(+f.debt(4).Balance, 1000.0);
    EXPECT_EQ(+f.debt(4).SpareByte, 0);
    EXPECT_GE(f.changes, 1);
}

TEST_F(DebtEntryForm, OkOnUntouchedNewDebtStillCountsTheSlot) {
    f.open(0);
    clickOK(f);
    EXPECT_TRUE(f.form->accepted());
    EXPECT_EQ(f.state.NumDebts, 4);
    EXPECT_TRUE(f.boxes.shown().empty());
}

TEST_F(DebtEntryForm, CancelStoresNothing) {
    f.open(2);
    const plan::TClientRec before = f.state.ActivePlan;
    f.put("edtBalance", "1.00");
    QTest::mouseClick(button(f, "btnCancel"), Qt::LeftButton);
    EXPECT_FALSE(f.form->isVisible());
    EXPECT_FALSE(f.form->accepted());
    EXPECT_EQ(std::memcmp(&before, &f.state.ActivePlan, sizeof before), 0);
    EXPECT_EQ(f.changes, 0);
}

TEST_F(DebtEntryForm, SaveAndExitMenuIsOk) {
    f.open(2);
    f.put("edtBalance", "4,000.00");
    f.form->findChild<QAction*>(QStringLiteral("mnuSaveExit"))->trigger();
    EXPECT_TRUE(f.form->accepted());
    EXPECT_EQ(+f.debt(2).Balance, 4000.0);
}

TEST_F(DebtEntryForm, KeyFilterDropsKeysWithABeep) {
    f.open(2);
    QLineEdit* balance = f.edit("edtBalance");
    balance->clear();
    balance->setFocus();
    QTest::keyClicks(balance, QStringLiteral("12a.3.4%-"));
    EXPECT_EQ(balance->text(), QStringLiteral("12.34"));
    EXPECT_EQ(f.beeps, 4);

    QLineEdit* minPay = f.edit("edtMinPay");
    minPay->setFocus();
    minPay->clear();
    QTest::keyClicks(minPay, QStringLiteral("5%"));
    EXPECT_EQ(minPay->text(), QStringLiteral("5%"));

    QLineEdit* day = f.edit("edtPayDate");
    day->setFocus();
    day->clear();
    QTest::keyClicks(day, QStringLiteral("2.8"));
    EXPECT_EQ(day->text(), QStringLiteral("28"));
    EXPECT_EQ(f.beeps, 5);

    QLineEdit* name = f.edit("edtDebtName");
    name->setFocus();
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Bank #2"));
    EXPECT_EQ(name->text(), QStringLiteral("Bank #2"));
    EXPECT_EQ(f.beeps, 5);
}

TEST_F(DebtEntryForm, AmountsAreTidiedAfterLeavingTheField) {
    f.services.currencyStringScreenTotals = true;
    f.open(2);
    QLineEdit* balance = f.edit("edtBalance");
    balance->setFocus();
    EXPECT_EQ(balance->text(), QStringLiteral("5000.00"));  // stripped on entry
    EXPECT_EQ(balance->selectedText(), balance->text());
    balance->setText(QStringLiteral("1234.5"));
    QLineEdit* minPay = f.edit("edtMinPay");
    minPay->setFocus();  // leaving the balance starts the timer
    minPay->setText(QStringLiteral("7"));
    f.edit("edtCurPay")->setText(QStringLiteral("12x"));
    EXPECT_EQ(balance->text(), QStringLiteral("1234.5"));  // not yet
    QTest::qWait(450);
    EXPECT_EQ(balance->text(), QStringLiteral("$1,234.50"));
    EXPECT_EQ(minPay->text(), QStringLiteral("7"));         // has the focus: left alone
    EXPECT_EQ(f.text("edtCurPay"), QStringLiteral("12x"));  // not a number: left as typed

    f.edit("edtDebtName")->setFocus();
    minPay->setText(QStringLiteral("5%7"));
    QTest::qWait(450);
    EXPECT_EQ(minPay->text(), QStringLiteral("5%"));
}

TEST_F(DebtEntryForm, EmptyAmountIsTidiedToZero) {
    f.open(2);
    QLineEdit* curPay = f.edit("edtCurPay");
    curPay->setFocus();
    curPay->clear();
    f.edit("edtDebtName")->setFocus();
    auto* timer = f.form->findChild<QTimer*>(QStringLiteral("CalcTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 350);
    QTest::qWait(450);
    EXPECT_EQ(curPay->text(), QStringLiteral("0.00"));
}

TEST_F(DebtEntryForm, F1OpensTheFormsTopic) {
    f.open(2);
    QTest::keyClick(f.edit("edtDebtName"), Qt::Key_F1);
    ASSERT_EQ(f.helpTopics.size(), 1u);
    EXPECT_EQ(f.helpTopics[0], "Enter_Debt_Information.htm");
    f.form->findChild<QAction*>(QStringLiteral("mnuHelp"))->trigger();
    EXPECT_EQ(f.helpTopics.size(), 2u);
    EXPECT_EQ(f.form->findChild<QAction*>(QStringLiteral("mnuHelp"))->text(),
              QStringLiteral("Zelvane &Help..."));
}

TEST_F(DebtEntryForm, EnterIsOkAndEscapeIsCancel) {
    f.open(2);
    f.put("edtBalance", "2,000.00");
    QTest::keyClick(f.edit("edtBalance"), Qt::Key_Return);
    EXPECT_TRUE(f.form->accepted());
    EXPECT_EQ(+f.debt(2).Balance, 2000.0);

    f.open(2);
    f.put("edtBalance", "3,000.00");
    QTest::keyClick(f.edit("edtBalance"), Qt::Key_Escape);
    EXPECT_FALSE(f.form->isVisible());
    EXPECT_EQ(+f.debt(2).Balance, 2000.0);
}

TEST_F(DebtEntryForm, ToolbarLayoutIsRestoredAndSaved) {
    QByteArray saved;
    f.services.saveToolbarLayout = [&saved](const QByteArray& layout) { saved = layout; };
    f.open(2);
    f.form->close();
    EXPECT_FALSE(saved.isEmpty());
    int loads = 0;
    f.services.loadToolbarLayout = [&] {
        ++loads;
        return saved;
    };
    f.open(2);
    EXPECT_EQ(loads, 1);
    f.form->RestoreToolbars();
    EXPECT_TRUE(f.form->findChild<QToolBar*>(QStringLiteral("tbNavigate"))->isVisible());
}

TEST(DebtEntryRun, ReturnsWhetherClosedWithOk) {
    DebtEntryFixture f;
    f.addDebt({"Visa", 1000, 12, 50, 60, 1, false, 15});
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("frmDebtEntry") && w->isVisible()) {
                w->findChild<QLineEdit*>(QStringLiteral("edtDebtName"))
                    ->setText(QStringLiteral("Mastercard"));
                QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnOK")),
                                  Qt::LeftButton);
            }
        }
    });
    EXPECT_TRUE(ui::runDebtEntry(nullptr, f.state, 1, f.services));
    EXPECT_EQ(f.debt(1).Name.text(), "Mastercard");
    EXPECT_EQ(f.state.CurrentDebt, 1);

    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("frmDebtEntry") && w->isVisible())
                QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnCancel")),
                                  Qt::LeftButton);
    });
    EXPECT_FALSE(ui::runDebtEntry(nullptr, f.state, 0, f.services));
    EXPECT_EQ(f.state.NumDebts, 1);
    EXPECT_EQ(f.state.CurrentDebt, 1);  // not the slot that was never added
}

TEST(DebtEntryRun, RefusesDebtNumbersOutsideThePlan) {
    DebtEntryFixture f;
    f.addDebt({"Visa", 1000, 12, 50, 60, 1, false, 15});
    EXPECT_FALSE(ui::runDebtEntry(nullptr, f.state, 2, f.services));
    EXPECT_FALSE(ui::runDebtEntry(nullptr, f.state, -1, f.services));
    f.state.NumDebts = plan::kMaxDebts;
    EXPECT_FALSE(ui::runDebtEntry(nullptr, f.state, 0, f.services));  // no slot 51
}

// The form as a person sees it: drawn, not blank. With DEBT_ENTRY_SCREENSHOT set the
// screen is also saved there (for a look under a real X server).
TEST_F(DebtEntryForm, DrawsTheForm) {
    f.open(1);
    QTest::qWait(50);
    const QImage image = f.form->grab().toImage();
    ASSERT_FALSE(image.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 4u);
    if (const char* path = std::getenv("DEBT_ENTRY_SCREENSHOT")) {
        if (QScreen* screen = f.form->screen())
            screen->grabWindow(0).save(QString::fromUtf8(path));
    }
}

}  // namespace
