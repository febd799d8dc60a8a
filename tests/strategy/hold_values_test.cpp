#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "engine/evaluation.h"
#include "engine/strategy_tables.h"
#include "tests/support/cards.h"

namespace tandora {
namespace {

using testing_support::handOf;
using testing_support::textOf;
using G = GameType;

// The reference: each hold's final hands, counted by trying every draw from the cards not dealt.
auto countEveryDraw(const Hand& dealt, GameType game) {
    const DeckParams deck = deckFor(flagsFor(game));
    std::vector<Card> left;
    for (int c = deck.first; c < deck.first + deck.count; ++c)
        if (std::find(dealt.begin(), dealt.end(), c) == dealt.end())
            left.push_back(static_cast<Card>(c));
    std::array<std::array<std::int64_t, HandCategoryCount>, HoldCount> finals{};
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

// Guards the counting, the pricing on each bet, the cards of each hold and the order of the holds (best
// first, ties to more cards, then to the lower mask) against the reference, on chosen and arbitrary hands;
// and the best hold on the given bet of the hands strategy charts agree on, with its value (< 0: not
// checked).
TEST(HoldValues, AgreeWithEveryDrawAndWithPublishedStrategy) {
    const std::tuple<G, const char*, int, const char*, double> rows[] = {
        {G::JacksOrBetter85, "3c 8h Qd 5s Tc", 5, nullptr, -1},
        {G::DeucesWild, "7c 2h Kh 2d 8c", 5, nullptr, -1},
        {G::JokerPoker, "Kd 6s Jkr 7h 9c", 5, nullptr, -1},
        {G::JokerPoker, "Ah Kh Jkr Qh 3s", 5, nullptr, -1},
        {G::JacksOrBetter96, "Ts Js Qs Ks As", 5, "Ts Js Qs Ks As", 800}, // 4000 for five coins
        {G::JacksOrBetter96, "Ts Js Qs Ks As", 1, "Ts Js Qs Ks As", 250},
        {G::JacksOrBetter96, "As Ks Qs Js 9s", 5, "As Ks Qs Js", 866.0 / 47}, // four to a royal over a flush
        {G::JacksOrBetter85, "Kh Kd Kc 7s 7h", 5, "Kh Kd Kc 7s 7h", 8},
        {G::JacksOrBetter96, "Jh Jd Qc Ts 9s", 5, "Jh Jd", -1},              // high pair over open straight
        {G::JacksOrBetter96, "5h 5d 9d Jd 3d", 5, "5d 9d Jd 3d", 57.0 / 47}, // four to a flush over low pair
        {G::JacksOrBetter96, "Kh 8d 6c 4s 2h", 5, "Kh", -1},
        {G::JacksOrBetter96, "2h 6d 8c Ts 3s", 5, "-", -1},
        {G::JacksOrBetter96, "Ah Kh Qh 7h 2c", 5, "Ah Kh Qh", -1},    // three to a royal on five coins,
        {G::JacksOrBetter96, "Ah Kh Qh 7h 2c", 1, "Ah Kh Qh 7h", -1}, // four to a flush on one
        {G::DeucesWild, "Kh Kd 7c 7s 4h", 5, "Kh Kd", -1},            // the first of equal pairs
        {G::DeucesWild, "2h 2d 5c 9s Kh", 5, "2h 2d", -1},
        {G::DeucesWild, "2h 2d 2c 2s 7h", 5, "2h 2d 2c 2s 7h", 200}, // pat over an equal draw
        {G::JokerPoker, "Jkr 7h 7d Ks 2c", 5, "Jkr 7h 7d", -1},
        {G::JokerPoker, "Jkr Ah Kh Qh Jh", 5, "Jkr Ah Kh Qh Jh", 100},
    };
    for (const auto& [game, cards, bet, bestHold, bestEv] : rows) {
        const Hand hand = handOf(cards);
        SCOPED_TRACE(cards);
        const auto finals = countEveryDraw(hand, game);
        for (int coins = 1; coins <= MaxCoins; ++coins) {
            const auto values = StrategyTables::forGame(game).holdValues(hand, coins);
            if (bestHold && coins == bet) {
                EXPECT_EQ(textOf(values[0].held, values[0].heldCount), bestHold) << "on " << bet << " coins";
                EXPECT_NEAR(values[0].ev, bestEv < 0 ? values[0].ev : bestEv, 1e-12);
            }
            for (std::size_t i = 0; i < values.size(); ++i) {
                const HoldValue& v = values[i];
                SCOPED_TRACE(testing::Message() << coins << " coins, hold " << textOf(v.held, v.heldCount));
                std::int64_t paid = 0;
                for (std::size_t c = 0; c < HandCategoryCount; ++c)
                    paid += finals[v.mask][c] *
                            handPays(static_cast<HandCategory>(c), game, payTableFor(game), coins);
                const std::int64_t draws =
                    std::accumulate(finals[v.mask].begin(), finals[v.mask].end(), std::int64_t{0});
                EXPECT_EQ(std::pair(v.paid, v.draws), std::pair(paid, draws));
                EXPECT_DOUBLE_EQ(v.ev, static_cast<double>(paid) / static_cast<double>(draws * coins));
                std::string held;
                for (std::size_t p = 0; p < HandSize; ++p)
                    held += v.mask >> p & 1 ? cardName(hand[p]) + " " : "";
                EXPECT_EQ(textOf(v.held, v.heldCount) + " ", held.empty() ? "- " : held);
                if (i > 0) { // by value, then more cards, then the lower mask: so no hold twice
                    const HoldValue& u = values[i - 1];
                    EXPECT_GT(std::tuple(u.paid * v.draws, u.heldCount, -static_cast<int>(u.mask)),
                              std::tuple(v.paid * u.draws, v.heldCount, -static_cast<int>(v.mask)));
                }
            }
        }
    }
}

// Guards the refusals of what the game cannot deal or take, by their exact words.
TEST(HoldValues, RefuseWhatTheGameCannotDealOrTake) {
    const std::tuple<G, Hand, int, const char*> rows[] = {
        {G::DeucesWild, {0, 5, 6, 7, 8}, 5, "the joker is only in Joker Poker"},
        {G::JokerPoker, {1, 5, 6, 5, 8}, 5, "card 5h is dealt twice"},
        {G::JacksOrBetter85,
         {1, 2, 3, 4, 99},
         5,
         "card code 99 is not a card of 8/5 Jacks or Better"}, // back
        {G::JacksOrBetter96, {1, 2, 3, 4, 5}, 0, "coins must be 1 to 5, not 0"},
        {G::JacksOrBetter96, {1, 2, 3, 4, 5}, 6, "coins must be 1 to 5, not 6"},
    };
    for (const auto& [game, hand, coins, message] : rows) {
        EXPECT_THAT([&] { StrategyTables::forGame(game).holdValues(hand, coins); },
                    testing::ThrowsMessage<std::invalid_argument>(testing::StrEq(message)));
    }
}

} // namespace
} // namespace tandora
