#include <gtest/gtest.h>

#include <bit>
#include <functional>

#include "engine/evaluation.h"
#include "engine/game_draw.h"
#include "engine/simulation.h"
#include "tests/support/cards.h"

namespace tandora {
namespace {

using testing_support::handOf;

// The table's draw followed literally, every allowed code of each position equally likely (drawCard's
// rejection loop): the exact value per coin of a hold.
double designedDrawValue(const Hand& dealt, unsigned mask, GameType game, int coins) {
    const DeckParams deck = deckFor(flagsFor(game));
    const PayTable table = payTableFor(game);
    Hand hand = dealt;
    const std::function<double(int)> fill = [&](int k) -> double {
        if (k == HandSize)
            return handPays(evaluateHand(hand, game), game, table, coins);
        if (mask >> k & 1)
            return fill(k + 1);
        std::vector<Card> allowed;
        for (int code = deck.first; code < deck.first + deck.count; ++code) {
            bool refused = false;
            for (int p = 0; p < HandSize && !refused; ++p)
                refused = (p <= k && dealt[static_cast<std::size_t>(p)] == code) ||
                          (p != k && (p < k || (mask >> p & 1)) && hand[static_cast<std::size_t>(p)] == code);
            if (!refused)
                allowed.push_back(static_cast<Card>(code));
        }
        double sum = 0;
        for (const Card c : allowed) {
            hand[static_cast<std::size_t>(k)] = c;
            sum += fill(k + 1);
        }
        hand[static_cast<std::size_t>(k)] = dealt[static_cast<std::size_t>(k)];
        return sum / static_cast<double>(allowed.size());
    };
    return fill(0) / coins;
}

// Guards the game's draw values: every hold discarding up to three cards equals the exhaustive walk of the
// table's draw, in each kind of game; equal holds keep more cards first; and the comeback chances of each
// number of discards add up to one.
TEST(GameDraw, ValuesEqualTheTablesDrawWalkedExhaustively) {
    const std::pair<GameType, const char*> hands[] = {{GameType::JacksOrBetter96, "Jh Jd Qc Ts 9s"},
                                                      {GameType::JacksOrBetter85, "9s Ts Js 3h Qs"},
                                                      {GameType::DeucesWild, "2c 7h 8h 9h Kd"},
                                                      {GameType::JokerPoker, "Kh 5c Jkr Qh 5d"}};
    for (const auto& [game, text] : hands) {
        SCOPED_TRACE(text);
        const Hand hand = handOf(text);
        const auto values = holdValuesFor(StrategyTables::forGame(game), hand, 5, DrawModel::Game);
        for (const HoldValue& v : values) {
            if (v.heldCount >= 2) {
                EXPECT_NEAR(v.ev, designedDrawValue(hand, v.mask, game, 5), 1e-9) << int{v.mask};
            }
        }
        for (std::size_t i = 1; i < values.size(); ++i)
            EXPECT_GE(values[i - 1].paid, values[i].paid) << "best first";
    }
    // Four kings pay the same kept whole or with the kicker drawn to: the hold keeping more cards is first.
    const auto quads = holdValuesFor(StrategyTables::forGame(GameType::JacksOrBetter85),
                                     handOf("Kh Kd Ks Kc 5c"), 5, DrawModel::Game);
    EXPECT_EQ(quads[0].heldCount * 10 + quads[1].heldCount, 54);
    for (int discarded = 0; discarded <= HandSize; ++discarded) {
        double total = 0;
        for (unsigned returned = 0; returned < 1u << discarded; ++returned)
            total += comebackChance(discarded, returned, 47);
        EXPECT_NEAR(total, 1.0, 1e-12) << discarded;
        EXPECT_EQ(comebackChance(discarded, 1, 47), 0) << "the first discard never comes back";
    }
    EXPECT_NEAR(comebackChance(2, 2, 47), 1.0 / 48, 1e-15);
}

// Guards the simulator: the deck model lands within its interval of the exact return, a seed gives the same
// figures on any number of threads, every hand is counted once, and a one-coin bet is priced per coin.
TEST(Simulation, AgreesWithTheExactReturnAndRepeatsItsSeed) {
    SimulationOptions o{.game = GameType::JacksOrBetter96, .hands = 300000, .seed = 7, .threads = 1};
    const SimulationResult one = simulate(o);
    o.threads = 2;
    const SimulationResult two = simulate(o);
    EXPECT_EQ(one.returnPercent, two.returnPercent);
    EXPECT_EQ(one.finals, two.finals);
    std::int64_t counted = 0;
    for (const auto n : one.finals)
        counted += n;
    EXPECT_EQ(counted, o.hands);
    EXPECT_NEAR(one.returnPercent, 99.5439, one.ci95);
    EXPECT_GT(one.ci95, 0.3);
    EXPECT_LT(one.ci95, 2.0);
    o.seed = 8;
    EXPECT_NE(simulate(o).returnPercent, one.returnPercent);
    o.coins = 1; // no royal flush bonus: 98.3735 % exactly
    const SimulationResult oneCoin = simulate(o);
    EXPECT_NEAR(oneCoin.returnPercent, 98.3735, oneCoin.ci95);
    EXPECT_THROW(simulate({.hands = 0}), std::invalid_argument);
    EXPECT_THROW(simulate({.coins = 6}), std::invalid_argument);
}

} // namespace
} // namespace tandora
