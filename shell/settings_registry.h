#pragma once

#include "shell/settings_keys.h"
#include "table/table_context.h"

namespace tandora {

enum class SettingsMode { Save = 1, Load = 2 };

// Loads or saves the options, the default credits and the recent files as one block.
class SettingsRegistry {
public:
    explicit SettingsRegistry(TableContext context) : ctx_(context) {}

    void SaveGetRegEntries(SettingsMode mode);
    // After a load: false when the store marked none of the four games.
    bool loadChoseAGame() const { return loadChoseAGame_; }

    // One value of the program's own application entry.
    std::string get(const char* section, const std::string& key, const std::string& defaultValue) const;
    // False when the store refused the value.
    bool save(const char* section, const std::string& key, const std::string& value);

private:
    void load();
    void loadStrategyOptions();
    void loadPayTables();
    void saveAll();

    TableContext ctx_;
    bool loadChoseAGame_ = true;
};

} // namespace tandora
