// F1 on the debt entry form with the program's own help window and shipped topics.

#include <gtest/gtest.h>

#include <QTextBrowser>
#include <QtTest/QTest>

#include "app/help/show_help.h"
#include "debt_entry_fixture.h"

namespace {

TEST(DebtEntryHelp, F1OpensTheDebtEntryTopicInTheHelpWindow) {
    testing_support::DebtEntryFixture f;
    app::HelpViewer viewer(f.boxes, DEBT_HELP_FOLDER, "Zelvane");
    f.services.showHelp = viewer.function();
    f.addDebt({"Visa", 1000, 12, 50, 60, 1, false, 15});
    f.open(1);
    QTest::keyClick(f.edit("edtBalance"), Qt::Key_F1);
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_EQ(viewer.window()->currentFileName(), QStringLiteral("Enter_Debt_Information.htm"));
    EXPECT_TRUE(viewer.window()->browser()->toPlainText().contains(QStringLiteral("Balance")));
    EXPECT_TRUE(f.boxes.shown().empty());
}

}  // namespace
