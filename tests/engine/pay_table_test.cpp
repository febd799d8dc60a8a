#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/pay_table.h"

namespace tandora {
namespace {

using G = GameType;
using H = HandCategory;

struct PayRow {
    G game;
    H category;
    int perCoin; // 0: does not pay in that game
    int slot;    // -1: does not pay
};

// The pay schedule of every game as a player reads it off the machine, with the slot each hand is kept in.
const PayRow PayRows[] = {
    {G::JacksOrBetter85, H::NoWin, 0, -1},
    {G::JacksOrBetter85, H::HighPair, 1, 12},
    {G::JacksOrBetter85, H::TwoPair, 2, 11},
    {G::JacksOrBetter85, H::ThreeOfAKind, 3, 10},
    {G::JacksOrBetter85, H::Straight, 4, 9},
    {G::JacksOrBetter85, H::AceHighStraight, 4, 9},
    {G::JacksOrBetter85, H::Flush, 5, 8},
    {G::JacksOrBetter85, H::FullHouse, 8, 7},
    {G::JacksOrBetter85, H::FourOfAKind, 25, 6},
    {G::JacksOrBetter85, H::StraightFlush, 50, 5},
    {G::JacksOrBetter85, H::NaturalRoyalFlush, 250, 0},
    {G::JacksOrBetter96, H::FullHouse, 9, 7},
    {G::JacksOrBetter96, H::Flush, 6, 8},
    {G::JacksOrBetter96, H::HighPair, 1, 12},
    {G::DeucesWild, H::NoWin, 0, -1},
    {G::DeucesWild, H::HighPair, 0, -1},
    {G::DeucesWild, H::TwoPair, 0, -1},
    {G::DeucesWild, H::ThreeOfAKind, 1, 10},
    {G::DeucesWild, H::Straight, 2, 9},
    {G::DeucesWild, H::AceHighStraight, 2, 9},
    {G::DeucesWild, H::Flush, 2, 8},
    {G::DeucesWild, H::FullHouse, 3, 7},
    {G::DeucesWild, H::FourOfAKind, 5, 6},
    {G::DeucesWild, H::StraightFlush, 9, 5},
    {G::DeucesWild, H::FiveOfAKind, 15, 4},
    {G::DeucesWild, H::WildRoyalFlush, 25, 2},
    {G::DeucesWild, H::FourDeuces, 200, 1},
    {G::DeucesWild, H::NaturalRoyalFlush, 250, 0},
    {G::JokerPoker, H::HighPair, 1, 12},
    {G::JokerPoker, H::TwoPair, 1, 11},
    {G::JokerPoker, H::ThreeOfAKind, 2, 10},
    {G::JokerPoker, H::Straight, 3, 9},
    {G::JokerPoker, H::Flush, 5, 8},
    {G::JokerPoker, H::FullHouse, 7, 7},
    {G::JokerPoker, H::FourOfAKind, 20, 6},
    {G::JokerPoker, H::StraightFlush, 50, 5},
    {G::JokerPoker, H::WildRoyalFlush, 100, 3},
    {G::JokerPoker, H::FiveOfAKind, 200, 4},
    {G::JokerPoker, H::FourDeuces, 0, -1},
    {G::JokerPoker, H::NaturalRoyalFlush, 250, 0},
};

// Guards every paying row of every game for one to five coins, the 4000 only for five coins on the
// natural royal, and the rows that must not pay.
TEST(HandPays, EverySlotOfEveryGameForOneToFiveCoins) {
    for (const PayRow& r : PayRows) {
        for (int coins = 1; coins <= MaxCoins; ++coins) {
            const bool royalMax = r.category == H::NaturalRoyalFlush && coins == MaxCoins;
            EXPECT_EQ(handPays(r.category, r.game, payTableFor(r.game), coins),
                      royalMax ? 4000 : coins * r.perCoin)
                << gameCode(r.game) << " " << categoryName(r.category) << " x" << coins;
        }
    }
}

// Guards that a final hand is counted once, in its own slot (both straights in one), and a losing one not.
TEST(CountHand, CountsAPayingHandInItsSlotOnly) {
    for (const PayRow& r : PayRows) {
        HandCounts counts{}, expected{};
        if (r.slot >= 0)
            expected[static_cast<std::size_t>(r.slot)] = 1;
        countHand(r.category, r.game, counts);
        EXPECT_EQ(counts, expected) << gameCode(r.game) << " " << categoryName(r.category);
    }
}

// Guards a long game's counts: they stop at the bound a game file holds instead of passing it.
TEST(CountHand, StopsAtMaxStatistic) {
    HandCounts counts{};
    counts[9] = MaxStatistic - 1;
    countHand(H::Straight, G::JokerPoker, counts);
    countHand(H::AceHighStraight, G::JokerPoker, counts);
    EXPECT_EQ(counts[9], MaxStatistic);
}

// Each game's pay table from the top row down, as the machine prints it.
struct RowOrder {
    G game;
    const char* rows;
};

const RowOrder RowOrders[] = {
    {G::JacksOrBetter85, "NaturalRoyalFlush StraightFlush FourOfAKind FullHouse Flush Straight ThreeOfAKind "
                         "TwoPair HighPair "},
    {G::JacksOrBetter96, "NaturalRoyalFlush StraightFlush FourOfAKind FullHouse Flush Straight ThreeOfAKind "
                         "TwoPair HighPair "},
    {G::DeucesWild,
     "NaturalRoyalFlush FourDeuces WildRoyalFlush FiveOfAKind StraightFlush FourOfAKind FullHouse "
     "Flush Straight ThreeOfAKind "},
    {G::JokerPoker, "NaturalRoyalFlush FiveOfAKind WildRoyalFlush StraightFlush FourOfAKind FullHouse Flush "
                    "Straight ThreeOfAKind TwoPair HighPair "},
};

// Guards the order the pay tables, help and statistics list their hands in, with the straight to the ace
// on the straight's row and no row for a hand that does not pay.
TEST(PayTableRows, RunInEachGamesPrintedOrder) {
    for (const RowOrder& order : RowOrders) {
        SCOPED_TRACE(gameCode(order.game));
        const auto rows = payTableRows(order.game);
        std::string names;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            names.append(categoryName(rows[i])).append(" ");
            EXPECT_EQ(payTableRow(rows[i], order.game), static_cast<int>(i));
        }
        EXPECT_EQ(names, order.rows);
        EXPECT_EQ(payTableRow(H::AceHighStraight, order.game), payTableRow(H::Straight, order.game));
        EXPECT_EQ(payTableRow(H::NoWin, order.game), std::nullopt);
    }
    EXPECT_EQ(payTableRow(H::TwoPair, G::DeucesWild), std::nullopt);
    EXPECT_EQ(payTableRow(H::FourDeuces, G::JokerPoker), std::nullopt);
}

} // namespace
} // namespace tandora
