#include "qt_system_info.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QScreen>
#include <QStandardPaths>

#include "platform/qt/screen_units.h"

namespace tandora {

namespace {

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(640, 480);
}

} // namespace

QString QtSystemInfo::defaultLockPath() {
    // The runtime folder is the user's own (owner only, checked by Qt), so no other user can hold or
    // block this lock, whatever the environment says the user is called.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        // No usable runtime folder: the user's cache folder is under their home and theirs alone.
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (!folder.isEmpty())
            QDir().mkpath(folder);
    }
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("tandora.lock"));
}

QtSystemInfo::QtSystemInfo(const QString& lockPath)
    : lock_(lockPath.isEmpty() ? defaultLockPath() : lockPath) {
    // A running copy never refreshes its lock, so only a dead owner makes it stale, never its age.
    lock_.setStaleLockTime(0);
}

int QtSystemInfo::twipsPerPixelX() const {
    return tandora::twipsPerPixelX();
}

int QtSystemInfo::twipsPerPixelY() const {
    return tandora::twipsPerPixelY();
}

int QtSystemInfo::screenWidth() const {
    return screenSize().width();
}

int QtSystemInfo::screenHeight() const {
    return screenSize().height();
}

SystemInfo::Area QtSystemInfo::availableArea(int x, int y) const {
    const QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    return {area.left(), area.top(), area.width(), area.height()};
}

QString QtSystemInfo::lockPath() const {
    return lock_.fileName();
}

bool QtSystemInfo::previousInstance() {
    if (lock_.isLocked() || lock_.tryLock(0)) {
        return false;
    }
    // A folder we cannot write to says nothing about other copies; only a live owner does.
    return lock_.error() == QLockFile::LockFailedError;
}

QString QtSystemInfo::serverName() const {
#ifdef Q_OS_WIN
    // Windows names pipes, not files: one per lock, so per user.
    return QStringLiteral("tandora-") + QString::number(qHash(lock_.fileName()), 16);
#else
    return lock_.fileName() + QStringLiteral(".socket");
#endif
}

bool QtSystemInfo::handToRunningCopy(const std::string& path) {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(2000))
        return false;
    socket.write(QByteArray::fromStdString(path) + '\n');
    const bool sent = socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(2000);
    return sent;
}

void QtSystemInfo::listenForOtherCopies(std::function<void(const std::string& path)> handler) {
    handler_ = std::move(handler);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A copy that ended without closing its server leaves the name behind; this copy holds the lock.
    QLocalServer::removeServer(serverName());
    if (!server_->listen(serverName()))
        return;
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                while (socket->canReadLine()) {
                    const QByteArray line = socket->readLine().chopped(1);
                    if (handler_)
                        handler_(line.toStdString());
                }
            });
        }
    });
}

} // namespace tandora
