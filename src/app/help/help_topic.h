#pragma once

// How a help topic name turns into a file of the help folder and a place inside it.

#include <string>

namespace app {

struct HelpTopicTarget {
    std::string fileName;  // "Main_Window.htm"
    std::string anchor;    // "Interest_Rates", empty for the top of the page
};

// An empty topic is "Contents.htm"; a topic that contains ".htm" anywhere is taken as it
// stands; any other gets ".htm" appended ("Appearance" -> "Appearance.htm"). A "#" then
// separates the file from the anchor.
HelpTopicTarget resolveHelpTopic(const std::string& topic);

// The text of the "Help Error" box for a file that is missing: `fileName` as the user
// knows it, `fullPath` where it was looked for.
std::string helpMissingText(const std::string& fileName, const std::string& fullPath);

// The text of the box shown when no help window can be made at all.
std::string helpViewerMissingText(const std::string& applicationTitle);

}  // namespace app
