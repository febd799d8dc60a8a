#include <gtest/gtest.h>

#include "engine/pay_table.h"

namespace tandora {
namespace {

using G = GameType;
using H = HandCategory;

struct PayRow {
    G game;
    H category;
    int perCoin; // 0: does not pay in that game
    int slot;
    int picture;
    int top;
    int sound;
};

// The pay schedule of every game as a player reads it off the machine.
const PayRow PayRows[] = {
    {G::JacksOrBetter85, H::HighPair, 1, 12, 3013, 146, 11},
    {G::JacksOrBetter85, H::TwoPair, 2, 11, 3011, 132, 12},
    {G::JacksOrBetter85, H::ThreeOfAKind, 3, 10, 3007, 118, 15},
    {G::JacksOrBetter85, H::Straight, 4, 9, 3010, 104, 13},
    {G::JacksOrBetter85, H::AceHighStraight, 4, 9, 3010, 104, 13},
    {G::JacksOrBetter85, H::Flush, 5, 8, 3009, 90, 14},
    {G::JacksOrBetter85, H::FullHouse, 8, 7, 3008, 76, 16},
    {G::JacksOrBetter85, H::FourOfAKind, 25, 6, 3006, 62, 18},
    {G::JacksOrBetter85, H::StraightFlush, 50, 5, 3005, 48, 17},
    {G::JacksOrBetter85, H::NaturalRoyalFlush, 250, 0, 3000, 35, 19},
    {G::JacksOrBetter96, H::FullHouse, 9, 7, 3008, 76, 16},
    {G::JacksOrBetter96, H::Flush, 6, 8, 3009, 90, 14},
    {G::JacksOrBetter96, H::TwoPair, 2, 11, 3011, 132, 12},
    {G::JacksOrBetter96, H::HighPair, 1, 12, 3013, 146, 11},
    {G::DeucesWild, H::HighPair, 0, 0, 0, 0, 0},
    {G::DeucesWild, H::TwoPair, 0, 0, 0, 0, 0},
    {G::DeucesWild, H::ThreeOfAKind, 1, 10, 3007, 160, 11},
    {G::DeucesWild, H::Straight, 2, 9, 3010, 146, 12},
    {G::DeucesWild, H::AceHighStraight, 2, 9, 3010, 146, 12},
    {G::DeucesWild, H::Flush, 2, 8, 3009, 132, 12},
    {G::DeucesWild, H::FullHouse, 3, 7, 3008, 118, 15},
    {G::DeucesWild, H::FourOfAKind, 5, 6, 3006, 104, 13},
    {G::DeucesWild, H::StraightFlush, 9, 5, 3005, 90, 14},
    {G::DeucesWild, H::FiveOfAKind, 15, 4, 3002, 76, 16},
    {G::DeucesWild, H::WildRoyalFlush, 25, 2, 3003, 62, 18},
    {G::DeucesWild, H::FourDeuces, 200, 1, 3001, 48, 17},
    {G::DeucesWild, H::NaturalRoyalFlush, 250, 0, 3000, 35, 19},
    {G::JokerPoker, H::HighPair, 1, 12, 3012, 174, 11},
    {G::JokerPoker, H::TwoPair, 1, 11, 3011, 160, 11},
    {G::JokerPoker, H::ThreeOfAKind, 2, 10, 3007, 146, 12},
    {G::JokerPoker, H::Straight, 3, 9, 3010, 132, 12},
    {G::JokerPoker, H::Flush, 5, 8, 3009, 118, 15},
    {G::JokerPoker, H::FullHouse, 7, 7, 3008, 104, 13},
    {G::JokerPoker, H::FourOfAKind, 20, 6, 3006, 90, 14},
    {G::JokerPoker, H::StraightFlush, 50, 5, 3005, 76, 16},
    {G::JokerPoker, H::WildRoyalFlush, 100, 3, 3004, 62, 18},
    {G::JokerPoker, H::FiveOfAKind, 200, 4, 3002, 48, 17},
    {G::JokerPoker, H::FourDeuces, 0, 0, 0, 0, 0},
    {G::JokerPoker, H::NaturalRoyalFlush, 250, 0, 3000, 35, 19},
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
            EXPECT_EQ(p.rowLabelPicture, r.picture);
            EXPECT_EQ(p.rowTop, r.top);
            EXPECT_EQ(p.winSound, r.sound);
            HandCounts expected{};
            if (r.perCoin > 0)
                ++expected[static_cast<std::size_t>(r.slot)];
            EXPECT_EQ(counts, expected);
        }
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
