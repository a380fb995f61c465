#pragma once

// Makes sure only one copy of the program runs. The running copy holds an exclusive
// lock (flock) on a file named after the instance name in $XDG_RUNTIME_DIR (else the
// temporary folder) and listens on a local socket of the same name. A later copy finds
// the lock taken, asks the running copy through the socket to bring its window forward,
// and ends.

#include <QObject>
#include <QString>

class QLocalServer;

namespace platform {

inline constexpr const char* kInstanceName = "QX1wGuXt-M";

class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    enum class Result { First, AnotherRunning, Failed };

    explicit SingleInstance(QString name = QString::fromLatin1(kInstanceName),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock. When another copy holds it, asks that copy to raise its window
    // (waiting up to `waitMs` for it to answer) and returns AnotherRunning.
    Result acquire(int waitMs = 3000);

    // The folder that holds the lock file and the socket, with a trailing "/".
    static QString runtimeFolder();
    QString lockPath() const;
    QString socketPath() const;

  Q_SIGNALS:
    // A later copy asked this one to bring its main window forward.
    void raiseRequested();

  private:
    bool listen();
    void onNewConnection();

    QString name_;
    int lockFd_ = -1;
    QLocalServer* server_ = nullptr;
};

}  // namespace platform
