#include "qt_system_info.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include "platform/qt/screen_units.h"

namespace tandora {

namespace {

QString defaultLockPath() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) {
        user = qEnvironmentVariable("USERNAME");
    }
    // The temporary folder may be shared between users; each has a lock of their own.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
        .filePath(QStringLiteral("tandora-%1.lock").arg(user));
}

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(640, 480);
}

} // namespace

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

bool QtSystemInfo::previousInstance() {
    if (lock_.isLocked() || lock_.tryLock(0)) {
        return false;
    }
    // A folder we cannot write to says nothing about other copies; only a live owner does.
    return lock_.error() == QLockFile::LockFailedError;
}

} // namespace tandora
