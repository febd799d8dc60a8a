#pragma once

#include "platform/controls.h"

namespace tandora {

// Every section, key and default of the per-user store, in one place.
namespace Settings {

inline constexpr const char* Options = "Options";
inline constexpr const char* MainWindow = "MainWindow";
inline constexpr const char* RecentFiles = "RecentFiles";
inline constexpr const char* Bank = "Bank";

struct OptionKey {
    const char* key;
    MenuItem item;
    bool defaultValue;
};

// In the order they are loaded and saved.
inline constexpr OptionKey OptionKeys[] = {
    {"LoadLastGame", MenuItem::GameMenu_LoadLastFile, false},
    {"JacksOrBetter", MenuItem::OptionsMenu_JacksOrBetter, true},
    {"JacksOrBetter96", MenuItem::OptionsMenu_JacksOrBetter96, false},
    {"JokerPoker", MenuItem::OptionsMenu_JokerPoker, false},
    {"DeucesWild", MenuItem::OptionsMenu_DeucesWild, false},
    {"DoubleUp", MenuItem::OptionsMenu_DoubleUp, true},
    {"SoundEffects", MenuItem::OptionsMenu_SoundEffects, true},
    {"RedDeck", MenuItem::OptionsMenu_SelectDeck_RedDeck, true},
    {"BlueDeck", MenuItem::OptionsMenu_SelectDeck_BlueDeck, false},
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
