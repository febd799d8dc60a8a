#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "engine/pay_table.h"

namespace tandora {
namespace {

using G = GameType;
using H = HandCategory;

// Guards each game's pay table as the machine prints it: its rows from the top down, what each pays per
// coin and the slot its count is kept in, the 4000 only for five coins on the natural royal, the straight
// to the ace paid, counted and listed as the straight, and no pay, count or row for a hand that does not pay.
TEST(PayTable, EveryGamesRowsPaysAndSlots) {
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
            const bool listed = std::find(rows.begin(), rows.end(), category) != rows.end();
            const H as = category == H::AceHighStraight ? H::Straight : category;
            EXPECT_EQ(payTableRow(category, game), payTableRow(as, game));
            EXPECT_EQ(slotOf(category), listed || as != category ? slotOf(as) : "");
            for (int coins = 1; coins <= MaxCoins; ++coins) {
                const bool royalMax = category == H::NaturalRoyalFlush && coins == MaxCoins;
                EXPECT_EQ(handPays(category, game, table, coins),
                          royalMax ? 4000 : coins * handPays(as, game, table, 1) * (listed || as != category))
                    << coins << " coins";
            }
            EXPECT_EQ(payTableRow(category, game).has_value(), listed || as != category);
        }
    }
}

// Guards a long game's counts: they stop at the bound a game file holds instead of passing it.
TEST(PayTable, CountsStopAtMaxStatistic) {
    HandCounts counts{};
    counts[9] = MaxStatistic - 1;
    countHand(H::Straight, G::JokerPoker, counts);
    countHand(H::AceHighStraight, G::JokerPoker, counts);
    EXPECT_EQ(counts[9], MaxStatistic);
}

} // namespace
} // namespace tandora
