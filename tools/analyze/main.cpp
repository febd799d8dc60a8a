// tandora-analyze: hand evaluation, pay-table facts and exact strategy for strategy players.
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
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
    std::puts(
        "usage: tandora-analyze eval GAME C1 C2 C3 C4 C5\n"
        "       tandora-analyze count GAME\n"
        "       tandora-analyze holds GAME [C1 C2 C3 C4 C5] [--coins N] [--pays P1,...,Pn [--royal5 N]]\n"
        "       tandora-analyze return GAME [--coins N] [--pays P1,...,Pn [--royal5 N]]\n"
        "GAME is jb85, jb96, dw or jp. A card is a code 0-52 or rank (A 2-9 T J Q K) and suit\n"
        "(h d c s), e.g. Ah Td 2c; the joker is Jkr (Joker Poker only).\n"
        "holds prints the expected value of all 32 holds, best first, in coins per coin bet; with\n"
        "no cards it reads hands from standard input, one a line. return prints the pay table's\n"
        "return under the best play and the chance of each paying hand. N is the bet, 1 to 5\n"
        "coins (default 5): only five coins win 4000 for a natural royal flush.\n"
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
        return badArguments("expected a command (eval, count, holds or return) and a game (see --help)");
    const std::string_view command = args[0];
    const auto game = parseGameType(args[1]);
    if (command != "eval" && command != "count" && command != "holds" && command != "return")
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
    const auto table = takePayTableOptions(rest, *game);
    if (const auto* problem = std::get_if<std::string>(&table))
        return badArguments(*problem);
    if (command == "holds") {
        if (!rest.empty() && rest.size() != HandSize)
            return badArguments("holds takes five cards, or none to read hands from standard input");
        return holdsCommand(*game, std::get<PayTable>(table), rest, std::get<int>(coins));
    }
    if (!rest.empty())
        return badArguments("return takes only the game, --coins, --pays and --royal5");
    return returnCommand(*game, std::get<PayTable>(table), std::get<int>(coins));
}
