// The scoring rules of every game.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>

#include "engine/deal_enumeration.h"
#include "engine/evaluation.h"
#include "tests/support/cards.h"

namespace tandora {
namespace {

using testing_support::handOf;
using G = GameType;
using H = HandCategory;

// Guards hands whose score a plausible slip in the rules would change; the exhaustive counts below cover
// every other hand, these name the slip.
TEST(Evaluation, EdgeCasesScoreAsTheRulesSay) {
    const std::tuple<G, const char*, H> rows[] = {
        {G::JacksOrBetter85, "Th Td 2c 5s 8h", H::NoWin}, // tens pay nothing
        {G::JacksOrBetter85, "Jh Jd 2c 5s 8h", H::HighPair},
        {G::JacksOrBetter85, "Ah 2d 3c 4s 5h", H::Straight},
        {G::JacksOrBetter85, "Th Jd Qc Ks Ah", H::AceHighStraight},
        {G::JacksOrBetter85, "Kh Ad 2c 3s 4h", H::NoWin}, // no wraparound
        {G::JacksOrBetter85, "Kh Ad 2d 5d 9d", H::NoWin}, // no flush across the suit boundary
        {G::JokerPoker, "Jkr Kh 2d 5c 9s", H::HighPair},
        {G::JokerPoker, "Jkr Qh 3d 6c 9s", H::NoWin},
        {G::JokerPoker, "Jkr Th Jh Qh Kh", H::WildRoyalFlush},
        {G::JokerPoker, "Jkr Ah 3d 4c 5s", H::Straight},
        {G::JokerPoker, "Jkr 5h 5d 6c 7s", H::ThreeOfAKind}, // a natural pair is never a straight
        {G::DeucesWild, "2h 2d 2c 2s Ah", H::FourDeuces},
        {G::DeucesWild, "2h 2d 2c Ks Qs", H::WildRoyalFlush},
        {G::DeucesWild, "2h 4d 7c 9s Kh", H::NoWin},
        {G::DeucesWild, "Kd Kc 4s 7h 9h", H::HighPair},
        {G::DeucesWild, "2h 5d 5c 6s 7h", H::ThreeOfAKind},
        {G::DeucesWild, "2h Ad Jc Qs Kh", H::AceHighStraight},
    };
    for (const auto& [game, cards, expected] : rows)
        EXPECT_EQ(evaluateHand(handOf(cards), game), expected) << cards;
}

// Guards the side effects callers rely on: EvalHand left as ranks with wild cards leading, WildCount
// counted afresh by each evaluation.
TEST(Evaluation, LeavesWorkingStateAndCountsDeuces) {
    const CardRank rank(G::DeucesWild);
    EvalState state;
    EXPECT_EQ(evaluateHand(handOf("Kh 2d 2c 9s 2h"), flagsFor(G::DeucesWild), rank, state), H::FourOfAKind);
    EXPECT_EQ(state.WildCount, 3);
    EXPECT_EQ(state.EvalHand, (EvalArray{0, 0, 0, 9, 13}));
    EXPECT_EQ(evaluateHand(handOf("Kh Kd 4c 9s 7h"), flagsFor(G::DeucesWild), rank, state), H::HighPair);
    EXPECT_EQ(state.WildCount, 0);
}

// Guards every game's rules against the published count of each paying hand over every deal (the counts
// do not come from the evaluator). Columns by category, both straights under Straight; -1: not published.
TEST(Evaluation, EveryDealOfEveryGameMatchesThePublishedCounts) {
    using Row = std::array<std::int64_t, HandCategoryCount>;
    // NoWin HighPair TwoPair Three Straight - Flush FullHouse Four StraightFlush Five WildRoyal 4Deuces Royal
    const Row jacks{-1, 337920, 123552, 54912, 10200, 0, 5108, 3744, 624, 36, 0, 0, 0, 4};
    const std::tuple<G, std::int64_t, Row> published[] = {
        {G::JacksOrBetter85, 2598960, jacks},
        {G::JacksOrBetter96, 2598960, jacks},
        {G::DeucesWild, 2598960, {-1, -1, -1, 355080, 62232, 0, 14472, 12672, 31552, 2068, 624, 480, 48, 4}},
        {G::JokerPoker, 2869685, {-1, 262956, 123552, 137280, 20532, 0, 7804, 6552, 3120, 180, 13, 20, 0, 4}},
    };
    for (const auto& [game, deals, expected] : published) {
        SCOPED_TRACE(gameCode(game));
        Row counts{};
        const CardRank rank(game);
        EvalState state;
        const auto count = [&](const Hand& hand) {
            ++counts[static_cast<std::size_t>(toInt(evaluateHand(hand, flagsFor(game), rank, state)))];
        };
        EXPECT_EQ(forEachDeal(game, count), deals);
        counts[toInt(H::Straight)] += std::exchange(counts[toInt(H::AceHighStraight)], 0);
        for (std::size_t c = 0; c < counts.size(); ++c)
            EXPECT_EQ(counts[c], expected[c] < 0 ? counts[c] : expected[c])
                << categoryName(static_cast<H>(c));
    }
}

} // namespace
} // namespace tandora
