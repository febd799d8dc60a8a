// tandora-analyze: hand evaluation, pay-table facts and exact strategy for strategy players.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "arguments.h"
#include "engine/card.h"
#include "engine/deal_enumeration.h"
#include "engine/evaluation.h"
#include "engine/pay_table.h"
#include "strategy_commands.h"

using namespace tandora;

namespace {

void printUsage() {
    std::puts("usage: tandora-analyze eval GAME C1 C2 C3 C4 C5\n"
              "       tandora-analyze count GAME\n"
              "       tandora-analyze holds GAME [C1 C2 C3 C4 C5] [--coins N] [--draw deck|game] [PAYS]\n"
              "       tandora-analyze return GAME [--coins N] [PAYS]\n"
              "       tandora-analyze simulate GAME [--hands N] [--seed S] [--coins N] [--draw deck|game]\n"
              "                                     [--threads T] [PAYS]\n"
              "       tandora-analyze chart GAME [--coins N] [--lines L] [--hold] [PAYS]\n"
              "PAYS is --pays P1,...,Pn [--royal5 N].\n"
              "GAME is jb85, jb96, dw or jp. A card is a code 0-52 or rank (A 2-9 T J Q K) and suit\n"
              "(h d c s), e.g. Ah Td 2c; the joker is Jkr (Joker Poker only).\n"
              "holds prints the expected value of all 32 holds, best first, in coins per coin bet; with\n"
              "no cards it reads hands from standard input, one a line. return prints the pay table's\n"
              "return under the best play and the chance of each paying hand. N is the bet, 1 to 5\n"
              "coins (default 5): only five coins win 4000 for a natural royal flush. --draw deck (the\n"
              "default) draws from the cards not dealt, as published strategy does; --draw game draws as\n"
              "the table does, where a card discarded to the right of a position can come back there.\n"
              "simulate plays N hands (default 10000000) with the table's deal and draw and the best\n"
              "hold, on T threads (default: every core), and prints the return with its 95 % interval.\n"
              "chart prints a strategy chart of at most L lines (default 40), made from the exact values,\n"
              "with the return of playing it literally; with --hold it reads hands from standard input\n"
              "and prints the line that applies to each and the cards the chart holds.\n"
              "--pays prices another pay table of the game: the pays for one coin from the top row down\n"
              "(Jacks or Better 9 rows, royal flush to jacks or better; Deuces Wild 10, natural royal to\n"
              "three of a kind; Joker Poker 11, natural royal to kings or better), each 0 to 10000;\n"
              "--royal5 is the five-coin royal flush (default 4000, at most 50000).");
}

int evalCommand(GameType game, const std::vector<std::string_view>& cards) {
    if (cards.size() != HandSize)
        return badArguments("eval takes exactly five cards");
    const auto parsed = parseHand(cards, game);
    if (const auto* problem = std::get_if<std::string>(&parsed))
        return badArguments(*problem);
    const HandCategory category = evaluateHand(std::get<Hand>(parsed), game);
    std::printf("category %d %s\n", toInt(category), std::string(categoryName(category)).c_str());
    if (const auto slot = payTableSlot(category, game))
        std::printf("slot %d\n", *slot);
    else
        std::puts("slot -");
    const PayTable table = payTableFor(game);
    std::printf("pays");
    for (int coins = 1; coins <= MaxCoins; ++coins)
        std::printf(" %d", handPays(category, game, table, coins));
    std::printf("\n");
    return 0;
}

int countCommand(GameType game) {
    std::array<std::int64_t, HandCategoryCount> counts{};
    CardRank rank(game);
    EvalState state;
    const GameFlags flags = flagsFor(game);
    const auto start = std::chrono::steady_clock::now();
    const std::int64_t total = forEachDeal(game, [&](const Hand& hand) {
        ++counts[static_cast<std::size_t>(toInt(evaluateHand(hand, flags, rank, state)))];
    });
    const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    for (int c = 0; c < HandCategoryCount; ++c) {
        std::printf("%d %s %lld\n", c, std::string(categoryName(static_cast<HandCategory>(c))).c_str(),
                    static_cast<long long>(counts[static_cast<std::size_t>(c)]));
    }
    std::printf("total %lld\n", static_cast<long long>(total));
    std::printf("time %.1f ms\n", elapsed.count());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        printUsage();
        return 0;
    }
    if (args.size() < 2)
        return badArguments(
            "expected a command (eval, count, holds, return, simulate or chart) and a game (see --help)");
    const std::string_view command = args[0];
    const auto game = parseGameType(args[1]);
    if (command != "eval" && command != "count" && command != "holds" && command != "return" &&
        command != "simulate" && command != "chart")
        return badArguments("unknown command '" + std::string(command) + "'");
    if (!game)
        return badArguments("unknown game '" + std::string(args[1]) + "' (jb85, jb96, dw or jp)");
    std::vector<std::string_view> rest(args.begin() + 2, args.end());

    if (command == "eval")
        return evalCommand(*game, rest);
    if (command == "count") {
        if (!rest.empty())
            return badArguments("count takes only the game");
        return countCommand(*game);
    }
    const auto coins = takeCoinsOption(rest);
    if (const auto* problem = std::get_if<std::string>(&coins))
        return badArguments(*problem);
    const auto payTable = takePayTableOptions(rest, *game);
    if (const auto* problem = std::get_if<std::string>(&payTable))
        return badArguments(*problem);
    const PayTable& table = std::get<PayTable>(payTable);
    DrawModel draw = DrawModel::Deck;
    if (command == "holds" || command == "simulate") {
        const auto taken = takeOption(rest, "--draw");
        if (const auto* problem = std::get_if<std::string>(&taken))
            return badArguments(*problem);
        if (const auto text = std::get<std::optional<std::string_view>>(taken)) {
            const auto model = parseDrawModel(*text);
            if (!model)
                return badArguments("--draw takes deck or game, not '" + std::string(*text) + "'");
            draw = *model;
        }
    }
    if (command == "holds") {
        if (!rest.empty() && rest.size() != HandSize)
            return badArguments("holds takes five cards, or none to read hands from standard input");
        return holdsCommand(*game, table, rest, std::get<int>(coins), draw);
    }
    if (command == "chart") {
        const auto lines = takeNumberOption(rest, "--lines", 2, 200, 40);
        if (const auto* problem = std::get_if<std::string>(&lines))
            return badArguments(*problem);
        const auto hold = std::find(rest.begin(), rest.end(), "--hold");
        const bool holding = hold != rest.end();
        if (holding)
            rest.erase(hold);
        if (!rest.empty())
            return badArguments("unknown argument '" + std::string(rest.front()) + "' for chart");
        return chartCommand(*game, table, std::get<int>(coins),
                            static_cast<int>(std::get<std::int64_t>(lines)), holding);
    }
    if (command == "simulate") {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        const auto hands = takeNumberOption(rest, "--hands", 1, std::int64_t{1} << 40, 10'000'000);
        const auto seed = takeNumberOption(rest, "--seed", 0, INT64_MAX, 1);
        const auto threads = takeNumberOption(rest, "--threads", 1, 256, cores);
        for (const auto* option : {&hands, &seed, &threads}) {
            if (const auto* problem = std::get_if<std::string>(option))
                return badArguments(*problem);
        }
        if (!rest.empty())
            return badArguments("unknown argument '" + std::string(rest.front()) + "' for simulate");
        return simulateCommand({.game = *game,
                                .hands = std::get<std::int64_t>(hands),
                                .seed = static_cast<std::uint64_t>(std::get<std::int64_t>(seed)),
                                .coins = std::get<int>(coins),
                                .draw = draw,
                                .threads = static_cast<int>(std::get<std::int64_t>(threads)),
                                .table = table});
    }
    if (!rest.empty())
        return badArguments("return takes only the game, --coins, --pays and --royal5");
    return returnCommand(*game, table, std::get<int>(coins));
}
