#pragma once

#include "card.h"
#include "game_type.h"
#include "pay_table.h"

namespace tandora {

// Everything that follows from the game in play. Derived in one place so that the wild-card flags,
// the rank of code 0, the deck and the pay table can never disagree with each other.
struct GameRules {
    GameType game;
    GameFlags flags;
    DeckParams deck;
    tandora::CardRank CardRank;
    tandora::PayTable PayTable;
};

// The game with its designed pay table, or with the table given.
GameRules rulesFor(GameType game);
GameRules rulesFor(GameType game, const tandora::PayTable& table);

} // namespace tandora
