// The tables the strategy prices draws from, against the evaluation they stand for.
#include <gtest/gtest.h>

#include "engine/colex_rank.h"
#include "engine/deal_enumeration.h"
#include "engine/draw_counts.h"
#include "engine/evaluation.h"
#include "tests/support/cards.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::handOf;
using testing_support::textOf;

class TablesOfGame : public testing::TestWithParam<GameType> {};

// Guards the table-driven evaluation: the stored category of every hand of the deck is evaluateHand's.
TEST_P(TablesOfGame, StoreEvaluateHandsCategoryForEveryHand) {
    const GameType game = GetParam();
    const DrawCounts counts(game);
    std::int64_t mismatches = 0;
    forEachDeal(game, [&](const Hand& hand) {
        std::array<int, HandSize> places{};
        for (std::size_t i = 0; i < HandSize; ++i)
            places[i] = counts.placeOf(hand[i]);
        const HandCategory stored = counts.category(colexRank(places, HandSize));
        if (stored != evaluateHand(hand, game) && mismatches++ < 5)
            ADD_FAILURE() << textOf(hand, HandSize) << " stored as " << categoryName(stored);
    });
    EXPECT_EQ(mismatches, 0);
}

// Guards the suit classes the return is summed over: weighted, they give every category as often as
// the deals themselves, and there are as many classes as combinatorics says.
TEST_P(TablesOfGame, SuitClassesStandForEveryDealWithTheRightWeight) {
    const GameType game = GetParam();
    std::array<std::int64_t, HandCategoryCount> byDeal{}, byClass{};
    forEachDeal(
        game, [&](const Hand& hand) { ++byDeal[static_cast<std::size_t>(toInt(evaluateHand(hand, game)))]; });
    const std::int64_t classes = forEachSuitClass(game, [&](const Hand& hand, int weight) {
        byClass[static_cast<std::size_t>(toInt(evaluateHand(hand, game)))] += weight;
    });
    EXPECT_EQ(byClass, byDeal);
    // 134,459 five-card hands up to suits; the joker adds one for each of the 16,432 four-card ones.
    EXPECT_EQ(classes, game == GameType::JokerPoker ? 134459 + 16432 : 134459);
}

INSTANTIATE_TEST_SUITE_P(Games, TablesOfGame, testing::ValuesIn(AllGames),
                         [](const testing::TestParamInfo<GameType>& g) {
                             return std::string(gameCode(g.param));
                         });

} // namespace
} // namespace tandora
