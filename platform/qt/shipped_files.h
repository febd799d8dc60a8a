#pragma once

#include <QString>

namespace tandora {

// The installed data folder as seen from the installed program's folder, e.g. "../share/tandora".
QString installedDataFolder();

// Where the readme and the pages shipped with the program lie: the installed data folder when the program
// runs from an installed tree, otherwise the program's own folder (a build folder or an unpacked copy).
// dataFolder is relative to programFolder. The result is clean and has no trailing separator.
QString shippedFilesFolder(const QString& programFolder, const QString& dataFolder = installedDataFolder());

} // namespace tandora
