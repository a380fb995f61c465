#include "app/help/help_topic.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpTopic, TopicNamesBecomeFilesAndAnchors) {
    struct Case {
        const char* topic;
        const char* file;
        const char* anchor;
    };
    const Case cases[] = {
        {"", "Contents.htm", ""},
        {"File_Menu.htm", "File_Menu.htm", ""},  // no second ".htm"
        {"Appearance", "Appearance.htm", ""},
        {"Enter_Debt_Information.htm#Interest_Rates", "Enter_Debt_Information.htm",
         "Interest_Rates"},
        {"Page.html", "Page.html", ""},  // ".htm" anywhere counts
    };
    for (const Case& c : cases) {
        const app::HelpTopicTarget t = app::resolveHelpTopic(c.topic);
        EXPECT_EQ(t.fileName, c.file) << c.topic;
        EXPECT_EQ(t.anchor, c.anchor) << c.topic;
    }
}

TEST(HelpTopic, MissingFileTextQuotesNameAndPath) {
    EXPECT_EQ(app::helpMissingText("Main_Window.htm", "/opt/x/help/Main_Window.htm"),
              "Could not locate the file, \"Main_Window.htm(/opt/x/help/Main_Window.htm).\"\r\n"
              "Help cannot be displayed.");
}

TEST(HelpTopic, ViewerMissingTextNamesTheProgramTwice) {
    const std::string text = app::helpViewerMissingText("Zelvane");
    EXPECT_EQ(
        text.rfind("Zelvane uses the new Microsoft Help File Format calledHTML Help which", 0), 0u);
    EXPECT_NE(text.find("\r\nBefore you can use Zelvane Help, you will need to install HTML "
                        "Help\r\n\r\nTo install HTML"),
              std::string::npos);
}

}  // namespace
