// Walking through the plan's debts from the debt entry form: the questions, their three
// answers and the beeps that come with them.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>

#include "debt_entry_fixture.h"

namespace {

using platform::MsgAnswer;
using platform::MsgIcon;
using testing_support::DebtEntryFixture;
using testing_support::enterValidDebt;
using testing_support::ExpectedBox;

class DebtEntryNavigation : public ::testing::Test {
  protected:
    void SetUp() override {
        f.addDebt({"Visa", 1000, 12, 50, 60, 1, false, 15});
        f.addDebt({"Car", 5000, 6.5, 100, 120, 1, false, 3});
        f.addDebt({"Store", 300, 18, 10, 10, 1, false, 28});
    }
    QString status() const {
        return f.form->findChild<QLabel*>(QStringLiteral("lblDebtNumber"))->text();
    }
    QAction* action(const char* name) const {
        return f.form->findChild<QAction*>(QString::fromUtf8(name));
    }
    ExpectedBox question(const std::string& text, MsgAnswer answer) {
        ExpectedBox box;
        box.caption = "Warning";
        box.text = text;
        box.icon = MsgIcon::Question;
        box.buttons = platform::MsgButtons::YesNoCancel;
        box.answer = answer;
        return box;
    }
    DebtEntryFixture f;
};

TEST_F(DebtEntryNavigation, UnchangedDebtsMoveWithoutAsking) {
    f.open(2);
    action("mnuNextDebt")->trigger();
    EXPECT_EQ(f.state.CurrentDebt, 3);
    EXPECT_EQ(f.text("edtDebtName"), QStringLiteral("Store"));
    EXPECT_EQ(status(), QStringLiteral("Debt #3"));
    EXPECT_FALSE(action("mnuNextDebt")->isEnabled());
    EXPECT_FALSE(action("mnuLastDebt")->isEnabled());
    EXPECT_TRUE(action("mnuPreviousDebt")->isEnabled());

    f.form->NextDebt();  // already the last: nothing happens
    f.form->LastDebt();
    EXPECT_EQ(f.state.CurrentDebt, 3);

    action("mnuFirstDebt")->trigger();
    EXPECT_EQ(f.state.CurrentDebt, 1);
    EXPECT_FALSE(action("mnuFirstDebt")->isEnabled());
    f.form->PreviousDebt();  // debt 1: nothing happens
    f.form->FirstDebt();
    EXPECT_EQ(f.state.CurrentDebt, 1);
    action("mnuLastDebt")->trigger();
    EXPECT_EQ(f.state.CurrentDebt, 3);
    action("mnuPreviousDebt")->trigger();
    EXPECT_EQ(f.state.CurrentDebt, 2);
    EXPECT_TRUE(f.boxes.shown().empty());
    EXPECT_EQ(f.beeps, 0);
}

TEST_F(DebtEntryNavigation, ChangedDebtAsksWithThreeAnswers) {
    const std::string ask = "Debt information has changed. Update before moving to the next debt?";
    f.open(2);
    f.put("edtBalance", "4,500.00");

    f.boxes.expect(question(ask, MsgAnswer::Cancel));
    f.form->NextDebt();
    EXPECT_EQ(f.state.CurrentDebt, 2);
    EXPECT_EQ(f.text("edtBalance"), QStringLiteral("4,500.00"));  // stays as typed
    EXPECT_EQ(f.boxes.shown().back().defaultButton, MsgAnswer::No);

    f.boxes.expect(question(ask, MsgAnswer::No));
    f.form->NextDebt();
    EXPECT_EQ(f.state.CurrentDebt, 3);
    EXPECT_EQ(+f.debt(2).Balance, 5000.0);  // discarded

    f.form->PreviousDebt();  // unchanged: no question
    f.put("edtBalance", "4,500.00");
    f.boxes.expect(question(ask, MsgAnswer::Yes));
    f.form->NextDebt();
    EXPECT_EQ(f.state.CurrentDebt, 3);
    EXPECT_EQ(+f.debt(2).Balance, 4500.0);  // stored
    EXPECT_EQ(f.beeps, 3);
    EXPECT_EQ(f.changes, 1);
}

TEST_F(DebtEntryNavigation, YesWithAFailingCheckStays) {
    f.open(2);
    f.put("edtPayDate", "31");
    f.boxes.expect(question("Debt information has changed. Update before moving to the first debt?",
                            MsgAnswer::Yes));
    f.boxes.expect("Error", "Invalid payment due day specified. Please correct.", MsgIcon::Warning);
    f.form->FirstDebt();
    EXPECT_EQ(f.state.CurrentDebt, 2);
    EXPECT_EQ(f.form->focusWidget(), f.edit("edtPayDate"));
    EXPECT_EQ(+f.debt(2).PayDay, 3);
}

TEST_F(DebtEntryNavigation, NewDebtAsksToBeAddedFirst) {
    f.open(0);
    EXPECT_EQ(f.state.CurrentDebt, 4);
    EXPECT_EQ(status(), QStringLiteral("Debt #4"));
    EXPECT_FALSE(action("mnuNextDebt")->isEnabled());
    f.form->NextDebt();  // no "next" from a new debt
    EXPECT_TRUE(f.boxes.shown().empty());

    enterValidDebt(f, "Phone");
    const std::string ask =
        "This debt has not been added yet. Add this debt before moving to the previous debt?";
    f.boxes.expect(question(ask, MsgAnswer::Cancel));
    f.form->PreviousDebt();
    EXPECT_EQ(f.state.CurrentDebt, 4);
    EXPECT_TRUE(f.form->adding());

    f.boxes.expect(question(ask, MsgAnswer::Yes));
    f.form->PreviousDebt();
    EXPECT_EQ(f.state.NumDebts, 4);  // counted
    EXPECT_EQ(f.debt(4).Name.text(), "Phone");
    EXPECT_EQ(f.state.CurrentDebt, 3);
    EXPECT_EQ(f.text("edtDebtName"), QStringLiteral("Store"));
    EXPECT_FALSE(f.form->adding());
    EXPECT_EQ(f.beeps, 2);
}

TEST_F(DebtEntryNavigation, NewDebtDiscardedWithNo) {
    f.open(0);
    enterValidDebt(f, "Phone");
    f.boxes.expect(
        question("This debt has not been added yet. Add this debt before moving to the first debt?",
                 MsgAnswer::No));
    f.form->FirstDebt();
    EXPECT_EQ(f.state.NumDebts, 3);
    EXPECT_EQ(f.state.CurrentDebt, 1);
    EXPECT_EQ(f.debt(4).Name.text(), "");
    EXPECT_FALSE(f.form->adding());
    // OK now edits debt 1 and counts nothing.
    f.put("edtDebtName", "Visa 2");
    f.form->btnOKClick();
    EXPECT_EQ(f.state.NumDebts, 3);
    EXPECT_EQ(f.debt(1).Name.text(), "Visa 2");
}

TEST_F(DebtEntryNavigation, NewDebtWithInvalidValuesStaysOnYes) {
    f.open(0);
    enterValidDebt(f, "Phone");
    f.put("edtMinPay", "0");
    f.boxes.expect(question(
        "This debt has not been added yet. Add this debt before moving to the previous debt?",
        MsgAnswer::Yes));
    f.boxes.answerNext(MsgAnswer::Ok);  // "can never repay"
    f.form->PreviousDebt();
    EXPECT_EQ(f.state.NumDebts, 3);
    EXPECT_TRUE(f.form->adding());
    EXPECT_EQ(f.state.CurrentDebt, 4);
}

TEST_F(DebtEntryNavigation, CancelAfterAStoredStepKeepsTheStep) {
    f.open(1);
    f.put("edtDebtName", "Visa Gold");
    f.boxes.expect(question("Debt information has changed. Update before moving to the next debt?",
                            MsgAnswer::Yes));
    f.form->NextDebt();
    f.form->btnCancelClick();
    EXPECT_FALSE(f.form->accepted());
    EXPECT_EQ(f.debt(1).Name.text(), "Visa Gold");
}

}  // namespace
