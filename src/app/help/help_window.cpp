#include "app/help/help_window.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace app {

THelpWindow::THelpWindow(const QString& helpFolder, const QString& title, QWidget* parent)
    : QMainWindow(parent), helpFolder_(helpFolder) {
    setObjectName(QStringLiteral("THelpWindow"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose, false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("browser"));
    browser_->setSearchPaths({helpFolder_});
    // Topic links stay in the window; outside addresses go to the desktop's browser.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.isRelative() || url.isLocalFile())
            browser_->setSource(url.isRelative() ? browser_->source().resolved(url) : url);
        else
            QDesktopServices::openUrl(url);
    });
    setCentralWidget(browser_);

    QToolBar* bar = addToolBar(QStringLiteral("Help"));
    bar->setObjectName(QStringLiteral("tbHelp"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QStyle* s = style();
    actBack_ = bar->addAction(s->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"));
    actBack_->setObjectName(QStringLiteral("actBack"));
    actBack_->setShortcut(QKeySequence::Back);
    actForward_ =
        bar->addAction(s->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("&Forward"));
    actForward_->setObjectName(QStringLiteral("actForward"));
    actForward_->setShortcut(QKeySequence::Forward);
    actContents_ =
        bar->addAction(s->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("&Contents"));
    actContents_->setObjectName(QStringLiteral("actContents"));
    actBack_->setEnabled(false);
    actForward_->setEnabled(false);

    connect(actBack_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(actForward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(actContents_, &QAction::triggered, this, [this] { showContents(); });
    connect(browser_, &QTextBrowser::backwardAvailable, actBack_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, actForward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this, title] {
        const QString page = browser_->documentTitle();
        setWindowTitle(page.isEmpty() ? title : title + QStringLiteral(" - ") + page);
    });

    resize(760, 640);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void THelpWindow::showTopic(const QString& fileName, const QString& anchor) {
    QUrl url = QUrl::fromLocalFile(QDir(helpFolder_).filePath(fileName));
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    browser_->setSource(url);
}

void THelpWindow::showContents() {
    showTopic(QStringLiteral("Contents.htm"), {});
}

QString THelpWindow::currentFileName() const {
    return QFileInfo(browser_->source().toLocalFile()).fileName();
}

}  // namespace app
