#include "shell/settings_registry.h"

#include "shell/settings_keys.h"
#include "shell/value_text.h"

namespace tandora {

namespace {

std::string fileKey(int n) {
    return "File " + std::to_string(n);
}
std::string titleKey(int n) {
    return "Title " + std::to_string(n);
}

} // namespace

std::string SettingsRegistry::get(const char* section, const std::string& key,
                                  const std::string& defaultValue) const {
    return ctx_.platform.settings.getSetting(AppTitle, section, key, defaultValue);
}

void SettingsRegistry::save(const char* section, const std::string& key, const std::string& value) {
    ctx_.platform.settings.saveSetting(AppTitle, section, key, value);
}

void SettingsRegistry::SaveGetRegEntries(int mode) {
    if (mode == SettingsMode::Load)
        load();
    else if (mode == SettingsMode::Save)
        saveAll();
    else
        ctx_.messageBox("Invalid parameter.", MsgStyle::Critical, "SaveGetRegEntries");
}

void SettingsRegistry::load() {
    TableView& view = ctx_.view();
    GameState& s = ctx_.state;
    // A text that does not convert leaves the option as it was.
    for (const auto& option : Settings::OptionKeys) {
        if (const auto value =
                parseBoolean(get(Settings::Options, option.key, booleanText(option.defaultValue))))
            view.setMenuChecked({option.item}, *value);
    }
    if (const auto points = parseInt16(
            get(Settings::Options, Settings::DefPoints, std::to_string(Settings::DefPointsDefault))))
        s.iDefaultPoints = *points;
    if (s.iDefaultPoints < Settings::DefPointsMinimum)
        s.iDefaultPoints = Settings::DefPointsDefault;
    for (int n = 1; n <= RecentFileEntries; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        s.RecentTitles[i] = get(Settings::RecentFiles, titleKey(n), Settings::EmptyRecentEntry);
        s.RecentPaths[i] = get(Settings::RecentFiles, fileKey(n), Settings::EmptyRecentEntry);
    }
}

void SettingsRegistry::saveAll() {
    TableView& view = ctx_.view();
    const GameState& s = ctx_.state;
    for (const auto& option : Settings::OptionKeys)
        save(Settings::Options, option.key, booleanText(view.isMenuChecked({option.item})));
    save(Settings::Options, Settings::DefPoints, std::to_string(s.iDefaultPoints));
    for (int n = 1; n <= RecentFileEntries; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        save(Settings::RecentFiles, fileKey(n), s.RecentPaths[i]);
        save(Settings::RecentFiles, titleKey(n), s.RecentTitles[i]);
    }
    // A minimised window keeps the placement stored before it.
    if (view.windowState() == 1)
        return;
    save(Settings::MainWindow, Settings::WindowState, std::to_string(view.windowState()));
    save(Settings::MainWindow, Settings::Top, numberText(view.windowTop()));
    save(Settings::MainWindow, Settings::Left, numberText(view.windowLeft()));
}

} // namespace tandora
