#include "platform/qt/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <cerrno>

namespace platform {
namespace {

const QByteArray kRaise = QByteArrayLiteral("raise\n");

// Connects to the running copy and asks it to raise its window. The running copy may
// still be starting, so the connection is retried until the time is up.
void askRunningCopyToRaise(const QString& socketPath, int waitMs) {
    QElapsedTimer timer;
    timer.start();
    do {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(200)) {
            socket.write(kRaise);
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(50);
    } while (timer.elapsed() < waitMs);
}

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (server_)
        server_->close();
    if (lockFd_ >= 0) {
        ::flock(lockFd_, LOCK_UN);
        ::close(lockFd_);
    }
}

QString SingleInstance::runtimeFolder() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString SingleInstance::lockPath() const {
    return runtimeFolder() + name_ + QStringLiteral(".lock");
}

QString SingleInstance::socketPath() const {
    return runtimeFolder() + name_;
}

SingleInstance::Result SingleInstance::acquire(int waitMs) {
    const QByteArray path = QFile::encodeName(lockPath());
    lockFd_ = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0)
        return Result::Failed;
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        const bool taken = errno == EWOULDBLOCK;
        ::close(lockFd_);
        lockFd_ = -1;
        if (!taken)
            return Result::Failed;
        askRunningCopyToRaise(socketPath(), waitMs);
        return Result::AnotherRunning;
    }
    // Without the socket a later copy cannot raise this one, but this copy still runs.
    listen();
    return Result::First;
}

bool SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so a socket file left there belongs to a copy that crashed.
    QLocalServer::removeServer(socketPath());
    if (!server_->listen(socketPath()))
        return false;
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return true;
}

void SingleInstance::onNewConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto check = [this, socket] {
            if (socket->readAll().contains(kRaise.trimmed()))
                Q_EMIT raiseRequested();
        };
        connect(socket, &QLocalSocket::readyRead, this, check);
        if (socket->bytesAvailable() > 0)
            check();
    }
}

}  // namespace platform
