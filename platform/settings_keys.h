#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

namespace tandora {

// Every section and key of the per-user store, in one place; the credit bank, the options and the
// uninstall log all name them from here.
namespace Settings {

inline constexpr const char* Options = "Options";
inline constexpr const char* MainWindow = "MainWindow";
inline constexpr const char* RecentFiles = "RecentFiles";
inline constexpr const char* Bank = "Bank";
inline constexpr const char* Strategy = "Strategy";
// Our own: how big the table is drawn.
inline constexpr const char* Display = "Display";
// The pay table each game plays, keyed by the game's code; empty for its designed table.
inline constexpr const char* PayTables = "PayTables";

// The option check marks as the store keeps them: nine independent Booleans.
struct StoredOptions {
    bool LoadLastGame = false;
    bool JacksOrBetter = true;
    bool JacksOrBetter96 = false;
    bool JokerPoker = false;
    bool DeucesWild = false;
    bool DoubleUp = true;
    bool SoundEffects = true;
    bool RedDeck = true;
    bool BlueDeck = false;
};

struct OptionKey {
    const char* key;
    bool StoredOptions::*mark;
    bool defaultValue;
};

// In the order they are loaded and saved.
inline constexpr OptionKey OptionKeys[] = {
    {"LoadLastGame", &StoredOptions::LoadLastGame, false},
    {"JacksOrBetter", &StoredOptions::JacksOrBetter, true},
    {"JacksOrBetter96", &StoredOptions::JacksOrBetter96, false},
    {"JokerPoker", &StoredOptions::JokerPoker, false},
    {"DeucesWild", &StoredOptions::DeucesWild, false},
    {"DoubleUp", &StoredOptions::DoubleUp, true},
    {"SoundEffects", &StoredOptions::SoundEffects, true},
    {"RedDeck", &StoredOptions::RedDeck, true},
    {"BlueDeck", &StoredOptions::BlueDeck, false},
};

inline constexpr const char* ShowBestHold = "ShowBestHold";
inline constexpr const char* Trainer = "Trainer";

inline constexpr const char* DefPoints = "DefPoints";
// The amounts the Change Default dialog offers; the store and game files keep no others.
inline constexpr int DefPointsChoices[] = {5, 10, 20, 40, 50, 80, 100, 200, 400};
constexpr bool isDefPointsChoice(std::int64_t amount) {
    return std::find(std::begin(DefPointsChoices), std::end(DefPointsChoices), amount) !=
           std::end(DefPointsChoices);
}

inline constexpr const char* WindowState = "WindowState";
inline constexpr const char* Top = "Top";
inline constexpr const char* Left = "Left";
inline constexpr const char* FirstTime = "FirstTime";
// A whole percentage of the table's designed size.
inline constexpr const char* Scale = "Scale";

inline constexpr const char* Credits = "Credits";

inline std::string recentFileKey(int n) {
    return "File " + std::to_string(n);
}
inline std::string recentTitleKey(int n) {
    return "Title " + std::to_string(n);
}
inline constexpr const char* EmptyRecentEntry = "-";

} // namespace Settings

} // namespace tandora
