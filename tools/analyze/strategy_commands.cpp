#include "strategy_commands.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

#include "arguments.h"
#include "engine/pay_table.h"
#include "engine/strategy_chart.h"
#include "engine/strategy_tables.h"

namespace tandora {

namespace {

void printHolds(const StrategyTables& tables, const Hand& hand, int coins, DrawModel draw) {
    for (const HoldValue& hold : holdValuesFor(tables, hand, coins, draw)) {
        std::string cards;
        for (int i = 0; i < hold.heldCount; ++i) {
            if (i > 0)
                cards += ' ';
            cards += cardName(hold.held[static_cast<std::size_t>(i)]);
        }
        std::printf("hold %s ev %.6f\n", cards.empty() ? "-" : cards.c_str(), hold.ev);
    }
}

} // namespace

int holdsCommand(GameType game, const PayTable& table, const std::vector<std::string_view>& cards, int coins,
                 DrawModel draw) {
    const StrategyTables tables(StrategyTables::forGame(game), table);
    if (!cards.empty()) {
        const auto hand = parseHand(cards, game);
        if (const auto* problem = std::get_if<std::string>(&hand))
            return badArguments(*problem);
        printHolds(tables, std::get<Hand>(hand), coins, draw);
        return 0;
    }
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        const auto words = splitWords(line);
        if (words.empty())
            continue;
        const auto hand = parseHand(words, game);
        if (const auto* problem = std::get_if<std::string>(&hand))
            return badArguments("line " + std::to_string(number) + ": " + *problem);
        printHolds(tables, std::get<Hand>(hand), coins, draw);
        std::printf("\n");
        // Pipes get each answer as soon as it is known.
        std::fflush(stdout);
    }
    return 0;
}

namespace {

void printPayingFrequencies(GameType game, const std::array<double, HandCategoryCount>& frequency) {
    for (int c = 0; c < HandCategoryCount; ++c) {
        const auto category = static_cast<HandCategory>(c);
        if (payTableSlot(category, game)) {
            std::printf("%d %s %.8f\n", c, std::string(categoryName(category)).c_str(),
                        frequency[static_cast<std::size_t>(c)]);
        }
    }
}

} // namespace

int chartCommand(GameType game, const PayTable& table, int coins, int maxLines, bool hold) {
    const StrategyTables tables(StrategyTables::forGame(game), table);
    const StrategyChart chart = makeStrategyChart(tables, coins, maxLines);
    if (!hold) {
        for (std::size_t i = 0; i < chart.lines.size(); ++i)
            std::printf("%2zu  %s\n", i + 1, chart.lines[i].c_str());
        std::printf("chart return %.4f\noptimal return %.4f\n", chart.chartReturn, chart.optimalReturn);
        return 0;
    }
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        const auto words = splitWords(line);
        if (words.empty())
            continue;
        const auto hand = parseHand(words, game);
        if (const auto* problem = std::get_if<std::string>(&hand))
            return badArguments("line " + std::to_string(number) + ": " + *problem);
        const Hand& dealt = std::get<Hand>(hand);
        const ChartPlay play = playChart(chart, dealt, tables.holdValues(dealt, coins));
        std::string cards;
        for (std::size_t p = 0; p < HandSize; ++p) {
            if ((play.mask >> p & 1) == 0)
                continue;
            if (!cards.empty())
                cards += ' ';
            cards += cardName(dealt[p]);
        }
        std::printf("line %d hold %s\n", play.line + 1, cards.empty() ? "-" : cards.c_str());
        std::fflush(stdout);
    }
    return 0;
}

int simulateCommand(const SimulationOptions& options) {
    const SimulationResult r = simulate(options);
    std::printf("return %.4f ci95 %.4f\n", r.returnPercent, r.ci95);
    std::printf("hands %lld\n", static_cast<long long>(r.hands));
    std::printf("hands/s %.0f\n", static_cast<double>(r.hands) / std::max(r.seconds, 1e-9));
    std::array<double, HandCategoryCount> frequency{};
    for (std::size_t c = 0; c < HandCategoryCount; ++c)
        frequency[c] = static_cast<double>(r.finals[c]) / static_cast<double>(r.hands);
    printPayingFrequencies(options.game, frequency);
    return 0;
}

int returnCommand(GameType game, const PayTable& table, int coins) {
    const StrategyTables tables(StrategyTables::forGame(game), table);
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const auto start = std::chrono::steady_clock::now();
    const ReturnResult result = *tables.payTableReturn(coins, threads, {});
    const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    std::printf("return %.4f\n", result.returnPercent);
    printPayingFrequencies(game, result.probability);
    std::printf("time %.1f ms\n", elapsed.count());
    return 0;
}

} // namespace tandora
