#include "play_fixture.h"

namespace tandora::testing_support {
namespace {

class KeyboardTest : public PlayTest {};

// Guards the betting keys between hands: b bets a coin, P bets the maximum and deals; both cases of every
// letter act alike; with no credits the keys do nothing, without a message.
TEST_F(KeyboardTest, BettingKeysActOnlyWithCredits) {
    for (const char k : {'b', 'B', 'p', 'P', 'm', 'M', 'd', 'D', 'c', 'C', '1'})
        key(k);
    EXPECT_EQ(s.CoinsBet, 0);
    EXPECT_EQ(s.HandState, HandStates::BetweenHands);
    EXPECT_TRUE(f.messages.shown().empty());

    key('$');
    EXPECT_EQ(s.vPoints, 80);
    key('b');
    key('B');
    EXPECT_EQ(s.CoinsBet, 2);
    EXPECT_EQ(s.HandState, HandStates::BetweenHands);
    key('P');
    EXPECT_EQ(s.CoinsBet, 5);
    EXPECT_EQ(s.HandState, HandStates::Dealt);
}

// Guards holds and the draw from the keyboard: 1 to 5 toggle their card, d draws; m is a second Max Bet key.
TEST_F(KeyboardTest, DigitsHoldAndDDraws) {
    key('$');
    nextCards("Ah Kh 7c 7d 2s");
    key('m');
    ASSERT_EQ(s.HandState, HandStates::Dealt);
    key('3');
    key('4');
    key('4');
    key('4');
    EXPECT_EQ(s.Held, (std::array<bool, 5>{false, false, true, true, false}));
    EXPECT_EQ(picture(Control::Hold, 4), 6103);
    nextCards("7h 9s 2d");
    key('D');
    EXPECT_EQ(s.vHandsPlayed, 1);
}

// Guards the Double Up keys: digits do nothing while the question shows; y accepts and n declines in either
// case; after Yes, 1 does nothing and 2 to 5 pick.
TEST_F(KeyboardTest, DoubleUpKeys) {
    key('$');
    playHeldHand("Jh Jd 4c 7s 9h");
    ASSERT_TRUE(s.DoubleUpOffered);
    for (const char k : {'2', '3', 'd', 'b', 'c', '$'})
        key(k);
    EXPECT_TRUE(s.DoubleUpOffered);
    EXPECT_EQ(s.vPoints, 75);
    key('Y');
    EXPECT_FALSE(s.DoubleUpOffered);
    key('n');
    key('1');
    EXPECT_TRUE(s.DoubleUpPending) << "N after Yes and 1 change nothing";
    key('5');
    EXPECT_FALSE(s.DoubleUpPending);
    EXPECT_EQ(picture(Control::Hold, 5), 6104);

    addDefault();
    playHeldHand("Qh Qd 4c 7s 9h");
    key('N');
    EXPECT_FALSE(s.DoubleUpPending);
    EXPECT_EQ(s.HandState, HandStates::BetweenHands);
}

// Guards Cash Out and the dollar key between hands, and a game credit added while cards are out refused.
TEST_F(KeyboardTest, CashKeys) {
    key('$');
    key('c');
    EXPECT_EQ(s.vPoints, 0);
    EXPECT_EQ(f.dialogs.shown().size(), 1u) << "the receipt";
    key('$');
    key('b');
    app.menuClick({MenuItem::mnuAddCredits_AddDefault});
    EXPECT_EQ(f.messages.shown().back(), "Add Credits|64|Finish this hand and try again.");
    EXPECT_EQ(s.vPoints, 79);
}

} // namespace
} // namespace tandora::testing_support
