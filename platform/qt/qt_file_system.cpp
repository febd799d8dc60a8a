#include "qt_file_system.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tandora {

namespace {

QString fromPath(const std::string& path) {
    return QString::fromStdString(path);
}

} // namespace

bool QtFileSystem::exists(const std::string& path) const {
    const QFileInfo info(fromPath(path));
    return info.exists() && info.isFile();
}

ReadResult QtFileSystem::readAll(const std::string& path, std::size_t maxBytes) const {
    QFile file(fromPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, file.errorString().toStdString()};
    if (static_cast<std::size_t>(file.size()) > maxBytes)
        return {false, {}, "The file is too large."};
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return {false, {}, file.errorString().toStdString()};
    if (static_cast<std::size_t>(bytes.size()) > maxBytes)
        return {false, {}, "The file is too large."};
    return {true, bytes.toStdString(), {}};
}

FileResult QtFileSystem::writeAtomically(const std::string& path, const std::string& bytes) {
    // QSaveFile writes a temporary file in the same folder and renames it over the old one on commit.
    QSaveFile file(fromPath(path));
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString().toStdString()};
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const std::string error = file.errorString().toStdString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString().toStdString()};
    return {};
}

FileResult QtFileSystem::appendText(const std::string& path, const std::string& text) {
    if (!exists(path))
        return {false, "The file does not exist."};
    QFile file(fromPath(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return {false, file.errorString().toStdString()};
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.flush())
        return {false, file.errorString().toStdString()};
    return {};
}

} // namespace tandora
