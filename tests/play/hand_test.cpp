#include "play_fixture.h"

namespace tandora::testing_support {
namespace {

class HandTest : public PlayTest {};

// Guards the bet and the deal as the player sees and hears it, in order: the bet on the counters and the
// five-coin column, no flips on a table of card backs, the five cards with their pauses, a paying hand's
// strip without its sound or pay, and the table left waiting for the draw.
TEST_F(HandTest, MaxBetBetsDealsAndWaitsForTheDraw) {
    addDefault();
    nextCards("Ah Kh 7c 7d 7s");
    const auto at = mark();
    app.click({Control::MaxBet});
    EXPECT_EQ(since(at),
              lines({"deal Deal on",    "cashout off",  "credits 75", "coins 5",    "column 5",
                     "pointer busy",    "card 1 Ah",    "sleep 50",   "card 2 Kh",  "sleep 50",
                     "card 3 7c",       "sleep 50",     "card 4 7d",  "sleep 50",   "card 5 7s",
                     "positions 11111", "deal Draw on", "bet1 off",   "maxbet off", "strip ThreeOfAKind",
                     "pointer default"}));
}

// Guards the draw with Double Up off: only the cards not held turn (with a flip each) and change, the win
// is shown, paid into the credits with its sounds, and the table is back to betting (its count is the
// session's).
TEST_F(HandTest, DrawReplacesTheCardsNotHeldAndPaysTheWin) {
    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    addDefault();
    nextCards("Ah Kh 7c 7d 2s");
    app.click({Control::MaxBet});
    app.click({Control::Hold, 3});
    app.click({Control::HandPos, 4}); // a card holds like its label
    nextCards("7h 9s 2d");
    const auto at = mark();
    app.click({Control::Deal});
    EXPECT_EQ(since(at), lines({"pointer busy",       "card 1 back",    "sound 3 background",
                                "sleep 100",          "card 2 back",    "sound 3 background",
                                "sleep 100",          "card 5 back",    "sound 3 background",
                                "sleep 100",          "card 1 7h",      "sleep 50",
                                "card 2 9s",          "sleep 50",       "sleep 50",
                                "sleep 50",           "card 5 2d",      "paid 15",
                                "strip ThreeOfAKind", "sound 15 wait",  "sound 1 background",
                                "positions 00000",    "deal Deal off",  "bet1 on",
                                "maxbet on",          "cashout on",     "credits 90",
                                "game over on",       "pointer default"}));
    EXPECT_EQ(table().labels[2], HoldLabel::Held) << "the holds stay shown until the next deal";
    EXPECT_EQ(table().coins, 5) << "COINS shows the last bet until the next one";
}

// Guards the next deal: it clears the holds and turns every card face down with a flip each, and never
// deals a card of the last hand back at its own position or to its right (one may come back to its left).
TEST_F(HandTest, NextDealClearsHoldsAndTurnsEveryCard) {
    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    addDefault();
    playHeldHand("Jh Jd 4c 7s 9h");
    // 7s was position 4: it may come back at 1. Jh (1), 4c (3) and 9h (5) may not come back at 2, 3 or 5.
    nextCards("7s Jh Ah 4c 2h");
    nextCards("3h 9h 5h Kc Kd");
    f.log.clear();
    const auto at = mark();
    app.click({Control::MaxBet});
    EXPECT_EQ(f.log.matching("label").size(), 5u) << "the five holds of the last hand cleared";
    EXPECT_EQ(f.log.matching("sound 3").size(), 5u);
    EXPECT_LT(f.log.textFrom(at).find("label 5 -"), f.log.textFrom(at).find("card 1 back"));
    EXPECT_EQ(s.Hand, handOf("7s Ah 2h 3h 5h"));
}

// Guards the buttons' pressed looks: shown for a plain left press only and let up by the release, also by
// one that arrives while an action runs; a click arriving then starts nothing.
TEST_F(HandTest, ButtonsLookPressedForAPlainLeftPressUntilItsRelease) {
    addDefault();
    for (const auto& [control, button, mouse, shift, shows] :
         {std::tuple{Control::Bet1, Button::Bet1, 1, 0, true},
          std::tuple{Control::MaxBet, Button::MaxBet, 2, 0, false},
          std::tuple{Control::CashOut, Button::CashOut, 1, 1, false}}) {
        app.mouseDown({control}, mouse, shift, 5, 5);
        EXPECT_EQ(f.view.pressed(button), shows);
        app.mouseUp({control}, mouse, shift, 5, 5);
        EXPECT_FALSE(f.view.pressed(button));
    }
    app.mouseDown({Control::Bet1}, 1, 0, 5, 5);
    f.view.duringNextRepaint([this] {
        app.mouseUp({Control::Bet1}, 1, 0, 5, 5);
        app.click({Control::Bet1});
    });
    app.menuClick({MenuItem::OptionsMenu_JokerPoker});
    EXPECT_FALSE(f.view.pressed(Button::Bet1));
    EXPECT_EQ(s.CoinsBet, 0) << "the click that came during the game change was dropped";
}

// Guards the refusals of a bet: without credits it does nothing (the bets that go are the session's);
// one that could win past 99,999 credits is refused with its message, so no credit is lost off the counter.
TEST_F(HandTest, BetsWithoutCreditsOrThatCouldWinPastTheCounterAreRefused) {
    app.click({Control::Bet1});
    app.click({Control::MaxBet});
    EXPECT_EQ(std::tuple(s.CoinsBet, table().coinColumn, s.HandState),
              std::tuple(0, 0, HandStates::BetweenHands));
    s.vPoints = MaxShownCredits - MaxHandWin + 1;
    app.click({Control::MaxBet});
    EXPECT_EQ(s.CoinsBet, 0);
    EXPECT_EQ(f.messages.shown(), std::vector<std::string>{"Credit Bank|48|The game holds at most 99,999 "
                                                           "credits. Please cash out before you play on."});
    s.vPoints = MaxShownCredits - MaxHandWin;
    app.click({Control::Bet1});
    EXPECT_EQ(s.CoinsBet, 1);
}

} // namespace
} // namespace tandora::testing_support
