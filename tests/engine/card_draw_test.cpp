#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "engine/card_draw.h"

namespace tandora {
namespace {

// A source that plays back fixed values, to pin the draw formula.
class ScriptedSource : public UniformSource {
public:
    explicit ScriptedSource(std::vector<double> values) : values_(std::move(values)) {}
    double nextUniform() override { return values_.at(next_++); }
    std::size_t used() const { return next_; }

private:
    std::vector<double> values_;
    std::size_t next_ = 0;
};

// Guards code = floor(u * N + F) at the ends of both decks, and a source that strays to 1.0.
TEST(CardDraw, FormulaCoversTheWholeDeckOnly) {
    const DeckParams regular = deckFor(flagsFor(GameType::DeucesWild));
    const DeckParams joker = deckFor(flagsFor(GameType::JokerPoker));
    ScriptedSource s({0.0, 0.999999999, 0.0, 0.999999999, 1.0, 0.5});
    EXPECT_EQ(drawAnyCard(regular, s), 1);
    EXPECT_EQ(drawAnyCard(regular, s), 52);
    EXPECT_EQ(drawAnyCard(joker, s), 0);
    EXPECT_EQ(drawAnyCard(joker, s), 52);
    EXPECT_EQ(drawAnyCard(regular, s), 52);
    EXPECT_EQ(drawAnyCard(regular, s), 27);
}

// Guards the exclusion list: the previous codes up to and including the position, and every other position.
TEST(CardDraw, RejectsPreviousCodesToTheLeftAndCurrentCodesElsewhere) {
    const DeckParams deck{52, 1};
    const Hand previous{10, 20, 30, 40, 50};
    Hand hand{11, 21, CardBackCode, 41, 51};
    // u for codes 10 (previous, pos 1), 30 (previous, own position), 41 (current, pos 4), 50 (previous of pos
    // 5, allowed)
    auto u = [](int code) { return (code - 1 + 0.5) / 52.0; };
    ScriptedSource s({u(10), u(30), u(41), u(50)});
    EXPECT_EQ(drawCard(2, hand, previous, deck, s), 50);
    EXPECT_EQ(s.used(), 4u);
    EXPECT_EQ(hand[2], 50);
}

// Guards the hand-level invariants over many seeded deals and draws with random holds.
TEST(CardDraw, ExclusionsHoldOverManyHands) {
    for (GameType game : {GameType::JacksOrBetter85, GameType::JokerPoker}) {
        const DeckParams deck = deckFor(flagsFor(game));
        Mt19937Source random(20261206);
        std::mt19937 holds(7);
        Hand hand{0, 0, 0, 0, 0};
        for (int round = 0; round < 20000; ++round) {
            std::array<bool, HandSize> held{};
            if (round % 2 == 1) {
                for (auto& h : held)
                    h = holds() % 2 == 0;
            }
            const Hand previous = hand;
            for (int k = 0; k < HandSize; ++k) {
                if (!held[static_cast<std::size_t>(k)])
                    hand[static_cast<std::size_t>(k)] = CardBackCode;
            }
            for (int k = 0; k < HandSize; ++k) {
                if (!held[static_cast<std::size_t>(k)])
                    drawCard(k, hand, previous, deck, random);
            }
            for (int k = 0; k < HandSize; ++k) {
                const Card c = hand[static_cast<std::size_t>(k)];
                ASSERT_GE(c, deck.first);
                ASSERT_LE(c, deck.first + deck.count - 1);
                for (int j = 0; j < HandSize; ++j) {
                    if (j != k) {
                        ASSERT_NE(c, hand[static_cast<std::size_t>(j)]) << "a code twice in one hand";
                    }
                }
                if (held[static_cast<std::size_t>(k)]) {
                    ASSERT_EQ(c, previous[static_cast<std::size_t>(k)]);
                } else {
                    for (int j = 0; j <= k; ++j) {
                        ASSERT_NE(c, previous[static_cast<std::size_t>(j)])
                            << "previous code came back too early";
                    }
                }
            }
        }
    }
}

// Guards fairness: every code of each deck comes up equally often (chi-square, fixed seed).
TEST(CardDraw, EveryCodeEquallyLikely) {
    for (GameType game : {GameType::JacksOrBetter85, GameType::JokerPoker}) {
        const DeckParams deck = deckFor(flagsFor(game));
        Mt19937Source random(12345);
        std::vector<int> seen(static_cast<std::size_t>(deck.count), 0);
        const int draws = deck.count * 4000;
        for (int i = 0; i < draws; ++i)
            ++seen[static_cast<std::size_t>(drawAnyCard(deck, random) - deck.first)];
        const double expected = draws / static_cast<double>(deck.count);
        double chiSquare = 0;
        for (int n : seen)
            chiSquare += (n - expected) * (n - expected) / expected;
        // 99.9th percentile of chi-square with 51 or 52 degrees of freedom is about 88.
        EXPECT_LT(chiSquare, 88.0) << gameCode(game);
    }
}

} // namespace
} // namespace tandora
