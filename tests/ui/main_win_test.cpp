// The main window on screen: the debt list, its totals and sorting, the checks of the
// screen fields, the debt commands with their questions and the close question.

#include <QCheckBox>
#include <QFrame>
#include <QTest>

#include "main_win_fixture.h"

// Expected boxes name only the members that matter; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace ui_testing {
namespace {

using platform::MsgAnswer;
using platform::MsgIcon;

TEST_F(MainWinTest, CountTextAndCommandStatesFollowTheNumberOfDebts) {
    start();
    struct Case {
        int debts;
        const char* count;
    };
    for (const Case c : {Case{0, "(0 Debts)"}, Case{1, "(1 Debt)"}, Case{3, "(3 Debts)"},
                         Case{50, "(50 Debts)"}}) {
        show(planWith(std::vector<DebtSpec>(static_cast<std::size_t>(c.debts), DebtSpec{"Card"})));
        EXPECT_EQ(text("lblDebtCount"), c.count);
        EXPECT_EQ(find<QListWidget>("lstbxDebt")->count(), c.debts);
        EXPECT_EQ(find<QPushButton>("btnAdd")->isEnabled(), c.debts < 50) << c.debts;
        EXPECT_EQ(find<QPushButton>("btnEdit")->isEnabled(), c.debts > 0);
        EXPECT_EQ(find<QPushButton>("btnDelete")->isEnabled(), c.debts > 0);
        EXPECT_EQ(find<QPushButton>("btnRemoveAll")->isEnabled(), c.debts > 0);
    }
}

TEST_F(MainWinTest, TotalsCountAPercentageMinimumOnTheBalance) {
    start();
    show(planWith({{"Store card", 1234.56, 2, true, 40}, {"Visa", 500, 10, false, 60.5}}));
    EXPECT_EQ(text("lblTotalBalance"), "$1,734.56");  // "Currency String Screen Totals" is on
    EXPECT_EQ(text("lblTotalMinPayment"), "$34.69");  // 24.69 + 10.00
    EXPECT_EQ(text("lblTotalCurPayment"), "$100.50");
    EXPECT_EQ(+window->planState().CurrentDebt, 1);
    EXPECT_EQ(find<QListWidget>("lstbxDebt")->currentRow(), 0);
}

TEST_F(MainWinTest, ReductionPlanChoiceShowsItsPanel) {
    start();
    show(planWith({{"Visa"}}));
    auto* chooser = find<QComboBox>("cmbxReductionPlan");
    const char* panels[] = {"pnlDebtReductionSchedule", "pnlLoanConsolidation",
                            "pnlTimedDebtElimination"};
    for (int plan : {1, 2, 0}) {
        chooser->setCurrentIndex(plan);
        EXPECT_EQ(+window->config().LastReductionPlan, plan);
        EXPECT_EQ(+window->planState().ActivePlan.ReductionPlan, plan + 1);
        for (int p = 0; p < 3; ++p)
            EXPECT_EQ(!find<QFrame>(panels[p])->isHidden(), p == plan) << plan << " " << p;
    }
    // The consolidation method shows only the edit it needs.
    chooser->setCurrentIndex(1);
    auto* method = find<QComboBox>("cmbxConMethod");
    auto* payment = find<QLineEdit>("edtConMonthlyPayment");
    auto* months = find<QLineEdit>("edtConMonthsInLoan");
    method->setCurrentIndex(0);
    EXPECT_TRUE(payment->isHidden() && months->isHidden());
    method->setCurrentIndex(1);
    EXPECT_TRUE(!payment->isHidden() && months->isHidden());
    method->setCurrentIndex(2);
    EXPECT_TRUE(payment->isHidden() && !months->isHidden());
}

TEST_F(MainWinTest, ExtraPaymentSourceSwitchesTheEditAndButtons) {
    start();
    show(planWith({{"Visa"}}));
    auto* source = find<QComboBox>("cmbxExtraPmtSrc");
    auto* edit = find<QLineEdit>("cxedtExtraPayment");
    source->setCurrentIndex(1);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_FALSE(find<QPushButton>("btnBudget")->isHidden());
    EXPECT_TRUE(find<QPushButton>("btnVariablePayment")->isHidden());
    source->setCurrentIndex(2);
    EXPECT_TRUE(edit->isHidden());
    EXPECT_FALSE(window->VarExtraInUse);  // no variable amount above 0 yet
    window->planState().ActivePlan.VariableExtra[200] = 5;
    window->EnableDisable();
    EXPECT_TRUE(window->VarExtraInUse);
    source->setCurrentIndex(0);
    EXPECT_FALSE(edit->isReadOnly());
    EXPECT_FALSE(edit->isHidden());
    EXPECT_FALSE(window->VarExtraInUse);
    EXPECT_TRUE(find<QPushButton>("btnBudget")->isHidden());
}

TEST_F(MainWinTest, DuplicatePrioritiesBlockTheTransferNamingTheEarlierDebtFirst) {
    start();
    show(planWith({{"Visa", 900, 25, false, 50, 19, 1, 3},
                   {"Car", 8000, 200, false, 250, 6, 1, 1},
                   {"Store", 400, 15, false, 20, 24, 1, 3}}));
    find<QLineEdit>("edtReportTitle")->setText(QStringLiteral("Changed"));
    boxes.expect("Error",
                 "\"Visa\" and \"Store\" both have the same Priority of 3.  You MUST correct this "
                 "by changing one or the other.",
                 MsgIcon::Warning);
    EXPECT_FALSE(window->PutScreenToClient());
    EXPECT_EQ(window->ErrorFieldName, "Priority");
    EXPECT_EQ(window->planState().ActivePlan.ReportTitle.text(), "");  // nothing stored

    // Under "Loan Consolidation" the priorities do not matter.
    find<QComboBox>("cmbxReductionPlan")->setCurrentIndex(1);
    EXPECT_TRUE(window->PutScreenToClient());
    EXPECT_EQ(window->ErrorFieldName, "");
    EXPECT_EQ(window->planState().ActivePlan.ReportTitle.text(), "Changed");
    EXPECT_EQ(+window->planState().ActivePlan.ReductionPlan, 2);
}

TEST_F(MainWinTest, MonthsEditsTakeWholeNumbersUpTo360) {
    start();
    show(planWith({{"Visa"}}));
    struct Case {
        const char* edit;
        const char* typed;
        bool ok;
        const char* message;
        const char* field;
    };
    const Case cases[] = {
        {"edtConMonthsInLoan", "361", false, "Invalid Months In Loan specified. Please correct.",
         "Months In Loan"},
        {"edtConMonthsInLoan", "12a", false, "Invalid Months In Loan specified. Please correct.",
         "Months In Loan"},
        {"edtConMonthsInLoan", "360", true, nullptr, ""},
        {"edtConMonthsInLoan", "", true, nullptr, ""},
        {"edtTimedMonths", "-1", false, "Invalid Months To Pay specified. Please correct.",
         "Months To Pay"},
        {"edtTimedMonths", " 36 ", true, nullptr, ""},
        {"edtTimedMonths", "", true, nullptr, ""},
    };
    for (const Case& c : cases) {
        auto* edit = find<QLineEdit>(c.edit);
        edit->setText(QString::fromLatin1(c.typed));  // pasted: the key filter is not asked
        if (c.message)
            boxes.expect("Error", c.message, MsgIcon::Warning);
        EXPECT_EQ(window->PutScreenToClient(), c.ok) << c.edit << " '" << c.typed << "'";
        EXPECT_EQ(window->ErrorFieldName, c.field);
        if (!c.ok) {
            EXPECT_EQ(window->focusWidget(), edit);
            edit->setText(QStringLiteral("12"));
        }
    }
    EXPECT_EQ(find<QLineEdit>("edtConMonthsInLoan")->text(), QStringLiteral("0"));
    EXPECT_EQ(+window->planState().ActivePlan.ConMonthsInLoan, 0);
    EXPECT_EQ(+window->planState().ActivePlan.TimedMonths, 0.0);
}

TEST_F(MainWinTest, AmountEditsAreCheckedInOrder) {
    start();
    show(planWith({{"Visa"}}));
    find<QLineEdit>("edtConMonthlyPayment")->setText(QStringLiteral("12x"));
    find<QLineEdit>("edtConFee")->setText(QStringLiteral("abc"));
    boxes.expect("Error", "Invalid Monthly Payment specified. Please correct.", MsgIcon::Warning);
    EXPECT_FALSE(window->PutScreenToClient());
    EXPECT_EQ(window->ErrorFieldName, "Monthly Payment");
    find<QLineEdit>("edtConMonthlyPayment")->setText(QStringLiteral("$1,250.00"));
    boxes.expect("Error", "Invalid Fee specified. Please correct.", MsgIcon::Warning);
    EXPECT_FALSE(window->PutScreenToClient());
    EXPECT_EQ(window->ErrorFieldName, "Fee");
    EXPECT_EQ(window->focusWidget(), find<QLineEdit>("edtConFee"));
    find<QLineEdit>("edtConFee")->setText(QString());
    find<QLineEdit>("edtStartYear")->setText(QStringLiteral("20x7"));  // stored without a word
    EXPECT_TRUE(window->PutScreenToClient());
    const plan::TClientRec& p = window->planState().ActivePlan;
    EXPECT_EQ(+p.ConMonthlyPayment, 1250.0);
    EXPECT_EQ(+p.ConFee, 0.0);
    EXPECT_EQ(+p.StartYear, 0);
}

TEST_F(MainWinTest, ConsolidationPaymentThatCannotRepayIsRefusedBeforeAnythingIsStored) {
    start();
    show(planWith({{"Visa", 6000}, {"Car", 4000}}, 2));
    find<QComboBox>("cmbxConMethod")->setCurrentIndex(1);  // Specify Payment
    find<QLineEdit>("edtConMonthlyPayment")->setText(QStringLiteral("100"));
    find<QLineEdit>("edtConNewRate")->setText(QStringLiteral("12"));
    find<QComboBox>("cmbxConAPREff")->setCurrentIndex(0);
    find<QLineEdit>("edtReportTitle")->setText(QStringLiteral("Not yet"));
    boxes.expect(
        {.caption = "Error", .textContains = "can never repay the loan", .icon = MsgIcon::Warning});
    EXPECT_FALSE(window->PutScreenToClient());
    EXPECT_EQ(window->ErrorFieldName, "Consolidated Loan Payment");
    EXPECT_EQ(window->focusWidget(), find<QLineEdit>("edtConMonthlyPayment"));
    EXPECT_EQ(window->planState().ActivePlan.ReportTitle.text(), "");
    EXPECT_EQ(+window->planState().ActivePlan.ConMethod, 1);
}

TEST_F(MainWinTest, KeyFiltersOfTheEdits) {
    start();
    show(planWith({}, 2, 1));
    find<QComboBox>("cmbxConMethod")->setCurrentIndex(2);  // Specify Term: months editable
    auto typed = [&](const char* name, const char* keys) {
        auto* e = find<QLineEdit>(name);
        e->clear();
        QTest::keyClicks(e, QString::fromLatin1(keys));
        return e->text().toStdString();
    };
    EXPECT_EQ(typed("edtConMonthsInLoan", "1a2."), "12");
    // Once a comma is in, the decimal point is refused; without one it is taken.
    EXPECT_EQ(typed("edtConFee", "1,000.50"), "1,00050");
    EXPECT_EQ(typed("edtConFee", "1000.50"), "1000.50");
    EXPECT_EQ(typed("edtConFee", "1.5.0"), "1.50");
    EXPECT_EQ(typed("edtConNewRate", "7.5%x"), "7.5");
    find<QComboBox>("cmbxReductionPlan")->setCurrentIndex(2);
    EXPECT_EQ(typed("edtTimedMonths", "3-6"), "36");
    find<QComboBox>("cmbxReductionPlan")->setCurrentIndex(0);
    EXPECT_EQ(typed("cxedtExtraPayment", "-(150)"), "150");
    // Enter in the extra payment moves on to the priority method.
    QTest::keyClick(find<QLineEdit>("cxedtExtraPayment"), Qt::Key_Return);
    EXPECT_EQ(window->focusWidget(), find<QComboBox>("cmbxPriorityMethod"));
}

TEST_F(MainWinTest, NameTitleSortsAToZThenZToAThenAToZ) {
    start();
    show(planWith({{"visa"}, {"Car"}, {"Carpet"}, {"Amex"}}));
    auto* title = find<QLabel>("lblDebtName");
    const std::vector<std::string> ascending{"Amex", "Car", "Carpet", "visa"};
    const std::vector<std::string> descending{"visa", "Carpet", "Car", "Amex"};
    QTest::mouseClick(title, Qt::LeftButton);
    EXPECT_EQ(debtNames(), ascending);
    EXPECT_EQ(+window->planState().ActivePlan.DebtSortOrder, 2);
    EXPECT_FALSE(find<QLabel>("imgSortDown")->isHidden());
    EXPECT_TRUE(find<QLabel>("imgSortUp")->isHidden());
    QTest::mouseClick(title, Qt::LeftButton);
    EXPECT_EQ(debtNames(), descending);
    EXPECT_EQ(+window->planState().ActivePlan.DebtSortOrder, 1);
    EXPECT_FALSE(find<QLabel>("imgSortUp")->isHidden());
    QTest::mouseClick(title, Qt::LeftButton);
    EXPECT_EQ(debtNames(), ascending);
    // Moving debts between slots counts as a change of the plan.
    EXPECT_TRUE(window->planState().ChangedData());
}

TEST_F(MainWinTest, PriorityAndDayTitlesSortStably) {
    start();
    show(planWith({{"A", 1, 1, false, 1, 1, 1, 2, 20},
                   {"B", 1, 1, false, 1, 1, 1, 1, 5},
                   {"C", 1, 1, false, 1, 1, 1, 2, 5}}));
    QTest::mouseClick(find<QLabel>("lblPriority"), Qt::LeftButton);
    EXPECT_EQ(debtNames(), (std::vector<std::string>{"B", "A", "C"}));
    QTest::mouseClick(find<QLabel>("lblPriority"), Qt::LeftButton);
    EXPECT_EQ(debtNames(), (std::vector<std::string>{"A", "C", "B"}));
    QTest::mouseClick(find<QLabel>("lblDate"), Qt::LeftButton);
    EXPECT_EQ(debtNames(), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(+window->planState().ActivePlan.DebtSortOrder, 6);
    QTest::mouseClick(find<QLabel>("lblPay"), Qt::LeftButton);
    EXPECT_EQ(debtNames(), (std::vector<std::string>{"A", "C", "B"}));
}

TEST_F(MainWinTest, DeleteAndRemoveAllAnsweredNoChangeNothing) {
    start();
    show(planWith({{"One"}, {"Two"}, {"Three"}}));
    const plan::TClientRec before = window->planState().ActivePlan;
    find<QListWidget>("lstbxDebt")->setCurrentRow(1);
    boxes.expect({.caption = "Warning",
                  .text = "Are you sure you want to delete this Debt?",
                  .icon = MsgIcon::Question,
                  .buttons = platform::MsgButtons::YesNo,
                  .answer = MsgAnswer::No});
    QTest::mouseClick(find<QPushButton>("btnDelete"), Qt::LeftButton);
    boxes.expect({.caption = "Warning",
                  .text = "Are you sure you want to delete all debts?",
                  .icon = MsgIcon::Question,
                  .buttons = platform::MsgButtons::YesNo,
                  .answer = MsgAnswer::No});
    QTest::mouseClick(find<QPushButton>("btnRemoveAll"), Qt::LeftButton);
    EXPECT_EQ(+window->planState().NumDebts, 3);
    EXPECT_EQ(std::memcmp(&before, &window->planState().ActivePlan, sizeof before), 0);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].defaultButton, MsgAnswer::No);
    EXPECT_EQ(boxes.shown()[1].defaultButton, MsgAnswer::No);
}

TEST_F(MainWinTest, DeleteYesMovesTheLaterDebtsDownAndKeepsTheRow) {
    start();
    show(planWith({{"One"}, {"Two"}, {"Three"}}));
    find<QListWidget>("lstbxDebt")->setCurrentRow(1);
    boxes.answerNext(MsgAnswer::Yes);
    window->DoDelete();
    EXPECT_EQ(debtNames(), (std::vector<std::string>{"One", "Three"}));
    EXPECT_EQ(find<QListWidget>("lstbxDebt")->currentRow(), 1);
    EXPECT_EQ(window->planState().ActivePlan.Debts[2].Name.text(), "");
    EXPECT_EQ(+window->planState().ActivePlan.Debts[2].Priority, 1);
    EXPECT_EQ(text("lblDebtCount"), "(2 Debts)");

    boxes.answerNext(MsgAnswer::Yes);
    window->DoClear();
    EXPECT_EQ(+window->planState().NumDebts, 0);
    EXPECT_EQ(+window->planState().CurrentDebt, 0);
    EXPECT_EQ(text("lblDebtCount"), "(0 Debts)");
    EXPECT_EQ(window->planState().ActivePlan.Debts[0].Name.text(), "");
}

TEST_F(MainWinTest, AddAndEditOpenTheDebtEntryForm) {
    start();
    show(planWith({{"One"}, {"Two"}}));
    std::vector<std::pair<int, int>> calls;  // mode, CurrentDebt
    window->debtEntry = [&](QWidget* owner, plan::PlanState& s, int mode) {
        EXPECT_EQ(owner, window.get());
        calls.emplace_back(mode, s.CurrentDebt);
        if (mode == 1) {
            s.ActivePlan.Debts[s.NumDebts].Name.setText("Three");
            ++s.NumDebts;
        }
        return true;
    };
    QTest::mouseClick(find<QPushButton>("btnAdd"), Qt::LeftButton);
    EXPECT_EQ(text("lblDebtCount"), "(3 Debts)");
    find<QListWidget>("lstbxDebt")->setCurrentRow(1);
    QTest::mouseClick(find<QPushButton>("btnEdit"), Qt::LeftButton);
    auto* list = find<QListWidget>("lstbxDebt");
    const QPoint firstRow = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, firstRow);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, firstRow);
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 3}, {2, 2}, {2, 1}}));
}

TEST_F(MainWinTest, HelpKeyOpensTheMainWindowTopic) {
    start();
    std::vector<std::string> topics;
    window->showHelp = [&](const std::string& topic) { topics.push_back(topic); };
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(topics, std::vector<std::string>{"Main_Window.htm"});
}

TEST_F(MainWinTest, CloseAsksAboutChangesAndCancelKeepsTheWindowOpen) {
    start();
    show(planWith({{"One"}}));
    find<QLineEdit>("edtProvidedFor")->setText(QStringLiteral("Pat"));
    boxes.expect({.caption = "Warning",
                  .text = "Debt information has changed.  Save information first?",
                  .icon = MsgIcon::Question,
                  .buttons = platform::MsgButtons::YesNoCancel,
                  .answer = MsgAnswer::Cancel});
    window->close();
    EXPECT_TRUE(window->isVisible());
    boxes.expect({.text = "Debt information has changed.  Save information first?",
                  .answer = MsgAnswer::No});
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWinTest, CloseWithAFieldErrorAsksWhetherToExitAnyway) {
    start();
    find<QComboBox>("cmbxReductionPlan")->setCurrentIndex(2);
    find<QLineEdit>("edtTimedMonths")->setText(QStringLiteral("400"));
    boxes.expect("Error", "Invalid Months To Pay specified. Please correct.", MsgIcon::Warning);
    boxes.expect({.caption = "Error",
                  .text = "Due to an error with 'Months To Pay', the debt information cannot be "
                          "saved.\r\n" +
                          std::string(51, ' ') + "Exit anyway?",
                  .icon = MsgIcon::Question,
                  .buttons = platform::MsgButtons::YesNo,
                  .answer = MsgAnswer::No});
    window->close();
    EXPECT_TRUE(window->isVisible());
    boxes.expect({.text = "Invalid Months To Pay specified. Please correct."});
    boxes.expect({.textContains = "Exit anyway?", .answer = MsgAnswer::Yes});
    window->close();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace ui_testing
