#include "shipped_files.h"

#include <QDir>
#include <QFileInfo>

namespace tandora {

QString installedDataFolder() {
#ifdef TANDORA_DATA_FROM_BIN
    return QStringLiteral(TANDORA_DATA_FROM_BIN);
#else
    return {};
#endif
}

QString shippedFilesFolder(const QString& programFolder, const QString& dataFolder) {
    // Only an install makes the data folder, so a build folder never finds one and keeps its own copies.
    if (!dataFolder.isEmpty()) {
        const QString installed = QDir::cleanPath(QDir(programFolder).filePath(dataFolder));
        if (QFileInfo(installed).isDir())
            return installed;
    }
    return QDir::cleanPath(programFolder);
}

} // namespace tandora
