// Card codes, the draw, the scoring rules of every game and their pay tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/card.h"
#include "engine/card_draw.h"
#include "engine/evaluation.h"
#include "engine/pay_table.h"
#include "tests/support/cards.h"

namespace tandora {
namespace {

using testing_support::handOf;
using G = GameType;
using H = HandCategory;

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
        Hand hand{0, 0, 0, 0, 0};
        for (int round = 0; round < 20000; ++round) {
            std::array<bool, HandSize> held{};
            for (auto& h : held)
                h = round % 2 == 1 && random.nextUniform() < 0.5;
            const Hand previous = hand;
            for (std::size_t k = 0; k < HandSize; ++k)
                hand[k] = held[k] ? hand[k] : CardBackCode;
            for (std::size_t k = 0; k < HandSize; ++k)
                if (!held[k])
                    drawCard(static_cast<int>(k), hand, previous, deck, random);
            for (std::size_t k = 0; k < HandSize; ++k) {
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

// Guards the hands whose slips the published counts of every deal (the strategy tables' test) cannot see: a
// wheel against the straight to the ace (counted together there), and Deuces Wild's hands that pay nothing.
TEST(Evaluation, EdgeCasesScoreAsTheRulesSayAndLeaveTheWorkingState) {
    const std::tuple<G, const char*, H> rows[] = {
        {G::JacksOrBetter85, "Ah 2d 3c 4s 5h", H::Straight},
        {G::JacksOrBetter85, "Th Jd Qc Ks Ah", H::AceHighStraight},
        {G::JokerPoker, "Jkr Ah 3d 4c 5s", H::Straight},
        {G::DeucesWild, "2h 4d 7c 9s Kh", H::NoWin},
        {G::DeucesWild, "Kd Kc 4s 7h 9h", H::HighPair},
        {G::DeucesWild, "2h Ad Jc Qs Kh", H::AceHighStraight},
    };
    for (const auto& [game, cards, expected] : rows)
        EXPECT_EQ(evaluateHand(handOf(cards), game), expected) << cards;
    // The side effects callers rely on: EvalHand left as ranks with wild cards leading, WildCount counted
    // afresh by each evaluation.
    const CardRank rank(G::DeucesWild);
    EvalState state;
    EXPECT_EQ(evaluateHand(handOf("Kh 2d 2c 9s 2h"), flagsFor(G::DeucesWild), rank, state), H::FourOfAKind);
    EXPECT_EQ(state.WildCount, 3);
    EXPECT_EQ(state.EvalHand, (EvalArray{0, 0, 0, 9, 13}));
    EXPECT_EQ(evaluateHand(handOf("Kh Kd 4c 9s 7h"), flagsFor(G::DeucesWild), rank, state), H::HighPair);
    EXPECT_EQ(state.WildCount, 0);
}

// Guards each game's pay table as the machine prints it: its rows from the top down, what each pays per
// coin and the slot its count is kept in, the 4000 only for five coins on the natural royal, the straight
// to the ace paid, counted and listed as the straight, and no pay, count or row for a hand that does not pay.
TEST(PayTable, EveryGamesRowsPaysAndSlotsWhoseCountsStopAtTheBound) {
    const std::pair<G, const char*> tables[] = {
        {G::JacksOrBetter85, "NaturalRoyalFlush 250/0 StraightFlush 50/5 FourOfAKind 25/6 FullHouse 8/7 "
                             "Flush 5/8 Straight 4/9 ThreeOfAKind 3/10 TwoPair 2/11 HighPair 1/12 "},
        {G::JacksOrBetter96, "NaturalRoyalFlush 250/0 StraightFlush 50/5 FourOfAKind 25/6 FullHouse 9/7 "
                             "Flush 6/8 Straight 4/9 ThreeOfAKind 3/10 TwoPair 2/11 HighPair 1/12 "},
        {G::DeucesWild, "NaturalRoyalFlush 250/0 FourDeuces 200/1 WildRoyalFlush 25/2 FiveOfAKind 15/4 "
                        "StraightFlush 9/5 FourOfAKind 5/6 FullHouse 3/7 Flush 2/8 Straight 2/9 "
                        "ThreeOfAKind 1/10 "},
        {G::JokerPoker,
         "NaturalRoyalFlush 250/0 FiveOfAKind 200/4 WildRoyalFlush 100/3 StraightFlush 50/5 "
         "FourOfAKind 20/6 FullHouse 7/7 Flush 5/8 Straight 3/9 ThreeOfAKind 2/10 TwoPair 1/11 "
         "HighPair 1/12 "},
    };
    for (const auto& [game, expected] : tables) {
        SCOPED_TRACE(gameCode(game));
        const PayTable table = payTableFor(game);
        const auto slotOf = [game](H category) { // "" for none, each slot counted once followed by a space
            HandCounts counts{};
            countHand(category, game, counts);
            std::string slots;
            for (std::size_t i = 0; i < counts.size(); ++i)
                slots += counts[i] == 0 ? "" : counts[i] == 1 ? std::to_string(i) + " " : "? ";
            return slots;
        };
        const auto rows = payTableRows(game);
        std::string shown;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            shown += std::string(categoryName(rows[i])) + " " +
                     std::to_string(handPays(rows[i], game, table, 1)) + "/" + slotOf(rows[i]);
            EXPECT_EQ(payTableRow(rows[i], game), static_cast<int>(i));
        }
        EXPECT_EQ(shown, expected);
        for (int c = 0; c < HandCategoryCount; ++c) {
            const auto category = static_cast<H>(c);
            SCOPED_TRACE(categoryName(category));
            const H as = category == H::AceHighStraight ? H::Straight : category;
            const bool pays = std::find(rows.begin(), rows.end(), as) != rows.end();
            EXPECT_EQ(payTableRow(category, game), pays ? payTableRow(as, game) : std::nullopt);
            EXPECT_EQ(slotOf(category), pays ? slotOf(as) : "");
            for (int coins = 1; coins <= MaxCoins; ++coins)
                EXPECT_EQ(handPays(category, game, table, coins),
                          category == H::NaturalRoyalFlush && coins == MaxCoins
                              ? 4000
                              : coins * handPays(as, game, table, 1) * pays)
                    << coins << " coins";
        }
    }
    // A long game's counts stop at the bound a game file holds instead of passing it.
    HandCounts counts{};
    counts[9] = MaxStatistic - 1;
    countHand(H::Straight, G::JokerPoker, counts);
    countHand(H::AceHighStraight, G::JokerPoker, counts);
    EXPECT_EQ(counts[9], MaxStatistic);
}

} // namespace
} // namespace tandora
