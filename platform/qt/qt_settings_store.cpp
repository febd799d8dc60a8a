#include "qt_settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace tandora {

QtSettingsStore::QtSettingsStore(const QString& folder) : folder_(folder) {
    if (folder_.isEmpty()) {
        folder_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/Tandora");
    }
}

std::unique_ptr<QSettings> QtSettingsStore::open(const std::string& application) const {
#ifdef Q_OS_WIN
    Q_UNUSED(application);
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings"), QSettings::NativeFormat);
#else
    QDir().mkpath(folder_);
    return std::make_unique<QSettings>(folder_ + QLatin1Char('/') + QString::fromStdString(application) +
                                           QStringLiteral(".ini"),
                                       QSettings::IniFormat);
#endif
}

QString QtSettingsStore::path(const std::string& application, const std::string& section,
                              const std::string& key) const {
    const QString inFile = QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
#ifdef Q_OS_WIN
    return QString::fromStdString(application) + QLatin1Char('/') + inFile;
#else
    Q_UNUSED(application);
    return inFile;
#endif
}

std::string QtSettingsStore::getSetting(const std::string& application, const std::string& section,
                                        const std::string& key, const std::string& defaultValue) const {
    const auto settings = open(application);
    const QVariant value = settings->value(path(application, section, key));
    if (!value.isValid()) {
        return defaultValue;
    }
    // A hand-edited INI value with commas reads as a list; the game wants the text as written.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    }
    return value.toString().toStdString();
}

bool QtSettingsStore::saveSetting(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& value) {
    const auto settings = open(application);
    if (!settings->isWritable()) {
        return false;
    }
    settings->setValue(path(application, section, key), QString::fromStdString(value));
    // Written at once: the credit bank must survive a crash.
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace tandora
