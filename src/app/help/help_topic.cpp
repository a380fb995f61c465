#include "app/help/help_topic.h"

namespace app {

HelpTopicTarget resolveHelpTopic(const std::string& topic) {
    std::string full;
    if (topic.empty())
        full = "Contents.htm";
    else if (topic.find(".htm") != std::string::npos)
        full = topic;
    else
        full = topic + ".htm";

    HelpTopicTarget target;
    const auto hash = full.find('#');
    target.fileName = full.substr(0, hash);
    if (hash != std::string::npos)
        target.anchor = full.substr(hash + 1);
    return target;
}

std::string helpMissingText(const std::string& fileName, const std::string& fullPath) {
    return "Could not locate the file, \"" + fileName + "(" + fullPath + ").\"\r\n" +
           "Help cannot be displayed.";
}

std::string helpViewerMissingText(const std::string& applicationTitle) {
    return applicationTitle + " uses the new Microsoft Help File Format called" +
           "HTML Help which is not installed on this computer." + "\r\n" + "Before you can use " +
           applicationTitle + " Help, you will need to install HTML Help" + "\r\n\r\n" +
           "To install HTML, install the latest version of Microsoft's " +
           "Internet Explorer, or download the HTML Help Update utility " + "from " +
           "https://www.microsoft.com/download";
}

}  // namespace app
