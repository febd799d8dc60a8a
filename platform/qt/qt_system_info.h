#pragma once

#include <QLockFile>
#include <QString>

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
    // Takes the lock if it can; the lock is held until this object goes.
    bool previousInstance() override;

private:
    QLockFile lock_;
};

} // namespace tandora
