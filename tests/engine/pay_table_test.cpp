#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "engine/pay_table.h"

namespace tandora {
namespace {

using G = GameType;
using H = HandCategory;

struct PayRow {
    G game;
    H category;
    int perCoin; // 0: does not pay in that game
};

// The pay schedule of every game as a player reads it off the machine.
const PayRow PayRows[] = {
    {G::JacksOrBetter85, H::HighPair, 1},
    {G::JacksOrBetter85, H::TwoPair, 2},
    {G::JacksOrBetter85, H::ThreeOfAKind, 3},
    {G::JacksOrBetter85, H::Straight, 4},
    {G::JacksOrBetter85, H::AceHighStraight, 4},
    {G::JacksOrBetter85, H::Flush, 5},
    {G::JacksOrBetter85, H::FullHouse, 8},
    {G::JacksOrBetter85, H::FourOfAKind, 25},
    {G::JacksOrBetter85, H::StraightFlush, 50},
    {G::JacksOrBetter85, H::NaturalRoyalFlush, 250},
    {G::JacksOrBetter96, H::FullHouse, 9},
    {G::JacksOrBetter96, H::Flush, 6},
    {G::JacksOrBetter96, H::TwoPair, 2},
    {G::JacksOrBetter96, H::HighPair, 1},
    {G::DeucesWild, H::HighPair, 0},
    {G::DeucesWild, H::TwoPair, 0},
    {G::DeucesWild, H::ThreeOfAKind, 1},
    {G::DeucesWild, H::Straight, 2},
    {G::DeucesWild, H::AceHighStraight, 2},
    {G::DeucesWild, H::Flush, 2},
    {G::DeucesWild, H::FullHouse, 3},
    {G::DeucesWild, H::FourOfAKind, 5},
    {G::DeucesWild, H::StraightFlush, 9},
    {G::DeucesWild, H::FiveOfAKind, 15},
    {G::DeucesWild, H::WildRoyalFlush, 25},
    {G::DeucesWild, H::FourDeuces, 200},
    {G::DeucesWild, H::NaturalRoyalFlush, 250},
    {G::JokerPoker, H::HighPair, 1},
    {G::JokerPoker, H::TwoPair, 1},
    {G::JokerPoker, H::ThreeOfAKind, 2},
    {G::JokerPoker, H::Straight, 3},
    {G::JokerPoker, H::Flush, 5},
    {G::JokerPoker, H::FullHouse, 7},
    {G::JokerPoker, H::FourOfAKind, 20},
    {G::JokerPoker, H::StraightFlush, 50},
    {G::JokerPoker, H::WildRoyalFlush, 100},
    {G::JokerPoker, H::FiveOfAKind, 200},
    {G::JokerPoker, H::FourDeuces, 0},
    {G::JokerPoker, H::NaturalRoyalFlush, 250},
};

// Guards every paying row of every game for one to five coins, and the rows that must not pay.
TEST(Payout, EverySlotOfEveryGameForOneToFiveCoins) {
    for (const PayRow& r : PayRows) {
        const PayTable table = payTableFor(r.game);
        for (int coins = 1; coins <= MaxCoins; ++coins) {
            HandCounts counts{};
            const Payout p = lookUpPayout(r.category, r.game, table, coins, 1, counts);
            const bool royalMax = r.category == H::NaturalRoyalFlush && coins == MaxCoins;
            SCOPED_TRACE(testing::Message()
                         << gameCode(r.game) << " " << categoryName(r.category) << " x" << coins);
            EXPECT_EQ(p.PaidAmount, royalMax ? 4000 : coins * r.perCoin);
            EXPECT_EQ(p.isWin, r.perCoin > 0);
            EXPECT_EQ(p.winSound != 0, r.perCoin > 0);
            int counted = 0;
            for (const auto c : counts)
                counted += c;
            EXPECT_EQ(counted, r.perCoin > 0 ? 1 : 0);
        }
    }
}

// Guards the strips laid over the printed table: the bigger the pay, the higher its row, one row apart,
// from the top row at 35; both straights share a row, and no two rows share a strip.
TEST(Payout, RowsRunFromTheBiggestPayDown) {
    for (const GameType game : AllGames) {
        SCOPED_TRACE(gameCode(game));
        std::vector<std::pair<int, H>> byPay; // one coin's pay, category
        const PayTable table = payTableFor(game);
        for (int c = 1; c < HandCategoryCount; ++c) {
            HandCounts unused{};
            const Payout p = lookUpPayout(static_cast<H>(c), game, table, 1, 2, unused);
            if (p.isWin && static_cast<H>(c) != H::Straight)
                byPay.emplace_back(p.PaidAmount, static_cast<H>(c));
        }
        std::sort(byPay.begin(), byPay.end(),
                  [](auto a, auto b) { return a > b; }); // equal pays: better hand first
        int previousTop = 0;
        for (const auto& [pay, category] : byPay) {
            const CategoryRow row = *categoryRow(category, game);
            if (previousTop == 0)
                EXPECT_EQ(row.rowTop, 35);
            else
                EXPECT_TRUE(row.rowTop - previousTop == 13 || row.rowTop - previousTop == 14)
                    << categoryName(category);
            previousTop = row.rowTop;
        }
        EXPECT_EQ(categoryRow(H::Straight, game)->rowTop, categoryRow(H::AceHighStraight, game)->rowTop);
        std::set<int> pictures;
        for (const auto& entry : byPay)
            EXPECT_TRUE(pictures.insert(categoryRow(entry.second, game)->rowLabelPicture).second);
    }
}

// Guards that NoWin never pays and that the dealt hand is never counted, only the final one.
TEST(Payout, CountsOnlyTheFinalHand) {
    for (GameType game : AllGames) {
        HandCounts counts{};
        const PayTable table = payTableFor(game);
        EXPECT_FALSE(lookUpPayout(H::NoWin, game, table, 5, 1, counts).isWin);
        const Payout dealt = lookUpPayout(H::FullHouse, game, table, 3, 2, counts);
        EXPECT_TRUE(dealt.isWin);
        EXPECT_EQ(counts, HandCounts{}) << "a dealt hand is shown, not counted";
        lookUpPayout(H::Straight, game, table, 1, 1, counts);
        lookUpPayout(H::AceHighStraight, game, table, 1, 1, counts);
        EXPECT_EQ(counts[9], 2) << "both straights share one count";
    }
}

// Guards the 32-bit counters: a long game's count keeps going past the 16-bit limit.
TEST(Payout, CountsDoNotWrapAt16Bits) {
    HandCounts counts{};
    counts[12] = 32767;
    const PayTable table = payTableFor(G::JacksOrBetter85);
    lookUpPayout(H::HighPair, G::JacksOrBetter85, table, 1, 1, counts);
    EXPECT_EQ(counts[12], 32768);
}

} // namespace
} // namespace tandora
