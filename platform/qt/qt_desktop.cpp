#include "qt_desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include "platform/qt/shipped_files.h"

namespace tandora {

int QtDesktop::open(const QUrl& url) const {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Linux desktops hand documents on through xdg-open; a system without it has no launcher at all.
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open"), toolFolders_).isEmpty())
        return ShellResult::NoLauncher;
#endif
    return QDesktopServices::openUrl(url) ? ShellResult::Success : ShellResult::NoAssociation;
}

int QtDesktop::openDocument(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists())
        return ShellResult::FileNotFound;
    if (!info.isReadable())
        return ShellResult::AccessDenied;
    return open(QUrl::fromLocalFile(info.absoluteFilePath()));
}

int QtDesktop::openWebAddress(const std::string& address) {
    const QUrl url(QString::fromStdString(address));
    if (!url.isValid())
        return ShellResult::FileNotFound;
    return open(url);
}

bool QtDesktop::startProgram(const std::string& path, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& a : arguments)
        args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(path), args);
}

std::string QtDesktop::programFolder() const {
    return shippedFilesFolder(QCoreApplication::applicationDirPath()).toStdString();
}

std::string QtDesktop::documentsFolder() const {
    // A folder that is not there would make the file dialogs propose a file of its name.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents.toStdString();
    return QDir::homePath().toStdString();
}

bool QtDesktop::installerKeepsUninstallLog() const {
    // Only the Windows setup keeps one; Linux packages and unpacked copies have none.
#ifdef _WIN32
    return true;
#else
    return false;
#endif
}

std::string QtDesktop::systemInformationTool() const {
#ifdef _WIN32
    // Where Windows records its System Information tool, then the tool on the search path.
    const QSettings msinfo(QStringLiteral(R"(HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO)"),
                           QSettings::NativeFormat);
    const QString path = msinfo.value(QStringLiteral("PATH")).toString();
    if (!path.isEmpty() && QFileInfo::exists(path))
        return QDir::toNativeSeparators(path).toStdString();
    const QSettings location(QStringLiteral(R"(HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools Location)"),
                             QSettings::NativeFormat);
    const QString folder = location.value(QStringLiteral("MSINFO")).toString();
    if (!folder.isEmpty() && QFileInfo::exists(folder + QStringLiteral("\\MSINFO32.EXE")))
        return QDir::toNativeSeparators(folder + QStringLiteral("\\MSINFO32.EXE")).toStdString();
    const char* const names[] = {"msinfo32"};
#else
    // The desktops' own system information programs, the most informative first.
    const char* const names[] = {"hardinfo", "gnome-system-monitor", "kinfocenter", "lshw-gtk"};
#endif
    for (const char* name : names) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name), toolFolders_);
        if (!found.isEmpty())
            return found.toStdString();
    }
    return {};
}

} // namespace tandora
