#pragma once

#include "table/game_state.h"

namespace tandora {

// Every section, key and default of the per-user store, in one place.
namespace Settings {

inline constexpr const char* Options = "Options";
inline constexpr const char* MainWindow = "MainWindow";
inline constexpr const char* RecentFiles = "RecentFiles";
inline constexpr const char* Bank = "Bank";

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

StoredOptions storedOptionsOf(const GameState& state);
// Sets the options and the game of state. Several games resolve by the order 8/5, 9/6, Deuces Wild,
// Joker Poker; false when none is marked (the game then stays as it was).
bool applyStoredOptions(const StoredOptions& stored, GameState& state);

// The Strategy menu's options, in their own section; both start off.
inline constexpr const char* Strategy = "Strategy";
struct StrategyKey {
    const char* key;
    bool GameOptions::*option;
    const char* caption; // how the player knows the option
};
inline constexpr StrategyKey StrategyKeys[] = {
    {"ShowBestHold", &GameOptions::ShowBestHold, "Show Best Hold"},
    {"Trainer", &GameOptions::Trainer, "Trainer"},
};

inline constexpr const char* DefPoints = "DefPoints";
inline constexpr int DefPointsDefault = 80;
inline constexpr int DefPointsMinimum = 5;

inline constexpr const char* WindowState = "WindowState";
inline constexpr const char* Top = "Top";
inline constexpr const char* Left = "Left";
inline constexpr const char* FirstTime = "FirstTime";

inline constexpr const char* Credits = "Credits";

inline constexpr const char* EmptyRecentEntry = "-";

} // namespace Settings

} // namespace tandora
