#include "qt_desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

namespace tandora {

int QtDesktop::openDocument(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists())
        return ShellResult::FileNotFound;
    if (!info.isReadable())
        return ShellResult::AccessDenied;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()))
               ? ShellResult::Success
               : ShellResult::NoAssociation;
}

int QtDesktop::openWebAddress(const std::string& address) {
    const QUrl url(QString::fromStdString(address));
    if (!url.isValid())
        return ShellResult::FileNotFound;
    return QDesktopServices::openUrl(url) ? ShellResult::Success : ShellResult::NoAssociation;
}

bool QtDesktop::startProgram(const std::string& path, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& a : arguments)
        args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(path), args);
}

std::string QtDesktop::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string QtDesktop::documentsFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

} // namespace tandora
