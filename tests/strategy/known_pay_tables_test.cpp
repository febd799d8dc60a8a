#include <gtest/gtest.h>

#include <map>

#include "engine/known_pay_tables.h"
#include "engine/strategy_tables.h"

namespace tandora {
namespace {

// Guards every listed table and its name: the return shown beside it is the engine's exact one (worked
// out on two threads, as the dialog does), and agrees with the figures the references publish.
TEST(KnownPayTables, ReturnsAreExactAndMatchThePublishedFigures) {
    const std::map<std::string_view, double> published = {
        {"Jacks or Better 9/6", 99.5439},   {"Jacks or Better 9/5", 98.4498},
        {"Jacks or Better 8/6", 98.3927},   {"Jacks or Better 8/5", 97.2984},
        {"Jacks or Better 7/5", 96.1472},   {"Jacks or Better 6/5", 95.00},
        {"Deuces Wild full pay", 100.7620}, {"Deuces Wild Not So Ugly", 99.7283},
        {"Joker Poker 20/7/5", 100.65}};
    for (const GameType game : {GameType::JacksOrBetter85, GameType::DeucesWild, GameType::JokerPoker}) {
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
    EXPECT_FALSE(StrategyTables::forGame(GameType::DeucesWild).payTableReturn(1, 2, stopped.get_token()));
}

// Guards the text of a table (line 43, the settings, --pays): every table reads back as written, and a
// bad pay is refused with its row named.
TEST(KnownPayTables, TextRoundTripsAndRefusesBadPays) {
    for (const GameType game : AllGames) {
        for (const KnownPayTable& known : knownPayTables(game))
            EXPECT_EQ(std::get<PayTable>(parsePayTableText(game, payTableText(game, known.table))),
                      known.table);
    }
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
        EXPECT_EQ(std::get<std::string>(parsePayTableText(GameType::JacksOrBetter96, text)), problem) << text;
    const PayTable own =
        std::get<PayTable>(parsePayTableText(GameType::JacksOrBetter85, "1,2,3,4,5,6,7,8,9,10"));
    EXPECT_EQ(payTableName(GameType::JacksOrBetter85, own), "Jacks or Better, own table");
    // Every bet pays the row per coin, but five coins on a natural royal pay the table's own amount.
    for (int coins = 1; coins <= MaxCoins; ++coins) {
        EXPECT_EQ(handPays(HandCategory::FullHouse, GameType::JacksOrBetter85, own, coins), 4 * coins);
        EXPECT_EQ(handPays(HandCategory::NaturalRoyalFlush, GameType::JacksOrBetter85, own, coins),
                  coins == MaxCoins ? 10 : coins);
    }
    EXPECT_EQ(largestHandPay(GameType::JacksOrBetter85, own), 45) << "five coins on jacks or better";
}

} // namespace
} // namespace tandora
