#pragma once

#include <string_view>
#include <vector>

#include "engine/game_type.h"
#include "engine/pay_table.h"

namespace tandora {

// Prints the 32 holds of the hand given as five card words, best first; with no words, of every hand read
// from standard input (one a line), each followed by a blank line.
int holdsCommand(GameType game, const PayTable& table, const std::vector<std::string_view>& cards, int coins);

// Prints the return of the pay table under the best play, the chance of each paying category and the time
// taken.
int returnCommand(GameType game, const PayTable& table, int coins);

} // namespace tandora
