// Every deal of every game, against figures that do not come from the evaluator itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "engine/deal_enumeration.h"
#include "engine/evaluation.h"

namespace tandora {
namespace {

using Counts = std::array<std::int64_t, HandCategoryCount>;

Counts countAllDeals(GameType game) {
    Counts counts{};
    CardRank rank(game);
    EvalState state;
    forEachDeal(game, [&](const Hand& hand) {
        ++counts[static_cast<std::size_t>(toInt(evaluateHand(hand, flagsFor(game), rank, state)))];
    });
    return counts;
}

std::int64_t at(const Counts& c, HandCategory h) {
    return c[static_cast<std::size_t>(toInt(h))];
}

// Guards the natural rules against the textbook counts of the 2,598,960 poker hands.
TEST(ExhaustiveCounts, JacksOrBetterMatchesTextbook) {
    for (GameType game : {GameType::JacksOrBetter85, GameType::JacksOrBetter96}) {
        const Counts c = countAllDeals(game);
        EXPECT_EQ(at(c, HandCategory::NaturalRoyalFlush), 4);
        EXPECT_EQ(at(c, HandCategory::StraightFlush), 36);
        EXPECT_EQ(at(c, HandCategory::FourOfAKind), 624);
        EXPECT_EQ(at(c, HandCategory::FullHouse), 3744);
        EXPECT_EQ(at(c, HandCategory::Flush), 5108);
        EXPECT_EQ(at(c, HandCategory::Straight) + at(c, HandCategory::AceHighStraight), 10200);
        EXPECT_EQ(at(c, HandCategory::AceHighStraight), 1020);
        EXPECT_EQ(at(c, HandCategory::ThreeOfAKind), 54912);
        EXPECT_EQ(at(c, HandCategory::TwoPair), 123552);
        // One pair is 1,098,240 hands, of which the four ranks jack to ace are 4/13.
        EXPECT_EQ(at(c, HandCategory::HighPair), 1098240 / 13 * 4);
        for (HandCategory wild :
             {HandCategory::FiveOfAKind, HandCategory::WildRoyalFlush, HandCategory::FourDeuces})
            EXPECT_EQ(at(c, wild), 0);
        std::int64_t total = 0;
        for (auto n : c)
            total += n;
        EXPECT_EQ(total, 2598960);
    }
}

// An independent evaluator: natural hands by rank counts, wild cards by trying every substitute.
struct Natural {
    int rank; // 1..13
    int suit; // 0..3
};

HandCategory naturalCategory(const std::array<Natural, 5>& cards, bool wildUsed, int lowestPair) {
    std::array<int, 15> byRank{};
    bool flush = true;
    for (const auto& c : cards) {
        ++byRank[static_cast<std::size_t>(c.rank)];
        flush = flush && c.suit == cards[0].suit;
    }
    std::vector<int> groups;
    for (int r = 1; r <= 13; ++r) {
        if (byRank[static_cast<std::size_t>(r)] > 0)
            groups.push_back(byRank[static_cast<std::size_t>(r)]);
    }
    std::sort(groups.rbegin(), groups.rend());
    bool straight = false;
    bool aceHigh = false;
    if (groups.size() == 5) {
        byRank[14] = byRank[1];
        for (int low = 1; low <= 10; ++low) {
            bool run = true;
            for (int r = low; r < low + 5; ++r)
                run = run && byRank[static_cast<std::size_t>(r)] == 1;
            if (run) {
                straight = true;
                aceHigh = aceHigh || low == 10;
            }
        }
    }
    if (groups[0] == 5)
        return HandCategory::FiveOfAKind;
    if (straight && flush && aceHigh)
        return wildUsed ? HandCategory::WildRoyalFlush : HandCategory::NaturalRoyalFlush;
    if (straight && flush)
        return HandCategory::StraightFlush;
    if (groups[0] == 4)
        return HandCategory::FourOfAKind;
    if (groups[0] == 3 && groups[1] == 2)
        return HandCategory::FullHouse;
    if (flush)
        return HandCategory::Flush;
    if (straight)
        return aceHigh ? HandCategory::AceHighStraight : HandCategory::Straight;
    if (groups[0] == 3)
        return HandCategory::ThreeOfAKind;
    if (groups[0] == 2 && groups[1] == 2)
        return HandCategory::TwoPair;
    if (groups[0] == 2) {
        for (int r = 1; r <= 13; ++r) {
            if (byRank[static_cast<std::size_t>(r)] == 2 && (r == 1 || r >= lowestPair))
                return HandCategory::HighPair;
        }
    }
    return HandCategory::NoWin;
}

// Best category over every substitute for the wild cards. A flush needs every substitute in the suit of
// the natural cards, so substitutes of that one suit (ranks with repetition) reach every best hand.
HandCategory bruteForce(const Hand& hand, GameType game) {
    const bool deuces = game == GameType::DeucesWild;
    const int lowestPair = game == GameType::JokerPoker ? 13 : 11;
    std::vector<Natural> natural;
    int wild = 0;
    for (Card c : hand) {
        if (c == JokerCode || (deuces && isDeuce(c)))
            ++wild;
        else
            natural.push_back({rankOf(c), suitOf(c)});
    }
    if (deuces && wild == 4)
        return HandCategory::FourDeuces;
    std::array<Natural, 5> cards{};
    std::copy(natural.begin(), natural.end(), cards.begin());
    if (wild == 0)
        return naturalCategory(cards, false, lowestPair);
    const int suit = natural.front().suit;
    HandCategory best = HandCategory::NoWin;
    std::array<int, 4> ranks{1, 1, 1, 1};
    for (;;) {
        for (int w = 0; w < wild; ++w)
            cards[natural.size() + static_cast<std::size_t>(w)] = {ranks[static_cast<std::size_t>(w)], suit};
        best = std::max(best, naturalCategory(cards, true, lowestPair));
        // Next non-decreasing rank tuple.
        int w = wild - 1;
        while (w >= 0 && ranks[static_cast<std::size_t>(w)] == 13)
            --w;
        if (w < 0)
            break;
        const int next = ranks[static_cast<std::size_t>(w)] + 1;
        for (int v = w; v < wild; ++v)
            ranks[static_cast<std::size_t>(v)] = next;
    }
    // A pair made with a deuce is not a high pair: Deuces Wild pays from three of a kind.
    if (deuces && best == HandCategory::HighPair)
        best = HandCategory::NoWin;
    return best;
}

// Guards the wild-card score arithmetic hand by hand over every deal of both wild games.
TEST(ExhaustiveCounts, WildGamesMatchBruteForceOnEveryDeal) {
    for (GameType game : {GameType::DeucesWild, GameType::JokerPoker}) {
        CardRank rank(game);
        EvalState state;
        std::map<std::pair<int, int>, std::int64_t> mismatches;
        std::int64_t shown = 0;
        const std::int64_t deals = forEachDeal(game, [&](const Hand& hand) {
            const HandCategory got = evaluateHand(hand, flagsFor(game), rank, state);
            const HandCategory want = bruteForce(hand, game);
            if (got != want) {
                ++mismatches[{toInt(got), toInt(want)}];
                if (shown++ < 5) {
                    ADD_FAILURE() << gameCode(game) << " " << cardName(hand[0]) << " " << cardName(hand[1])
                                  << " " << cardName(hand[2]) << " " << cardName(hand[3]) << " "
                                  << cardName(hand[4]) << ": evaluator " << categoryName(got)
                                  << ", brute force " << categoryName(want);
                }
            }
        });
        EXPECT_EQ(deals, game == GameType::JokerPoker ? 2869685 : 2598960);
        EXPECT_TRUE(mismatches.empty()) << mismatches.size() << " kinds of mismatch in " << gameCode(game);
    }
}

// Guards the wild games' totals against combinatorics: four deuces and five of a kind with the joker.
TEST(ExhaustiveCounts, WildGameClosedFormCounts) {
    const Counts dw = countAllDeals(GameType::DeucesWild);
    EXPECT_EQ(at(dw, HandCategory::FourDeuces), 48); // four deuces and any of 48 others
    EXPECT_EQ(at(dw, HandCategory::NaturalRoyalFlush), 4);
    const Counts jp = countAllDeals(GameType::JokerPoker);
    EXPECT_EQ(at(jp, HandCategory::FiveOfAKind), 13); // the joker with four of a rank
    EXPECT_EQ(at(jp, HandCategory::NaturalRoyalFlush), 4);
    EXPECT_EQ(at(jp, HandCategory::WildRoyalFlush), 4 * 5); // the joker stands for any of five royal cards
    EXPECT_EQ(at(jp, HandCategory::FourDeuces), 0);
}

} // namespace
} // namespace tandora
