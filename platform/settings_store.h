#pragma once

#include <string>

namespace tandora {

// The per-user store: application, section and key map to text.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultValue when nothing is stored under the key.
    virtual std::string getSetting(const std::string& application, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) const = 0;
    // False when the value could not be written (a read-only or full store).
    [[nodiscard]] virtual bool saveSetting(const std::string& application, const std::string& section,
                                           const std::string& key, const std::string& value) = 0;
};

} // namespace tandora
