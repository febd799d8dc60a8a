#pragma once

#include <string>
#include <vector>

#include "engine/game_type.h"
#include "platform/help_viewer.h"

namespace tandora {

// The program's help, written for a new player: how to play, the games and their pay tables, strategy,
// the Double Up, credits, game files and keys. Built into the program, so it can never go missing.
HelpBook helpBook();

// One row of a game's pay table as the help shows it: what the hand pays for one to five coins.
struct PayTableLine {
    std::string hand;
    std::vector<int> pays;
};
// The paying hands of a game in the order of its own pay table, priced as the game pays them.
std::vector<PayTableLine> payTableLines(GameType game);

} // namespace tandora
