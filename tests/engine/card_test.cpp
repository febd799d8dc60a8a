// Card codes, their names, and the draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/card.h"
#include "engine/card_draw.h"

namespace tandora {
namespace {

// Guards the code layout (suits in blocks of 13, ace low), entry 0 of the rank table by game, and the
// tool's card syntax, including the words it must refuse.
TEST(Card, CodesRanksAndNames) {
    const CardRank jacks(GameType::JacksOrBetter85);
    for (Card c = 1; c <= 52; ++c) {
        EXPECT_EQ(rankOf(c), (c - 1) % 13 + 1);
        EXPECT_EQ(suitOf(c), (c - 1) / 13);
        EXPECT_EQ(jacks[c], rankOf(c));
        EXPECT_EQ(cardCode(rankOf(c), suitOf(c)), c);
        EXPECT_EQ(parseCard(cardName(c)), c);
    }
    EXPECT_EQ(CardRank(GameType::DeucesWild)[0], 2);
    EXPECT_EQ(CardRank(GameType::JokerPoker)[0], 0);
    EXPECT_EQ(jacks[CardBackCode], 0) << "the card back has no rank and must not read past the table";
    const std::pair<const char*, Card> good[] = {{"Ah", 1},  {"kS", 52}, {"td", 23}, {"2c", 28},
                                                 {"JKR", 0}, {"0", 0},   {"52", 52}};
    for (const auto& [text, code] : good)
        EXPECT_EQ(parseCard(text), code) << text;
    for (const char* bad : {"", "53", "99", "-1", "1h0", "Xh", "Ax", "10h", "Joker", "5 "})
        EXPECT_FALSE(parseCard(bad).has_value()) << bad;
}

// A source that plays back fixed values, to pin the draw formula.
struct ScriptedSource : UniformSource {
    explicit ScriptedSource(std::vector<double> v) : values(std::move(v)) {}
    double nextUniform() override { return values.at(used++); }
    std::vector<double> values;
    std::size_t used = 0;
};

// Guards code = floor(u * N + F) at the ends of both decks and for a source that strays to 1.0, and the
// exclusions: previous codes up to and including the position, current codes at every other position.
TEST(CardDraw, FormulaAndExclusions) {
    const DeckParams regular = deckFor(flagsFor(GameType::DeucesWild));
    const DeckParams joker = deckFor(flagsFor(GameType::JokerPoker));
    ScriptedSource s({0.0, 0.999999999, 0.0, 0.999999999, 1.0, 0.5});
    for (const auto& [deck, code] :
         {std::pair{regular, 1}, {regular, 52}, {joker, 0}, {joker, 52}, {regular, 52}, {regular, 27}})
        EXPECT_EQ(drawAnyCard(deck, s), code);

    const Hand previous{10, 20, 30, 40, 50};
    Hand hand{11, 21, CardBackCode, 41, 51};
    // codes 10 (previous, position 1), 30 (previous, own position), 41 (current, position 4), then 50: only
    // the fourth value can give 50, so exactly four are drawn
    auto u = [](int code) { return (code - 0.5) / 52.0; };
    ScriptedSource e({u(10), u(30), u(41), u(50)});
    EXPECT_EQ(drawCard(2, hand, previous, DeckParams{52, 1}, e), 50);
    EXPECT_EQ(hand[2], 50);
}

// Guards the hand-level invariants over many seeded deals and draws with random holds, and fairness: every
// code of each deck comes up equally often (chi-square, fixed seed).
TEST(CardDraw, ExclusionsHoldOverManyHandsAndEveryCodeIsEquallyLikely) {
    for (GameType game : {GameType::JacksOrBetter85, GameType::JokerPoker}) {
        SCOPED_TRACE(gameCode(game));
        const DeckParams deck = deckFor(flagsFor(game));
        Mt19937Source random(20261206);
        std::mt19937 holds(7);
        Hand hand{0, 0, 0, 0, 0};
        for (int round = 0; round < 20000; ++round) {
            std::array<bool, HandSize> held{};
            for (auto& h : held)
                h = round % 2 == 1 && holds() % 2 == 0;
            const Hand previous = hand;
            for (std::size_t k = 0; k < HandSize; ++k)
                hand[k] = held[k] ? hand[k] : CardBackCode;
            for (std::size_t k = 0; k < HandSize; ++k) {
                if (!held[k])
                    drawCard(static_cast<int>(k), hand, previous, deck, random);
            }
            for (std::size_t k = 0; k < HandSize; ++k) {
                ASSERT_GE(hand[k], deck.first);
                ASSERT_LT(hand[k], deck.first + deck.count);
                ASSERT_EQ(std::count(hand.begin(), hand.end(), hand[k]), 1) << "a code twice in one hand";
                const auto* const left = previous.begin() + k + 1;
                ASSERT_TRUE(held[k] ? hand[k] == previous[k]
                                    : std::find(previous.begin(), left, hand[k]) == left)
                    << "a held card changed or a previous code came back";
            }
        }
        std::vector<int> seen(static_cast<std::size_t>(deck.count), 0);
        const int draws = deck.count * 4000;
        for (int i = 0; i < draws; ++i)
            ++seen[static_cast<std::size_t>(drawAnyCard(deck, random) - deck.first)];
        double chiSquare = 0;
        for (int n : seen)
            chiSquare += (n - 4000.0) * (n - 4000.0) / 4000.0;
        // 99.9th percentile of chi-square with 51 or 52 degrees of freedom is about 88.
        EXPECT_LT(chiSquare, 88.0);
    }
}

} // namespace
} // namespace tandora
