// The main window with the real debt entry form and help window connected, as the
// program runs it.

#include "app/connect_main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <filesystem>

#include "../ui/main_win_profile.h"

namespace {

using ConnectMainWindowTest = ui_testing::MainWinProfile;

// The top-level window named `name`, once it is shown.
QWidget* shownWindow(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QString::fromLatin1(name) && w->isVisible())
            return w;
    }
    return nullptr;
}

TEST_F(ConnectMainWindowTest, AddOpensTheDebtEntryFormAndHelpFollowsTheWindow) {
    app::HelpViewer help(boxes, DEBT_HELP_FOLDER, state.DisplayName);
    ui::TMainWin window(state, services());
    app::ConnectMainWindow(window, boxes, state, help);
    window.show();
    QApplication::processEvents();

    window.WMHelp();
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_TRUE(
        help.window()->browser()->source().toString().endsWith(QStringLiteral("Main_Window.htm")));

    bool formSeen = false;
    std::function<void()> cancelForm = [&] {
        if (QWidget* form = shownWindow("frmDebtEntry")) {
            formSeen = true;
            QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnCancel")),
                              Qt::LeftButton);
            return;
        }
        QTimer::singleShot(20, cancelForm);
    };
    QTimer::singleShot(0, cancelForm);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnAdd")), Qt::LeftButton);
    EXPECT_TRUE(formSeen);
    EXPECT_EQ(window.planState().NumDebts, 0);

    window.close();
    EXPECT_EQ(help.window(), nullptr);
}

}  // namespace
