#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "strategy_tables.h"

namespace tandora {

// A strategy chart: hand patterns in the words players use, best first. The player holds the cards of the
// first line that fits the dealt hand; where a line fits more than one way, the higher cards (then the
// better hold). The last line always fits: it keeps the wild cards, if any, and draws the rest.
//
// Charts are made from the exact value of every hold of every deal, drawing from the cards not dealt (as
// casino machines do), for the pay table and bet of the tables they are made from; nothing is written by
// hand but the words of the patterns.
struct StrategyChart {
    GameType game{};
    int coins = MaxCoins;
    std::vector<std::string> lines;
    double chartReturn = 0;   // playing the chart literally over every deal, in percent
    double optimalReturn = 0; // best play, in percent
};

// The most lines of the charts the game shows.
inline constexpr int ChartLines = 40;

// Chooses and orders at most maxLines lines (2 or more) for the highest return. About a second on one
// core; throws std::invalid_argument for coins outside 1 to 5 or maxLines below 2.
StrategyChart makeStrategyChart(const StrategyTables& tables, int coins, int maxLines);

// What the chart holds of a dealt hand: the line that applies (from 0) and the positions held.
struct ChartPlay {
    int line = 0;
    std::uint8_t mask = 0;
};

// values: the hand's holdValues for the chart's bet (they settle mirror-image ties between holds).
ChartPlay playChart(const StrategyChart& chart, const Hand& hand,
                    const std::array<HoldValue, HoldCount>& values);

// Every chart pattern a hold of a dealt hand fits; none for a hold that lets a wild card go, or that no
// chart names (a pair with a kicker, say).
std::vector<std::string> holdPatterns(const Hand& hand, std::uint8_t mask, GameType game);

} // namespace tandora
