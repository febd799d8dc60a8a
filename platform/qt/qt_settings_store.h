#pragma once

#include <QString>
#include <memory>

#include "platform/settings_store.h"

class QSettings;

namespace tandora {

// The per-user store. On Windows it is the registry key the classic runtime used, so settings of
// earlier versions carry over; elsewhere one INI file per application, group = section.
class QtSettingsStore : public SettingsStore {
public:
    // folder: where the INI files go (ignored on Windows); empty for the user's config folder.
    explicit QtSettingsStore(const QString& folder = {});

    std::string getSetting(const std::string& application, const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    bool saveSetting(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& value) override;

private:
    std::unique_ptr<QSettings> open(const std::string& application) const;
    QString path(const std::string& application, const std::string& section, const std::string& key) const;

    QString folder_;
};

} // namespace tandora
