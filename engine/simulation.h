#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game_draw.h"

namespace tandora {

struct SimulationOptions {
    GameType game = GameType::JacksOrBetter96;
    std::int64_t hands = 10'000'000;
    std::uint64_t seed = 1;
    int coins = MaxCoins;
    DrawModel draw = DrawModel::Deck;
    int threads = 1;
    std::optional<PayTable> table = std::nullopt; // the game's designed table when empty
};

struct SimulationResult {
    std::int64_t hands = 0;
    double returnPercent = 0;                             // paid per coin bet, in percent
    double ci95 = 0;                                      // half-width of the 95 % interval of returnPercent
    std::array<std::int64_t, HandCategoryCount> finals{}; // final hands per category
    double seconds = 0;
};

// Plays hands with the game's own deal and draw (drawCard) and the best hold for the draw model: under
// Game each deal also refuses the previous hand's codes position by position, as the table deals; under
// Deck every deal is a fresh deal and the draw takes from the cards not dealt. The hands are played in
// chunks of a fixed size, each with its own generator seeded from the seed and the chunk's number, so a
// seed gives the same figures for any number of threads. Throws std::invalid_argument for coins outside 1
// to 5, hands below 1 or threads below 1.
SimulationResult simulate(const SimulationOptions& options);

} // namespace tandora
