#include <gtest/gtest.h>

#include <algorithm>

#include "engine/deal_enumeration.h"
#include "engine/strategy_chart.h"
#include "tests/support/cards.h"

namespace tandora {
namespace {

using testing_support::handOf;

bool fits(const char* hand, unsigned mask, GameType game, const std::string& pattern) {
    const auto patterns = holdPatterns(handOf(hand), static_cast<std::uint8_t>(mask), game);
    return std::find(patterns.begin(), patterns.end(), pattern) != patterns.end();
}

// Guards the patterns of known holds in each game: made hands, draws named with their wild cards, a pair
// held with a kicker or a wild card let go fitting no line.
TEST(StrategyChart, PatternsNameKnownHolds) {
    using G = GameType;
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
    const StrategyTables& tables = StrategyTables::forGame(GameType::JacksOrBetter85);
    const StrategyChart chart = makeStrategyChart(tables, 5, 12);
    ASSERT_LE(chart.lines.size(), 12u);
    double paid = 0, deals = 0;
    forEachSuitClass(GameType::JacksOrBetter85, [&](const Hand& hand, int weight) {
        const auto values = tables.holdValues(hand, 5);
        const ChartPlay play = playChart(chart, hand, values);
        paid += weight * std::find_if(values.begin(), values.end(), [&](const HoldValue& v) {
                             return v.mask == play.mask;
                         })->ev;
        deals += weight;
    });
    EXPECT_NEAR(chart.chartReturn, 100 * paid / deals, 1e-9);
    EXPECT_NEAR(chart.optimalReturn, 97.2984, 5e-5);
    EXPECT_GT(chart.chartReturn, 95.5);
    EXPECT_LE(chart.chartReturn, chart.optimalReturn);
    const Hand pair = handOf("9h Jd 4c Js 2h");
    const ChartPlay play = playChart(chart, pair, tables.holdValues(pair, 5));
    EXPECT_EQ(chart.lines.at(static_cast<std::size_t>(play.line)), "High Pair");
    EXPECT_EQ(play.mask, 0b01010);
    // Where a line fits two ways the chart keeps the higher cards.
    for (const auto& [text, mask] : {std::pair{"Ah 7c Kd 4s 2h", 0b00001}, {"Ah Kh Qd Jd 3c", 0b00011}}) {
        const Hand hand = handOf(text);
        EXPECT_EQ(playChart(chart, hand, tables.holdValues(hand, 5)).mask, mask) << text;
    }
    EXPECT_EQ(chart.lines.back(), "Anything else: draw five new cards");
    EXPECT_THROW(makeStrategyChart(tables, 5, 1), std::invalid_argument);
}

} // namespace
} // namespace tandora
