#pragma once

// The program's help window: an HTML browser over the help folder with Back, Forward and
// Contents. Links between topics open inside the window; links to web addresses open in
// the desktop's browser.

#include <QMainWindow>
#include <QString>

class QAction;
class QTextBrowser;

namespace app {

class THelpWindow : public QMainWindow {
    Q_OBJECT

  public:
    // `helpFolder` holds the topics ("Contents.htm", "Main_Window.htm", ...).
    THelpWindow(const QString& helpFolder, const QString& title, QWidget* parent = nullptr);

    // Shows `fileName` of the help folder, scrolled to `anchor` when one is given.
    void showTopic(const QString& fileName, const QString& anchor);
    void showContents();

    QTextBrowser* browser() const { return browser_; }
    // The file shown now, without the folder ("Main_Window.htm").
    QString currentFileName() const;

  private:
    QString helpFolder_;
    QTextBrowser* browser_ = nullptr;
    QAction* actBack_ = nullptr;
    QAction* actForward_ = nullptr;
    QAction* actContents_ = nullptr;
};

}  // namespace app
