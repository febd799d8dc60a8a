#pragma once

#include "platform/settings_keys.h"
#include "table/game_state.h"

namespace tandora {

// How the store's options map onto the game's state.
namespace Settings {

StoredOptions storedOptionsOf(const GameState& state);
// Sets the options and the game of state. Several games resolve by the order 8/5, 9/6, Deuces Wild,
// Joker Poker; false when none is marked (the game then stays as it was).
bool applyStoredOptions(const StoredOptions& stored, GameState& state);

// The Strategy menu's options, in their own section; both start off.
struct StrategyKey {
    const char* key;
    bool GameOptions::*option;
    const char* caption; // how the player knows the option
};
inline constexpr StrategyKey StrategyKeys[] = {
    {ShowBestHold, &GameOptions::ShowBestHold, "Show Best Hold"},
    {Trainer, &GameOptions::Trainer, "Trainer"},
};

} // namespace Settings

} // namespace tandora
