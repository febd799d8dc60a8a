#include "shell/settings_registry.h"

#include "engine/known_pay_tables.h"
#include "table/value_text.h"

namespace tandora {

namespace Settings {

StoredOptions storedOptionsOf(const GameState& state) {
    const GameOptions& o = state.options;
    StoredOptions stored;
    stored.LoadLastGame = o.LoadLastGame;
    stored.JacksOrBetter = state.game() == GameType::JacksOrBetter85;
    stored.JacksOrBetter96 = state.game() == GameType::JacksOrBetter96;
    stored.JokerPoker = state.game() == GameType::JokerPoker;
    stored.DeucesWild = state.game() == GameType::DeucesWild;
    stored.DoubleUp = o.DoubleUpOn;
    stored.SoundEffects = o.SoundEffects;
    stored.RedDeck = o.deck == Deck::Red;
    stored.BlueDeck = o.deck == Deck::Blue;
    return stored;
}

bool applyStoredOptions(const StoredOptions& stored, GameState& state) {
    GameOptions& o = state.options;
    o.LoadLastGame = stored.LoadLastGame;
    o.DoubleUpOn = stored.DoubleUp;
    o.SoundEffects = stored.SoundEffects;
    o.deck = stored.RedDeck ? Deck::Red : Deck::Blue;
    const std::pair<bool, GameType> games[] = {{stored.JacksOrBetter, GameType::JacksOrBetter85},
                                               {stored.JacksOrBetter96, GameType::JacksOrBetter96},
                                               {stored.DeucesWild, GameType::DeucesWild},
                                               {stored.JokerPoker, GameType::JokerPoker}};
    for (const auto& [marked, game] : games) {
        if (marked) {
            state.setGame(game);
            return true;
        }
    }
    return false;
}

} // namespace Settings

std::string SettingsRegistry::get(const char* section, const std::string& key,
                                  const std::string& defaultValue) const {
    return ctx_.platform.settings.getSetting(AppTitle, section, key, defaultValue);
}

bool SettingsRegistry::save(const char* section, const std::string& key, const std::string& value) {
    return ctx_.platform.settings.saveSetting(AppTitle, section, key, value);
}

void SettingsRegistry::SaveGetRegEntries(SettingsMode mode) {
    if (mode == SettingsMode::Load)
        load();
    else
        saveAll();
}

void SettingsRegistry::load() {
    GameState& s = ctx_.state;
    // A text that does not convert leaves that option as it was.
    Settings::StoredOptions stored = Settings::storedOptionsOf(s);
    for (const auto& option : Settings::OptionKeys) {
        if (const auto value =
                parseBoolean(get(Settings::Options, option.key, booleanText(option.defaultValue))))
            stored.*option.mark = *value;
    }
    loadChoseAGame_ = Settings::applyStoredOptions(stored, s);
    // Any other amount would make every later save a game file that does not open.
    const std::int16_t defaultPoints = GameOptions{}.iDefaultPoints;
    const auto points =
        parseInt16(get(Settings::Options, Settings::DefPoints, std::to_string(defaultPoints)));
    s.options.iDefaultPoints = points && Settings::isDefPointsChoice(*points) ? *points : defaultPoints;
    loadStrategyOptions();
    loadPayTables();
    for (int n = 1; n <= RecentFileEntries; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        s.RecentTitles[i] =
            get(Settings::RecentFiles, Settings::recentTitleKey(n), Settings::EmptyRecentEntry);
        s.RecentPaths[i] = get(Settings::RecentFiles, Settings::recentFileKey(n), Settings::EmptyRecentEntry);
    }
}

// Unlike the designed options, a value that is not a Boolean is named to the player, and the option
// stays off.
void SettingsRegistry::loadStrategyOptions() {
    GameOptions& o = ctx_.state.options;
    for (const auto& option : Settings::StrategyKeys) {
        const std::string text = get(Settings::Strategy, option.key, booleanText(false));
        const auto value = parseBoolean(text);
        o.*option.option = value.value_or(false);
        if (!value)
            ctx_.messageBox(std::string("The saved setting ") + Settings::Strategy + "/" + option.key +
                                " is \"" + text + "\", which is neither True nor False. " + option.caption +
                                " stays off.",
                            MsgStyle::Exclamation, AppTitle);
    }
}

// A table that does not read is named to the player, and the game plays its designed table.
void SettingsRegistry::loadPayTables() {
    GameState& s = ctx_.state;
    for (const GameType game : AllGames) {
        const std::string text = get(Settings::PayTables, std::string(gameCode(game)), "");
        auto& chosen = s.options.payTables[static_cast<std::size_t>(game)];
        chosen.reset();
        if (text.empty())
            continue;
        const auto table = parsePayTableText(game, text);
        if (const auto* problem = std::get_if<std::string>(&table)) {
            ctx_.messageBox(std::string("The saved setting ") + Settings::PayTables + "/" +
                                std::string(gameCode(game)) + " is \"" + text +
                                "\", which is no pay table: " + *problem + ". " +
                                std::string(gameName(game)) + " plays its own table.",
                            MsgStyle::Exclamation, AppTitle);
            continue;
        }
        if (std::get<PayTable>(table) != payTableFor(game))
            chosen = std::get<PayTable>(table);
    }
    // The game was chosen before its table was known.
    s.setGame(s.game());
}

void SettingsRegistry::saveAll() {
    TableView& view = ctx_.view();
    const GameState& s = ctx_.state;
    // A write the store refuses is skipped; the others still go in.
    const Settings::StoredOptions stored = Settings::storedOptionsOf(s);
    for (const auto& option : Settings::OptionKeys)
        (void)save(Settings::Options, option.key, booleanText(stored.*option.mark));
    (void)save(Settings::Options, Settings::DefPoints, std::to_string(s.options.iDefaultPoints));
    for (const auto& option : Settings::StrategyKeys)
        (void)save(Settings::Strategy, option.key, booleanText(s.options.*option.option));
    for (const GameType game : AllGames) {
        const auto& chosen = s.options.payTables[static_cast<std::size_t>(game)];
        (void)save(Settings::PayTables, std::string(gameCode(game)),
                   chosen ? payTableText(game, *chosen) : "");
    }
    for (int n = 1; n <= RecentFileEntries; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        (void)save(Settings::RecentFiles, Settings::recentFileKey(n), s.RecentPaths[i]);
        (void)save(Settings::RecentFiles, Settings::recentTitleKey(n), s.RecentTitles[i]);
    }
    (void)save(Settings::Display, Settings::Scale, std::to_string(view.tableScale()));
    // A minimised window keeps the placement stored before it.
    if (view.windowState() == 1)
        return;
    (void)save(Settings::MainWindow, Settings::WindowState, std::to_string(view.windowState()));
    (void)save(Settings::MainWindow, Settings::Top, numberText(view.windowTop()));
    (void)save(Settings::MainWindow, Settings::Left, numberText(view.windowLeft()));
}

} // namespace tandora
