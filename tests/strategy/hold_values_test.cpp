#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <vector>

#include "engine/evaluation.h"
#include "engine/strategy_tables.h"
#include "tests/support/cards.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::handOf;
using testing_support::textOf;

using G = GameType;
using Finals = std::array<std::int64_t, HandCategoryCount>;

// The reference: each hold's final hands, counted by trying every draw from the cards not dealt.
std::array<Finals, HoldCount> countEveryDraw(const Hand& dealt, GameType game) {
    const DeckParams deck = deckFor(flagsFor(game));
    std::vector<Card> left;
    for (int c = deck.first; c < deck.first + deck.count; ++c) {
        if (std::find(dealt.begin(), dealt.end(), c) == dealt.end())
            left.push_back(static_cast<Card>(c));
    }
    std::array<Finals, HoldCount> finals{};
    for (unsigned mask = 0; mask < HoldCount; ++mask) {
        Hand hand = dealt;
        auto draw = [&](auto&& self, std::size_t position, std::size_t from) -> void {
            while (position < HandSize && (mask >> position & 1))
                ++position;
            if (position == HandSize) {
                ++finals[mask][static_cast<std::size_t>(toInt(evaluateHand(hand, game)))];
                return;
            }
            for (std::size_t i = from; i < left.size(); ++i) {
                hand[position] = left[i];
                self(self, position + 1, i + 1);
            }
        };
        draw(draw, 0, 0);
    }
    return finals;
}

struct DrawRow {
    const char* name;
    GameType game;
    const char* cards; // nullptr: a hand dealt from `seed`
    unsigned seed;
};

void PrintTo(const DrawRow& row, std::ostream* os) {
    *os << row.name;
}

class HoldValuesAgainstEveryDraw : public testing::TestWithParam<DrawRow> {};

// Guards the counting, the pricing on each bet and the order of the holds against the reference.
TEST_P(HoldValuesAgainstEveryDraw, AgreeForEveryHoldAndBet) {
    const DrawRow& row = GetParam();
    Hand hand{};
    if (row.cards) {
        hand = handOf(row.cards);
    } else {
        const DeckParams deck = deckFor(flagsFor(row.game));
        std::mt19937 random(row.seed);
        for (auto it = hand.begin(); it != hand.end();) {
            *it = static_cast<Card>(deck.first +
                                    static_cast<int>(random() % static_cast<unsigned>(deck.count)));
            it = std::find(hand.begin(), it, *it) == it ? it + 1 : it;
        }
    }
    SCOPED_TRACE(textOf(hand, HandSize));
    const auto finals = countEveryDraw(hand, row.game);
    const PayTable table = payTableFor(row.game);
    for (int coins = 1; coins <= MaxCoins; ++coins) {
        const auto values = StrategyTables::forGame(row.game).holdValues(hand, coins);
        unsigned masksSeen = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const HoldValue& v = values[i];
            SCOPED_TRACE(testing::Message() << coins << " coins, hold " << textOf(v.held, v.heldCount));
            std::int64_t paid = 0, draws = 0;
            for (std::size_t c = 0; c < HandCategoryCount; ++c) {
                paid += finals[v.mask][c] * handPays(static_cast<HandCategory>(c), row.game, table, coins);
                draws += finals[v.mask][c];
            }
            EXPECT_EQ(v.paid, paid);
            EXPECT_EQ(v.draws, draws);
            EXPECT_DOUBLE_EQ(v.ev, static_cast<double>(paid) / static_cast<double>(draws * coins));
            Hand held{};
            int count = 0;
            for (std::size_t p = 0; p < HandSize; ++p) {
                if (v.mask >> p & 1)
                    held[static_cast<std::size_t>(count++)] = hand[p];
            }
            EXPECT_EQ(textOf(v.held, v.heldCount), textOf(held, count));
            masksSeen |= 1u << v.mask;
            if (i > 0) {
                const HoldValue& u = values[i - 1];
                const std::int64_t before = u.paid * v.draws, after = v.paid * u.draws;
                const bool tieOrder =
                    u.heldCount > v.heldCount || (u.heldCount == v.heldCount && u.mask < v.mask);
                EXPECT_TRUE(before > after || (before == after && tieOrder)) << "out of order";
            }
        }
        EXPECT_EQ(masksSeen, 0xFFFFFFFFu) << "every hold once";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hands, HoldValuesAgainstEveryDraw,
    testing::Values(DrawRow{"jb85_random_1", G::JacksOrBetter85, nullptr, 1},
                    DrawRow{"jb96_random_2", G::JacksOrBetter96, nullptr, 2},
                    DrawRow{"jb96_four_to_a_royal_and_a_flush", G::JacksOrBetter96, "As Ks Qs Js 9s", 0},
                    DrawRow{"dw_random_3", G::DeucesWild, nullptr, 3},
                    DrawRow{"dw_two_deuces_and_a_suited_pair", G::DeucesWild, "7c 2h Kh 2d 8c", 0},
                    DrawRow{"dw_four_deuces", G::DeucesWild, "2h 2d 2c 2s 7h", 0},
                    DrawRow{"jp_random_4", G::JokerPoker, nullptr, 4},
                    DrawRow{"jp_joker_and_three_to_a_royal", G::JokerPoker, "Ah Kh Jkr Qh 3s", 0}),
    [](const testing::TestParamInfo<DrawRow>& row) { return std::string(row.param.name); });

struct KnownHand {
    const char* name;
    GameType game;
    const char* cards;
    int coins;
    const char* bestHold;
    double ev; // negative: not checked
};

void PrintTo(const KnownHand& row, std::ostream* os) {
    *os << row.name;
}

class KnownHands : public testing::TestWithParam<KnownHand> {};

// Guards the answers strategy charts agree on, including one that changes with the bet.
TEST_P(KnownHands, AreHeldAsPublishedStrategyPlaysThem) {
    const KnownHand& row = GetParam();
    const HoldValue best = StrategyTables::forGame(row.game).holdValues(handOf(row.cards), row.coins)[0];
    EXPECT_EQ(textOf(best.held, best.heldCount), row.bestHold) << row.cards;
    if (row.ev >= 0) {
        EXPECT_NEAR(best.ev, row.ev, 1e-12);
    }
}

using K = KnownHand;
INSTANTIATE_TEST_SUITE_P(
    Hands, KnownHands,
    testing::Values(
        K{"DealtRoyalIsHeldAndPays4000", G::JacksOrBetter96, "Ts Js Qs Ks As", 5, "Ts Js Qs Ks As", 800},
        K{"DealtRoyalOnOneCoinPays250", G::JacksOrBetter96, "Ts Js Qs Ks As", 1, "Ts Js Qs Ks As", 250},
        K{"FourToARoyalBeatsAMadeFlush", G::JacksOrBetter96, "As Ks Qs Js 9s", 5, "As Ks Qs Js", 866.0 / 47},
        K{"PatFullHouseIsKept", G::JacksOrBetter85, "Kh Kd Kc 7s 7h", 5, "Kh Kd Kc 7s 7h", 8},
        K{"HighPairBeatsFourToAnOpenStraight", G::JacksOrBetter96, "Jh Jd Qc Ts 9s", 5, "Jh Jd", -1},
        K{"FourToAFlushBeatsALowPair", G::JacksOrBetter96, "5h 5d 9d Jd 3d", 5, "5d 9d Jd 3d", 57.0 / 47},
        K{"LoneKingIsKept", G::JacksOrBetter96, "Kh 8d 6c 4s 2h", 5, "Kh", -1},
        K{"GarbageIsThrownAway", G::JacksOrBetter96, "2h 6d 8c Ts 3s", 5, "-", -1},
        K{"ThreeToARoyalBeatsFourToAFlushOnFiveCoins", G::JacksOrBetter96, "Ah Kh Qh 7h 2c", 5, "Ah Kh Qh",
          -1},
        K{"FourToAFlushBeatsThreeToARoyalOnOneCoin", G::JacksOrBetter96, "Ah Kh Qh 7h 2c", 1, "Ah Kh Qh 7h",
          -1},
        K{"DeucesTwoPairKeepsOnePairTheFirstOfEqualPairs", G::DeucesWild, "Kh Kd 7c 7s 4h", 5, "Kh Kd", -1},
        K{"DeucesTwoDeucesAreKeptAlone", G::DeucesWild, "2h 2d 5c 9s Kh", 5, "2h 2d", -1},
        K{"DeucesFourDeucesStayPatOverAnEqualDraw", G::DeucesWild, "2h 2d 2c 2s 7h", 5, "2h 2d 2c 2s 7h",
          200},
        K{"JokerAndALowPairKeepTheTrips", G::JokerPoker, "Jkr 7h 7d Ks 2c", 5, "Jkr 7h 7d", -1},
        K{"JokerWildRoyalIsKept", G::JokerPoker, "Jkr Ah Kh Qh Jh", 5, "Jkr Ah Kh Qh Jh", 100}),
    [](const testing::TestParamInfo<KnownHand>& row) { return std::string(row.param.name); });

struct BadRequest {
    const char* name;
    GameType game;
    Hand hand;
    int coins;
    const char* message;
};

void PrintTo(const BadRequest& row, std::ostream* os) {
    *os << row.name;
}

class HoldValuesRefuse : public testing::TestWithParam<BadRequest> {};

TEST_P(HoldValuesRefuse, WhatTheGameCannotDealOrTake) {
    const BadRequest& row = GetParam();
    try {
        StrategyTables::forGame(row.game).holdValues(row.hand, row.coins);
        ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), row.message);
    }
}

using R = BadRequest;
INSTANTIATE_TEST_SUITE_P(
    Requests, HoldValuesRefuse,
    testing::Values(
        R{"TheJokerOutsideJokerPoker", G::DeucesWild, {0, 5, 6, 7, 8}, 5, "the joker is only in Joker Poker"},
        R{"ACardDealtTwice", G::JokerPoker, {1, 5, 6, 5, 8}, 5, "card 5h is dealt twice"},
        R{"TheCardBack",
          G::JacksOrBetter85,
          {1, 2, 3, 4, CardBackCode},
          5,
          "card code 99 is not a card of 8/5 Jacks or Better"},
        R{"NoCoins", G::JacksOrBetter96, {1, 2, 3, 4, 5}, 0, "coins must be 1 to 5, not 0"},
        R{"SixCoins", G::JacksOrBetter96, {1, 2, 3, 4, 5}, 6, "coins must be 1 to 5, not 6"}),
    [](const testing::TestParamInfo<BadRequest>& row) { return std::string(row.param.name); });

} // namespace
} // namespace tandora
