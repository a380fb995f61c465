#include "app/help/show_help.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include "scripted_message_boxes.h"
#include "temp_home.h"

namespace {

using platform::MsgIcon;
using testing_support::ScriptedMessageBoxes;
using testing_support::TempDir;
using testing_support::writeFile;

std::string page(const std::string& title, const std::string& body) {
    return "<html><head><title>" + title + "</title></head><body>" + body + "</body></html>";
}

class ShowHelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFile(dir / "Contents.htm",
                  page("Contents", "<a href=\"Main_Window.htm\">Main window</a>"));
        writeFile(dir / "Main_Window.htm", page("Main Window", "<p>The main window.</p>"));
        writeFile(dir / "Enter_Debt_Information.htm",
                  page("Enter Debt Information",
                       "<p>Top</p><h2><a name=\"Interest_Rates\"></a>Interest Rates</h2>"));
    }
    QTextBrowser* browser(app::HelpViewer& viewer) { return viewer.window()->browser(); }

    TempDir dir;
    ScriptedMessageBoxes boxes;
};

TEST_F(ShowHelpTest, OpensTopicInTheHelpWindow) {
    app::HelpViewer viewer(boxes, dir.path().string(), "Zelvane");
    viewer.ShowHelp("Main_Window.htm");
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_EQ(viewer.window()->currentFileName(), QStringLiteral("Main_Window.htm"));
    EXPECT_TRUE(browser(viewer)->toPlainText().contains(QStringLiteral("The main window.")));
    EXPECT_EQ(viewer.window()->windowTitle(), QStringLiteral("Zelvane Help - Main Window"));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ShowHelpTest, EmptyTopicAndNameWithoutSuffixFindTheirFiles) {
    app::HelpViewer viewer(boxes, dir.path().string() + "/", "Zelvane");
    viewer.ShowHelp("");
    EXPECT_EQ(viewer.window()->currentFileName(), QStringLiteral("Contents.htm"));
    viewer.ShowHelp("Main_Window");
    EXPECT_EQ(viewer.window()->currentFileName(), QStringLiteral("Main_Window.htm"));
}

TEST_F(ShowHelpTest, AnchorIsKeptInTheSource) {
    app::HelpViewer viewer(boxes, dir.path().string(), "Zelvane");
    viewer.ShowHelp("Enter_Debt_Information.htm#Interest_Rates");
    EXPECT_EQ(viewer.window()->currentFileName(), QStringLiteral("Enter_Debt_Information.htm"));
    EXPECT_EQ(browser(viewer)->source().fragment(), QStringLiteral("Interest_Rates"));
}

TEST_F(ShowHelpTest, BackForwardAndContents) {
    app::HelpViewer viewer(boxes, dir.path().string(), "Zelvane");
    viewer.ShowHelp("Main_Window.htm");
    auto* back = viewer.window()->findChild<QAction*>(QStringLiteral("actBack"));
    auto* forward = viewer.window()->findChild<QAction*>(QStringLiteral("actForward"));
    auto* contents = viewer.window()->findChild<QAction*>(QStringLiteral("actContents"));
    ASSERT_TRUE(back && forward && contents);
    EXPECT_FALSE(back->isEnabled());

    contents->trigger();
    EXPECT_EQ(viewer.window()->currentFileName(), QStringLiteral("Contents.htm"));
    EXPECT_TRUE(back->isEnabled());
    back->trigger();
    EXPECT_EQ(viewer.window()->currentFileName(), QStringLiteral("Main_Window.htm"));
    EXPECT_TRUE(forward->isEnabled());
    forward->trigger();
    EXPECT_EQ(viewer.window()->currentFileName(), QStringLiteral("Contents.htm"));
}

TEST_F(ShowHelpTest, LinkBetweenTopicsOpensInTheWindow) {
    app::HelpViewer viewer(boxes, dir.path().string(), "Zelvane");
    viewer.ShowHelp("");
    Q_EMIT browser(viewer)->anchorClicked(QUrl(QStringLiteral("Main_Window.htm")));
    EXPECT_EQ(viewer.window()->currentFileName(), QStringLiteral("Main_Window.htm"));
}

TEST_F(ShowHelpTest, MissingTopicShowsHelpError) {
    app::HelpViewer viewer(boxes, dir.path().string(), "Zelvane");
    const std::string path = dir.path().string() + "/Budget.htm";
    boxes.expect(
        "Help Error",
        "Could not locate the file, \"Budget.htm(" + path + ").\"\r\nHelp cannot be displayed.",
        MsgIcon::Error);
    viewer.ShowHelp("Budget.htm");
    EXPECT_EQ(viewer.window(), nullptr);
}

TEST_F(ShowHelpTest, MissingFolderShowsHelpError) {
    const std::string folder = dir.path().string() + "/nothing-here";
    app::HelpViewer viewer(boxes, folder, "Zelvane");
    boxes.expect(
        "Help Error",
        "Could not locate the file, \"help(" + folder + "/).\"\r\nHelp cannot be displayed.",
        MsgIcon::Error);
    viewer.ShowHelp("Main_Window.htm");
    EXPECT_EQ(viewer.window(), nullptr);
}

TEST_F(ShowHelpTest, ClosedWindowIsMadeAgain) {
    app::HelpViewer viewer(boxes, dir.path().string(), "Zelvane");
    viewer.ShowHelp("Main_Window.htm");
    viewer.closeWindow();
    EXPECT_EQ(viewer.window(), nullptr);
    viewer.ShowHelp("Contents.htm");
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_TRUE(viewer.window()->isVisible());
}

// The topics shipped beside the program: every one the main window and debt entry open
// is there, and the debt entry topic has the place its rate warning points at.
TEST(ShippedHelp, TopicsOfMainWindowAndDebtEntryExist) {
    ScriptedMessageBoxes boxes;
    app::HelpViewer viewer(boxes, DEBT_HELP_FOLDER, "Zelvane");
    for (const char* topic : {"", "Main_Window.htm", "Enter_Debt_Information.htm",
                              "Enter_Debt_Information.htm#Interest_Rates"}) {
        viewer.ShowHelp(topic);
        ASSERT_NE(viewer.window(), nullptr) << topic;
        EXPECT_FALSE(viewer.window()->browser()->toPlainText().isEmpty()) << topic;
    }
    QFile file(QStringLiteral(DEBT_HELP_FOLDER "/Enter_Debt_Information.htm"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("name=\"Interest_Rates\""));
    EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
