// Every deal of every game, against published counts that do not come from the evaluator itself.
#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "engine/deal_enumeration.h"
#include "engine/evaluation.h"

namespace tandora {
namespace {

using H = HandCategory;

struct Published {
    GameType game;
    std::int64_t deals;
    // Paying hands as odds tables list them: the two straights together, as H::Straight.
    std::vector<std::pair<H, std::int64_t>> counts;
};

const std::vector<std::pair<H, std::int64_t>> JacksOrBetterCounts = {
    {H::NaturalRoyalFlush, 4}, {H::StraightFlush, 36}, {H::FourOfAKind, 624},    {H::FullHouse, 3744},
    {H::Flush, 5108},          {H::Straight, 10200},   {H::ThreeOfAKind, 54912}, {H::TwoPair, 123552},
    {H::HighPair, 337920}, // 4 of the 13 ranks of 1,098,240 one-pair hands
    {H::FiveOfAKind, 0},       {H::WildRoyalFlush, 0}, {H::FourDeuces, 0}};

const Published PublishedCounts[] = {
    {GameType::JacksOrBetter85, 2598960, JacksOrBetterCounts},
    {GameType::JacksOrBetter96, 2598960, JacksOrBetterCounts},
    {GameType::DeucesWild,
     2598960,
     {{H::NaturalRoyalFlush, 4},
      {H::FourDeuces, 48},
      {H::WildRoyalFlush, 480},
      {H::FiveOfAKind, 624},
      {H::StraightFlush, 2068},
      {H::FourOfAKind, 31552},
      {H::FullHouse, 12672},
      {H::Flush, 14472},
      {H::Straight, 62232},
      {H::ThreeOfAKind, 355080}}},
    {GameType::JokerPoker,
     2869685,
     {{H::NaturalRoyalFlush, 4},
      {H::FiveOfAKind, 13},
      {H::WildRoyalFlush, 20},
      {H::StraightFlush, 180},
      {H::FourOfAKind, 3120},
      {H::FullHouse, 6552},
      {H::Flush, 7804},
      {H::Straight, 20532},
      {H::ThreeOfAKind, 137280},
      {H::TwoPair, 123552},
      {H::HighPair, 262956},
      {H::FourDeuces, 0}}},
};

// Guards the scoring rules of every game against the published count of each paying hand over every deal.
TEST(ExhaustiveCounts, EveryGameMatchesThePublishedCounts) {
    for (const Published& p : PublishedCounts) {
        SCOPED_TRACE(gameCode(p.game));
        std::array<std::int64_t, HandCategoryCount> counts{};
        CardRank rank(p.game);
        EvalState state;
        const std::int64_t deals = forEachDeal(p.game, [&](const Hand& hand) {
            ++counts[static_cast<std::size_t>(toInt(evaluateHand(hand, flagsFor(p.game), rank, state)))];
        });
        EXPECT_EQ(deals, p.deals);
        counts[toInt(H::Straight)] += counts[toInt(H::AceHighStraight)];
        for (const auto& [category, count] : p.counts)
            EXPECT_EQ(counts[static_cast<std::size_t>(toInt(category))], count) << categoryName(category);
    }
}

} // namespace
} // namespace tandora
