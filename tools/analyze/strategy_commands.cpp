#include "strategy_commands.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

#include "arguments.h"
#include "engine/pay_table.h"
#include "engine/strategy_tables.h"

namespace tandora {

namespace {

void printHolds(const StrategyTables& tables, const Hand& hand, int coins) {
    for (const HoldValue& hold : tables.holdValues(hand, coins)) {
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

int holdsCommand(GameType game, const PayTable& table, const std::vector<std::string_view>& cards,
                 int coins) {
    const StrategyTables tables(StrategyTables::forGame(game), table);
    if (!cards.empty()) {
        const auto hand = parseHand(cards, game);
        if (const auto* problem = std::get_if<std::string>(&hand))
            return badArguments(*problem);
        printHolds(tables, std::get<Hand>(hand), coins);
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
        printHolds(tables, std::get<Hand>(hand), coins);
        std::printf("\n");
        // Pipes get each answer as soon as it is known.
        std::fflush(stdout);
    }
    return 0;
}

int returnCommand(GameType game, const PayTable& table, int coins) {
    const StrategyTables tables(StrategyTables::forGame(game), table);
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const auto start = std::chrono::steady_clock::now();
    const ReturnResult result = *tables.payTableReturn(coins, threads, {});
    const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    std::printf("return %.4f\n", result.returnPercent);
    for (int c = 0; c < HandCategoryCount; ++c) {
        const auto category = static_cast<HandCategory>(c);
        if (payTableSlot(category, game)) {
            std::printf("%d %s %.8f\n", c, std::string(categoryName(category)).c_str(),
                        result.probability[static_cast<std::size_t>(c)]);
        }
    }
    std::printf("time %.1f ms\n", elapsed.count());
    return 0;
}

} // namespace tandora
