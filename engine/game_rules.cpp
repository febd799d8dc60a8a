#include "game_rules.h"

namespace tandora {

GameRules rulesFor(GameType game) {
    const GameFlags flags = flagsFor(game);
    return GameRules{game, flags, deckFor(flags), tandora::CardRank(game), payTableFor(game)};
}

} // namespace tandora
