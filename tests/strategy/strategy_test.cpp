// The tables the strategy prices draws from, the values of holds, the pay table returns they give, the
// game's own draw and the strategy charts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/colex_rank.h"
#include "engine/deal_enumeration.h"
#include "engine/draw_counts.h"
#include "engine/evaluation.h"
#include "engine/game_draw.h"
#include "engine/known_pay_tables.h"
#include "engine/simulation.h"
#include "engine/strategy_chart.h"
#include "engine/strategy_tables.h"
#include "tests/support/cards.h"

namespace tandora {
namespace {

using testing_support::handOf;
using testing_support::textOf;
using G = GameType;
using H = HandCategory;

// Guards, for every game: the rules of evaluateHand, by the published count of each paying hand over every
// deal (counts that do not come from the evaluator; both straights under Straight, -1: not published), with
// one working state for all deals as its callers keep it; the table-driven evaluation (the stored category of
// every hand of the deck is evaluateHand's); the suit classes the return is summed over (weighted, they give
// every category as often as the deals, and there are as many as combinatorics says); and the return on one,
// three and five coins, whose final-hand probabilities add up to one and price it on the bet's own payouts,
// and whose own search for the best hold agrees with every class of deals played by holdValues' first hold.
// (The published returns are checked with the known pay tables below.)
TEST(StrategyTables, EveryDealScoresAsPublishedAndAgreesWithTheBestHold) {
    using Row = std::array<std::int64_t, HandCategoryCount>;
    // NoWin HighPair TwoPair Three Straight - Flush FullHouse Four StraightFlush Five WildRoyal 4Deuces Royal
    const Row jacks{-1, 337920, 123552, 54912, 10200, 0, 5108, 3744, 624, 36, 0, 0, 0, 4};
    const std::map<GameType, std::pair<std::int64_t, Row>> published = {
        {G::JacksOrBetter85, {2598960, jacks}},
        {G::JacksOrBetter96, {2598960, jacks}},
        {G::DeucesWild,
         {2598960, {-1, -1, -1, 355080, 62232, 0, 14472, 12672, 31552, 2068, 624, 480, 48, 4}}},
        {G::JokerPoker,
         {2869685, {-1, 262956, 123552, 137280, 20532, 0, 7804, 6552, 3120, 180, 13, 20, 0, 4}}}};
    for (const GameType game : AllGames) {
        SCOPED_TRACE(gameCode(game));
        const DrawCounts counts(game);
        const CardRank rank(game);
        EvalState state;
        std::int64_t mismatches = 0;
        Row byDeal{}, byClass{};
        const std::int64_t deals = forEachDeal(game, [&](const Hand& hand) {
            std::array<int, HandSize> places{};
            for (std::size_t i = 0; i < HandSize; ++i)
                places[i] = counts.placeOf(hand[i]);
            const HandCategory category = evaluateHand(hand, flagsFor(game), rank, state);
            ++byDeal[static_cast<std::size_t>(toInt(category))];
            mismatches += counts.category(colexRank(places, HandSize)) != category;
        });
        EXPECT_EQ(mismatches, 0);
        const StrategyTables& tables = StrategyTables::forGame(game);
        std::array<long double, MaxCoins + 1> bestSum{};
        const std::int64_t classes = forEachSuitClass(game, [&](const Hand& hand, int weight) {
            byClass[static_cast<std::size_t>(toInt(evaluateHand(hand, game)))] += weight;
            for (const int coins : {1, 3, 5})
                bestSum[coins] += weight * tables.holdValues(hand, coins)[0].ev;
        });
        EXPECT_EQ(byClass, byDeal);
        const auto& [publishedDeals, expected] = published.at(game);
        EXPECT_EQ(deals, publishedDeals);
        byDeal[toInt(H::Straight)] += std::exchange(byDeal[toInt(H::AceHighStraight)], 0);
        for (std::size_t c = 0; c < byDeal.size(); ++c)
            EXPECT_EQ(byDeal[c], expected[c] < 0 ? byDeal[c] : expected[c])
                << categoryName(static_cast<H>(c));
        // 134,459 five-card hands up to suits; the joker adds one for each of the 16,432 four-card ones.
        EXPECT_EQ(classes, game == G::JokerPoker ? 134459 + 16432 : 134459);
        for (const int coins : {1, 3, 5}) {
            SCOPED_TRACE(testing::Message() << coins << " coins");
            const ReturnResult result = payTableReturn(game, coins);
            double total = 0, percent = 0;
            for (std::size_t c = 0; c < HandCategoryCount; ++c) {
                EXPECT_GE(result.probability[c], 0);
                total += result.probability[c];
                percent += 100.0 * result.probability[c] *
                           handPays(static_cast<H>(c), game, payTableFor(game), coins) / coins;
            }
            EXPECT_NEAR(total, 1.0, 1e-12);
            EXPECT_NEAR(result.returnPercent, percent, 1e-9);
            EXPECT_NEAR(tables.payTableReturn(coins).returnPercent,
                        static_cast<double>(100 * bestSum[coins] / static_cast<long double>(deals)), 1e-9);
        }
    }
}

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

// Guards the counting, the pricing on each bet (the draws counted also check how many cards each hold keeps)
// and the order of the holds (best first, ties to more cards, then to the lower mask) against the reference
// on every hand below; and the best hold's cards on the given bet of the hands strategy charts agree on, with
// its value (< 0: not checked).
TEST(HoldValues, AgreeWithEveryDrawAndWithPublishedStrategy) {
    const std::tuple<G, const char*, int, const char*, double> rows[] = {
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
            if (coins == bet) {
                EXPECT_EQ(textOf(values[0].held, values[0].heldCount), bestHold) << "on " << bet << " coins";
                EXPECT_NEAR(values[0].ev, bestEv < 0 ? values[0].ev : bestEv, 1e-12);
            }
            for (std::size_t i = 0; i < values.size(); ++i) {
                const HoldValue& v = values[i];
                SCOPED_TRACE(testing::Message() << coins << " coins, hold " << textOf(v.held, v.heldCount));
                std::int64_t paid = 0;
                for (std::size_t c = 0; c < HandCategoryCount; ++c)
                    paid += finals[v.mask][c] * handPays(static_cast<H>(c), game, payTableFor(game), coins);
                const std::int64_t draws =
                    std::accumulate(finals[v.mask].begin(), finals[v.mask].end(), std::int64_t{0});
                EXPECT_EQ(std::pair(v.paid, v.draws), std::pair(paid, draws));
                EXPECT_DOUBLE_EQ(v.ev, static_cast<double>(paid) / static_cast<double>(draws * coins));
                if (i > 0) { // by value, then more cards, then the lower mask: so no hold twice
                    const HoldValue& u = values[i - 1];
                    EXPECT_GT(std::tuple(u.paid * v.draws, u.heldCount, -static_cast<int>(u.mask)),
                              std::tuple(v.paid * u.draws, v.heldCount, -static_cast<int>(v.mask)));
                }
            }
        }
    }
}

// Guards the refusals of what the game cannot deal (99 is the card back) or take, by their exact words.
TEST(HoldValues, RefuseWhatTheGameCannotDealOrTake) {
    const std::tuple<G, Hand, int, const char*> rows[] = {
        {G::DeucesWild, {0, 5, 6, 7, 8}, 5, "the joker is only in Joker Poker"},
        {G::JokerPoker, {1, 5, 6, 5, 8}, 5, "card 5h is dealt twice"},
        {G::JacksOrBetter85, {1, 2, 3, 4, 99}, 5, "card code 99 is not a card of 8/5 Jacks or Better"},
        {G::JacksOrBetter96, {1, 2, 3, 4, 5}, 0, "coins must be 1 to 5, not 0"},
        {G::JacksOrBetter96, {1, 2, 3, 4, 5}, 6, "coins must be 1 to 5, not 6"},
    };
    for (const auto& [game, hand, coins, message] : rows)
        EXPECT_THAT([&] { StrategyTables::forGame(game).holdValues(hand, coins); },
                    testing::ThrowsMessage<std::invalid_argument>(testing::StrEq(message)));
}

// The table's draw followed literally, every allowed code of each position equally likely (drawCard's
// rejection loop): the exact value per coin of a hold.
double designedDrawValue(const Hand& dealt, unsigned mask, GameType game, int coins) {
    const DeckParams deck = deckFor(flagsFor(game));
    const PayTable table = payTableFor(game);
    Hand hand = dealt;
    const std::function<double(int)> fill = [&](int k) -> double {
        if (k == HandSize)
            return handPays(evaluateHand(hand, game), game, table, coins);
        if (mask >> k & 1)
            return fill(k + 1);
        std::vector<Card> allowed;
        for (int code = deck.first; code < deck.first + deck.count; ++code) {
            bool refused = false;
            for (int p = 0; p < HandSize && !refused; ++p)
                refused = (p <= k && dealt[static_cast<std::size_t>(p)] == code) ||
                          (p != k && (p < k || (mask >> p & 1)) && hand[static_cast<std::size_t>(p)] == code);
            if (!refused)
                allowed.push_back(static_cast<Card>(code));
        }
        double sum = 0;
        for (const Card c : allowed) {
            hand[static_cast<std::size_t>(k)] = c;
            sum += fill(k + 1);
        }
        hand[static_cast<std::size_t>(k)] = dealt[static_cast<std::size_t>(k)];
        return sum / static_cast<double>(allowed.size());
    };
    return fill(0) / coins;
}

// Guards the game's draw values: every hold discarding up to three cards equals the exhaustive walk of the
// table's draw, in each kind of game; equal holds keep more cards first; and the comeback chances of each
// number of discards add up to one.
TEST(GameDraw, ValuesEqualTheTablesDrawWalkedExhaustively) {
    for (const auto& [game, text] : {std::pair{G::JacksOrBetter96, "Jh Jd Qc Ts 9s"},
                                     {G::JacksOrBetter85, "9s Ts Js 3h Qs"},
                                     {G::DeucesWild, "2c 7h 8h 9h Kd"},
                                     {G::JokerPoker, "Kh 5c Jkr Qh 5d"}}) {
        SCOPED_TRACE(text);
        const Hand hand = handOf(text);
        const auto values = holdValuesFor(StrategyTables::forGame(game), hand, 5, DrawModel::Game);
        for (const HoldValue& v : values) // three discards at most: the walk stays quick
            EXPECT_NEAR(v.ev, v.heldCount < 2 ? v.ev : designedDrawValue(hand, v.mask, game, 5), 1e-9)
                << int{v.mask};
        for (std::size_t i = 1; i < values.size(); ++i)
            EXPECT_GE(values[i - 1].paid, values[i].paid) << "best first";
    }
    // Four kings pay the same kept whole or with the kicker drawn to: the hold keeping more cards is first.
    const auto quads = holdValuesFor(StrategyTables::forGame(G::JacksOrBetter85), handOf("Kh Kd Ks Kc 5c"), 5,
                                     DrawModel::Game);
    EXPECT_EQ(quads[0].heldCount * 10 + quads[1].heldCount, 54);
    for (int discarded = 0; discarded <= HandSize; ++discarded) {
        double total = 0;
        for (unsigned returned = 0; returned < 1u << discarded; ++returned)
            total += comebackChance(discarded, returned, 47);
        EXPECT_NEAR(total, 1.0, 1e-12) << discarded;
        EXPECT_EQ(comebackChance(discarded, 1, 47), 0) << "the first discard never comes back";
    }
    EXPECT_NEAR(comebackChance(2, 2, 47), 1.0 / 48, 1e-15);
}

// Guards the simulator: the deck model lands within its interval of the exact return, a seed gives the same
// figures on any number of threads, every hand is counted once, and a one-coin bet is priced per coin.
TEST(Simulation, AgreesWithTheExactReturnAndRepeatsItsSeed) {
    SimulationOptions o{.game = G::JacksOrBetter96, .hands = 300000, .seed = 7, .threads = 1};
    const SimulationResult one = simulate(o);
    o.threads = 2;
    const SimulationResult two = simulate(o);
    EXPECT_EQ(one.returnPercent, two.returnPercent);
    EXPECT_EQ(one.finals, two.finals);
    EXPECT_EQ(std::accumulate(one.finals.begin(), one.finals.end(), std::int64_t{0}), o.hands);
    EXPECT_NEAR(one.returnPercent, 99.5439, one.ci95);
    EXPECT_TRUE(one.ci95 > 0.3 && one.ci95 < 2.0) << one.ci95;
    o.seed = 8;
    EXPECT_NE(simulate(o).returnPercent, one.returnPercent);
    o.coins = 1; // no royal flush bonus: 98.3735 % exactly
    const SimulationResult oneCoin = simulate(o);
    EXPECT_NEAR(oneCoin.returnPercent, 98.3735, oneCoin.ci95);
    EXPECT_THROW(simulate({.hands = 0}), std::invalid_argument);
    EXPECT_THROW(simulate({.coins = 6}), std::invalid_argument);
}

// Guards every listed table and its name: the return shown beside it is the engine's exact one (worked
// out on two threads, as the dialog does), and agrees with the figures the references publish.
TEST(KnownPayTables, PriceAsPublishedReadBackAsWrittenAndRefuseBadPays) {
    const std::map<std::string_view, double> published = {
        {"Jacks or Better 9/6", 99.5439},   {"Jacks or Better 9/5", 98.4498},
        {"Jacks or Better 8/6", 98.3927},   {"Jacks or Better 8/5", 97.2984},
        {"Jacks or Better 7/5", 96.1472},   {"Jacks or Better 6/5", 95.00},
        {"Deuces Wild full pay", 100.7620}, {"Deuces Wild Not So Ugly", 99.7283},
        {"Joker Poker 20/7/5", 100.65}};
    for (const GameType game : {G::JacksOrBetter85, G::DeucesWild, G::JokerPoker}) {
        for (const KnownPayTable& known : knownPayTables(game)) {
            SCOPED_TRACE(known.name);
            const StrategyTables tables(StrategyTables::forGame(game), known.table);
            const double exact = tables.payTableReturn(MaxCoins, 2, {})->returnPercent;
            EXPECT_NEAR(exact, known.returnPercent, 0.00005);
            // Two tables are published to two decimals only.
            if (const auto found = published.find(known.name); found != published.end()) {
                const bool twoDecimals = found->second == 95.00 || found->second == 100.65;
                EXPECT_NEAR(exact, found->second, twoDecimals ? 0.005 : 0.00005);
            }
            EXPECT_EQ(payTableName(game, known.table), known.table == payTableFor(game)
                                                           ? std::string(gameName(game))
                                                           : std::string(known.name));
        }
    }
    std::stop_source stopped;
    stopped.request_stop();
    EXPECT_FALSE(StrategyTables::forGame(G::DeucesWild).payTableReturn(1, 2, stopped.get_token()));
    // The text of a table (line 43, the settings, --pays): every table reads back as written, and a bad pay
    // is refused with its row named.
    for (const GameType game : AllGames)
        for (const KnownPayTable& known : knownPayTables(game))
            EXPECT_EQ(std::get<PayTable>(parsePayTableText(game, payTableText(game, known.table))),
                      known.table);
    const std::pair<const char*, const char*> refused[] = {
        {"250,50,25,9,6,4,3,2,1",
         "the table needs 10 pays (its 9 rows and the five-coin royal flush), not 9"},
        {"250,50,25,9,6,4,3,2,1,4000,1", "the table has 9 rows and the five-coin royal flush, not more"},
        {"250,50,25,-9,6,4,3,2,1,4000", "Full house is negative"},
        {"250,50,25,9,6.5,4,3,2,1,4000", "Flush is not a whole number"},
        {"250,50,25,9,6,4,3,2,10001,4000", "Jacks or better is above 10,000"},
        {"250,50,25,9,6,4,3,2,1,50001", "the five-coin royal flush is above 50,000"},
        {"250,50,25,9,,4,3,2,1,4000", "Flush is empty"}};
    for (const auto& [text, problem] : refused)
        EXPECT_EQ(std::get<std::string>(parsePayTableText(G::JacksOrBetter96, text)), problem) << text;
    const PayTable own = std::get<PayTable>(parsePayTableText(G::JacksOrBetter85, "1,2,3,4,5,6,7,8,9,10"));
    // Every bet pays the row per coin, but five coins on a natural royal pay the table's own amount.
    for (int coins = 1; coins <= MaxCoins; ++coins) {
        EXPECT_EQ(handPays(H::FullHouse, G::JacksOrBetter85, own, coins), 4 * coins);
        EXPECT_EQ(handPays(H::NaturalRoyalFlush, G::JacksOrBetter85, own, coins),
                  coins == MaxCoins ? 10 : coins);
    }
    EXPECT_EQ(largestHandPay(G::JacksOrBetter85, own), 45) << "five coins on jacks or better";
}

bool fits(const char* hand, unsigned mask, GameType game, const std::string& pattern) {
    const auto patterns = holdPatterns(handOf(hand), static_cast<std::uint8_t>(mask), game);
    return std::find(patterns.begin(), patterns.end(), pattern) != patterns.end();
}

// Guards the patterns of known holds in each game: made hands, draws named with their wild cards, a pair
// held with a kicker or a wild card let go fitting no line.
TEST(StrategyChart, PatternsNameKnownHolds) {
    EXPECT_TRUE(fits("Ah Kh Qh Jh 2c", 0b01111, G::JacksOrBetter96, "4 to a Royal Flush"));
    EXPECT_TRUE(fits("Ah Kh Qh Jh 2c", 0b01111, G::JacksOrBetter96, "4 to a Flush"));
    EXPECT_TRUE(fits("5h 6d 7c 8s Kc", 0b01111, G::JacksOrBetter85, "4 to an Outside Straight"));
    EXPECT_TRUE(fits("Jh Jd 4c 7s 9h", 0b00011, G::JacksOrBetter85, "High Pair"));
    EXPECT_TRUE(fits("Th Td 4c 7s 9h", 0b00011, G::JacksOrBetter85, "Low Pair"));
    EXPECT_TRUE(holdPatterns(handOf("Jh Jd 4c 7s 9h"), 0b00111, G::JacksOrBetter85).empty());
    EXPECT_TRUE(fits("Kd Qs Jc 4h 7s", 0b00111, G::JacksOrBetter96, "KQJ unsuited"));
    EXPECT_TRUE(fits("2c 7h 8h 9h Kd", 0b01111, G::DeucesWild, "1 deuce: 4 to a Straight Flush, 3 ways"));
    EXPECT_TRUE(fits("2c 2h Ah 3s 4s", 0b11111, G::DeucesWild, "2 deuces: Straight"));
    EXPECT_TRUE(holdPatterns(handOf("2c 7h 8h 9h Kd"), 0b01110, G::DeucesWild).empty());
    EXPECT_TRUE(fits("Jkr Ks 2c 9d 5h", 0b00011, G::JokerPoker, "Joker: A single King"));
    EXPECT_TRUE(fits("Kh Ks 2c 9d 5h", 0b00011, G::JokerPoker, "No joker: Pair of Kings or Aces"));
    EXPECT_TRUE(fits("Qh Qs 2c 9d 5h", 0b00011, G::JokerPoker, "No joker: Low Pair"));
}

// Guards the chart's return: the figure it reports equals playing the chart literally (first line that fits,
// with its tie rule) on every deal, and best play's figure is the pay table's return; the chart keeps to
// its lines and plays the hands players know.
TEST(StrategyChart, ReturnIsThatOfPlayingItLiterally) {
    const StrategyTables& tables = StrategyTables::forGame(G::JacksOrBetter85);
    const StrategyChart chart = makeStrategyChart(tables, 5, 12);
    ASSERT_LE(chart.lines.size(), 12u);
    double paid = 0, deals = 0;
    forEachSuitClass(G::JacksOrBetter85, [&](const Hand& hand, int weight) {
        const auto values = tables.holdValues(hand, 5);
        const ChartPlay play = playChart(chart, hand, values);
        paid += weight * std::find_if(values.begin(), values.end(), [&](const HoldValue& v) {
                             return v.mask == play.mask;
                         })->ev;
        deals += weight;
    });
    EXPECT_NEAR(chart.chartReturn, 100 * paid / deals, 1e-9);
    EXPECT_NEAR(chart.optimalReturn, 97.2984, 5e-5);
    EXPECT_TRUE(chart.chartReturn > 95.5 && chart.chartReturn <= chart.optimalReturn) << chart.chartReturn;
    // A high pair, and two lines that fit two ways, where the chart keeps the higher cards.
    for (const auto& [text, mask, line] : {std::tuple{"9h Jd 4c Js 2h", 0b01010, "High Pair"},
                                           {"Ah 7c Kd 4s 2h", 0b00001, "A single high card"},
                                           {"Ah Kh Qd Jd 3c", 0b00011, "2 suited high cards"}}) {
        const Hand hand = handOf(text);
        const ChartPlay play = playChart(chart, hand, tables.holdValues(hand, 5));
        EXPECT_EQ(chart.lines.at(static_cast<std::size_t>(play.line)), line) << text;
        EXPECT_EQ(play.mask, mask) << text;
    }
    EXPECT_EQ(chart.lines.back(), "Anything else: draw five new cards");
    EXPECT_THROW(makeStrategyChart(tables, 5, 1), std::invalid_argument);
}

} // namespace
} // namespace tandora
