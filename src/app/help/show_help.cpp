#include "app/help/show_help.h"

#include <QApplication>
#include <QFileInfo>

#include "app/help/help_topic.h"

namespace app {

std::string defaultHelpFolder() {
    return (QCoreApplication::applicationDirPath() + QStringLiteral("/help/")).toStdString();
}

HelpViewer::HelpViewer(platform::MessageBoxes& boxes, std::string helpFolder,
                       std::string applicationTitle)
    : boxes_(boxes), folder_(std::move(helpFolder)), title_(std::move(applicationTitle)) {
    while (folder_.size() > 1 && folder_.back() == '/')
        folder_.pop_back();
}

HelpViewer::~HelpViewer() {
    closeWindow();
}

void HelpViewer::closeWindow() {
    if (window_) {
        window_->close();
        delete window_.data();
    }
}

void HelpViewer::ShowHelp(const std::string& topic) {
    // Without a GUI application there is no way to make a help window.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        platform::showOk(boxes_, "HTML Help Not Installed", helpViewerMissingText(title_));
        return;
    }
    const QString folder = QString::fromStdString(folder_);
    if (!QFileInfo(folder).isDir()) {
        platform::showOk(boxes_, "Help Error", helpMissingText("help", folder_ + "/"),
                         platform::MsgIcon::Error);
        return;
    }
    const HelpTopicTarget target = resolveHelpTopic(topic);
    const std::string path = folder_ + "/" + target.fileName;
    if (!QFileInfo(QString::fromStdString(path)).isFile()) {
        platform::showOk(boxes_, "Help Error", helpMissingText(target.fileName, path),
                         platform::MsgIcon::Error);
        return;
    }
    if (!window_) {
        window_ = new THelpWindow(folder, QString::fromStdString(title_ + " Help"));
    }
    window_->showTopic(QString::fromStdString(target.fileName),
                       QString::fromStdString(target.anchor));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace app
