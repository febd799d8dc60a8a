// The tables the strategy prices draws from, and the pay table returns they give.
#include <gtest/gtest.h>

#include "engine/colex_rank.h"
#include "engine/deal_enumeration.h"
#include "engine/draw_counts.h"
#include "engine/evaluation.h"
#include "engine/strategy_tables.h"

namespace tandora {
namespace {

using G = GameType;

// Guards, for every game: the table-driven evaluation (the stored category of every hand of the deck is
// evaluateHand's); the suit classes the return is summed over (weighted, they give every category as often
// as the deals, and there are as many as combinatorics says); and the return on one, three and five coins,
// whose final-hand probabilities add up to one and price it on the bet's own payouts, and whose own search
// for the best hold agrees with every class of deals played by holdValues' first hold. Jacks or Better's
// returns at five coins are the figures every video poker reference prints.
TEST(StrategyTables, AgreeWithEvaluationOverEveryDealAndGiveThePublishedReturns) {
    EXPECT_NEAR(payTableReturn(G::JacksOrBetter85, 5).returnPercent, 97.2984, 0.00005);
    EXPECT_NEAR(payTableReturn(G::JacksOrBetter96, 5).returnPercent, 99.5439, 0.00005);
    for (const GameType game : AllGames) {
        SCOPED_TRACE(gameCode(game));
        const DrawCounts counts(game);
        std::int64_t mismatches = 0;
        std::array<std::int64_t, HandCategoryCount> byDeal{}, byClass{};
        const std::int64_t deals = forEachDeal(game, [&](const Hand& hand) {
            std::array<int, HandSize> places{};
            for (std::size_t i = 0; i < HandSize; ++i)
                places[i] = counts.placeOf(hand[i]);
            const HandCategory category = evaluateHand(hand, game);
            ++byDeal[static_cast<std::size_t>(toInt(category))];
            mismatches += counts.category(colexRank(places, HandSize)) != category;
        });
        EXPECT_EQ(mismatches, 0);
        const StrategyTables& tables = StrategyTables::forGame(game);
        std::array<long double, MaxCoins + 1> bestSum{};
        const std::int64_t classes = forEachSuitClass(game, [&](const Hand& hand, int weight) {
            byClass[static_cast<std::size_t>(toInt(evaluateHand(hand, game)))] += weight;
            for (const int coins : {1, 3, 5})
                bestSum[coins] += weight * tables.holdValues(hand, coins)[0].ev;
        });
        EXPECT_EQ(byClass, byDeal);
        // 134,459 five-card hands up to suits; the joker adds one for each of the 16,432 four-card ones.
        EXPECT_EQ(classes, game == G::JokerPoker ? 134459 + 16432 : 134459);
        for (const int coins : {1, 3, 5}) {
            SCOPED_TRACE(testing::Message() << coins << " coins");
            const ReturnResult result = payTableReturn(game, coins);
            double total = 0, percent = 0;
            for (std::size_t c = 0; c < HandCategoryCount; ++c) {
                EXPECT_GE(result.probability[c], 0);
                total += result.probability[c];
                percent += 100.0 * result.probability[c] *
                           handPays(static_cast<HandCategory>(c), game, payTableFor(game), coins) / coins;
            }
            EXPECT_NEAR(total, 1.0, 1e-12);
            EXPECT_NEAR(result.returnPercent, percent, 1e-9);
            EXPECT_NEAR(tables.payTableReturn(coins).returnPercent,
                        static_cast<double>(100 * bestSum[coins] / static_cast<long double>(deals)), 1e-9);
        }
    }
}

} // namespace
} // namespace tandora
