#include <gtest/gtest.h>

#include "engine/card.h"

namespace tandora {
namespace {

// Guards the code layout: suits in blocks of 13, ace low, entry 0 of the rank table by game.
TEST(CardRank, RanksAndWildEntry) {
    const CardRank jacks(GameType::JacksOrBetter85);
    for (Card c = 1; c <= 52; ++c) {
        EXPECT_EQ(jacks[c], rankOf(c));
        EXPECT_EQ(cardCode(rankOf(c), suitOf(c)), c);
    }
    EXPECT_EQ(suitOf(13), 0);
    EXPECT_EQ(suitOf(14), 1);
    EXPECT_EQ(suitOf(52), 3);
    EXPECT_EQ(CardRank(GameType::DeucesWild)[0], 2);
    EXPECT_EQ(CardRank(GameType::JokerPoker)[0], 0);
    EXPECT_EQ(jacks[CardBackCode], 0) << "the card back has no rank and must not read past the table";
}

// Guards the tool's card syntax, including the cases it must refuse.
TEST(CardText, ParsesCodesRankSuitAndJoker) {
    EXPECT_EQ(parseCard("Ah"), Card{1});
    EXPECT_EQ(parseCard("kS"), Card{52});
    EXPECT_EQ(parseCard("td"), Card{23});
    EXPECT_EQ(parseCard("2c"), Card{28});
    EXPECT_EQ(parseCard("JKR"), Card{0});
    EXPECT_EQ(parseCard("0"), Card{0});
    EXPECT_EQ(parseCard("52"), Card{52});
    for (const char* bad : {"", "53", "99", "-1", "1h0", "Xh", "Ax", "10h", "Joker", "5 "})
        EXPECT_FALSE(parseCard(bad).has_value()) << bad;
    for (Card c = 1; c <= 52; ++c)
        EXPECT_EQ(parseCard(cardName(c)), c);
}

} // namespace
} // namespace tandora
