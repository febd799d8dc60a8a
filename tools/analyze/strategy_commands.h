#pragma once

#include <string_view>
#include <vector>

#include "engine/game_draw.h"
#include "engine/pay_table.h"
#include "engine/simulation.h"

namespace tandora {

// Prints the 32 holds of the hand given as five card words, best first; with no words, of every hand read
// from standard input (one a line), each followed by a blank line.
// Values under the draw model.
int holdsCommand(GameType game, const PayTable& table, const std::vector<std::string_view>& cards, int coins,
                 DrawModel draw);

// Prints the return of the pay table under the best play, the chance of each paying category and the time
// taken.
int returnCommand(GameType game, const PayTable& table, int coins);

// Prints a strategy chart of at most maxLines lines, then its return and best play's; with hold set, reads
// hands from standard input instead and prints the line that applies to each and what it holds.
int chartCommand(GameType game, const PayTable& table, int coins, int maxLines, bool hold);

// Plays the hands and prints the return with its 95 % interval, the hands, the speed and the frequency of
// each paying category.
int simulateCommand(const SimulationOptions& options);

} // namespace tandora
