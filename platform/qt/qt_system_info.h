#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <memory>

#include "platform/system_info.h"

namespace tandora {

// Screen facts of the primary screen, and a per-user lock file that tells a second copy of the program.
class QtSystemInfo : public SystemInfo {
public:
    // lockPath: the lock file; empty for defaultLockPath().
    explicit QtSystemInfo(const QString& lockPath = {});

    // The user's own lock file, in their private runtime folder.
    static QString defaultLockPath();
    QString lockPath() const;

    int twipsPerPixelX() const override;
    int twipsPerPixelY() const override;
    int screenWidth() const override;
    int screenHeight() const override;
    Area availableArea(int x, int y) const override;
    // Takes the lock if it can; the lock is held until this object goes.
    bool previousInstance() override;
    // Through a local socket beside the lock: the running copy's own, private to the user like the lock.
    bool handToRunningCopy(const std::string& path) override;
    void listenForOtherCopies(std::function<void(const std::string& path)> handler) override;

private:
    QString serverName() const;

    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void(const std::string&)> handler_;
};

} // namespace tandora
