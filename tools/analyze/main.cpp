// tandora-analyze: hand evaluation and pay-table facts for strategy players.
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/card.h"
#include "engine/deal_enumeration.h"
#include "engine/evaluation.h"
#include "engine/pay_table.h"

using namespace tandora;

namespace {

constexpr int BadArguments = 2;

int usage(const char* message) {
    std::fprintf(stderr, "tandora-analyze: %s\n", message);
    return BadArguments;
}

void printUsage() {
    std::puts("usage: tandora-analyze eval GAME C1 C2 C3 C4 C5\n"
              "       tandora-analyze count GAME\n"
              "GAME is jb85, jb96, dw or jp. A card is a code 0-52 or rank (A 2-9 T J Q K) and suit\n"
              "(h d c s), e.g. Ah Td 2c; the joker is Jkr (Joker Poker only).");
}

int evalCommand(GameType game, const std::vector<std::string_view>& cards) {
    if (cards.size() != HandSize)
        return usage("eval takes exactly five cards");
    Hand hand{};
    std::set<Card> seen;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const auto card = parseCard(cards[i]);
        if (!card) {
            const std::string message = "unknown card '" + std::string(cards[i]) + "'";
            return usage(message.c_str());
        }
        if (*card == JokerCode && game != GameType::JokerPoker)
            return usage("the joker is only in Joker Poker");
        if (!seen.insert(*card).second) {
            const std::string message = "card '" + std::string(cards[i]) + "' is given twice";
            return usage(message.c_str());
        }
        hand[i] = *card;
    }
    const HandCategory category = evaluateHand(hand, game);
    std::printf("category %d %s\n", toInt(category), std::string(categoryName(category)).c_str());
    const auto row = categoryRow(category, game);
    if (row)
        std::printf("slot %d\n", row->slot);
    else
        std::puts("slot -");
    const PayTable table = payTableFor(game);
    std::printf("pays");
    for (int coins = 1; coins <= MaxCoins; ++coins) {
        HandCounts unused{};
        std::printf(" %d", lookUpPayout(category, game, table, coins, 2, unused).PaidAmount);
    }
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
        return usage("expected 'eval GAME C1 C2 C3 C4 C5' or 'count GAME' (see --help)");
    const auto game = parseGameType(args[1]);
    if (!game) {
        const std::string message = "unknown game '" + std::string(args[1]) + "' (jb85, jb96, dw or jp)";
        return usage(message.c_str());
    }
    if (args[0] == "eval")
        return evalCommand(*game, {args.begin() + 2, args.end()});
    if (args[0] == "count") {
        if (args.size() != 2)
            return usage("count takes only the game");
        return countCommand(*game);
    }
    const std::string message = "unknown command '" + std::string(args[0]) + "'";
    return usage(message.c_str());
}
