#include "game_rules.h"

namespace tandora {

GameRules rulesFor(GameType game) {
    return rulesFor(game, payTableFor(game));
}

GameRules rulesFor(GameType game, const tandora::PayTable& table) {
    const GameFlags flags = flagsFor(game);
    return GameRules{game, flags, deckFor(flags), tandora::CardRank(game), table};
}

} // namespace tandora
