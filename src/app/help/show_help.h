#pragma once

// ShowHelp: opens a topic of the program's help folder in the help window. The folder
// holds one HTML file per topic name the program uses, plus "Contents.htm". One
// HelpViewer lives as long as the main window; forms get its ShowHelp as a function.

#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "app/help/help_window.h"
#include "platform/message_boxes.h"

namespace app {

// Where the help folder is looked for: "help/" beside the executable.
std::string defaultHelpFolder();

class HelpViewer {
  public:
    // `helpFolder` may end with "/" or not; `applicationTitle` names the window ("Zelvane").
    HelpViewer(platform::MessageBoxes& boxes, std::string helpFolder, std::string applicationTitle);
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // Opens `topic` ("Main_Window.htm", "Enter_Debt_Information.htm#Interest_Rates",
    // "Appearance"; empty for the contents). A missing folder or topic file shows
    // "Help Error" and opens nothing.
    void ShowHelp(const std::string& topic);

    // The window of the last call; null before the first or after it was closed.
    THelpWindow* window() const { return window_.data(); }
    // Closes the help window (at program end).
    void closeWindow();

    // A function forms can keep to call ShowHelp; valid while this viewer lives.
    std::function<void(const std::string&)> function() {
        return [this](const std::string& topic) { ShowHelp(topic); };
    }

  private:
    platform::MessageBoxes& boxes_;
    std::string folder_;  // without a trailing "/"
    std::string title_;
    QPointer<THelpWindow> window_;
};

}  // namespace app
