#include "play_fixture.h"

namespace tandora::testing_support {
namespace {

class HandCycleTest : public PlayTest {};

// Guards the whole bet-and-deal as the player sees and hears it: every picture, sound and pause in order,
// five flips on the first deal after set-up, and the table left waiting for the draw.
TEST_F(HandCycleTest, MaxBetBetsDealsAndWaitsForTheDraw) {
    ASSERT_TRUE(started);
    addDefault();
    nextCards("Ah Kh 7c 7d 2s");
    const auto at = mark();
    app.click({Control::MaxBet});
    EXPECT_EQ(since(at),
              lines({"Coins picture=1005", "Credits(1) picture=1000", "Credits(2) picture=1000",
                     "Credits(3) picture=1007", "Credits(4) picture=1005", "CashOut picture=6002",
                     "CashOut disabled", "Paid(1) picture=1000", "Paid(2) picture=1000",
                     "Paid(3) picture=1000", "Paid(4) picture=1000", "WinHighlight hidden",
                     "CoinHighlight at 426,35 57x124", "CoinHighlight picture=8505", "CoinHighlight shown",
                     "CashOut picture=6002", "CashOut disabled", "GameOver hidden",
                     // the deal
                     "pointer busy", "WinHighlight hidden", "Hold(1) picture=6102", "Hold(2) picture=6102",
                     "Hold(3) picture=6102", "Hold(4) picture=6102", "Hold(5) picture=6102",
                     "HandPos(1) picture=100", "sound 3 background", "sleep 100", "HandPos(2) picture=100",
                     "sound 3 background", "sleep 100", "HandPos(3) picture=100", "sound 3 background",
                     "sleep 100", "HandPos(4) picture=100", "sound 3 background", "sleep 100",
                     "HandPos(5) picture=100", "sound 3 background", "sleep 100", "HandPos(1) picture=101",
                     "sleep 50", "HandPos(2) picture=113", "sleep 50", "HandPos(3) picture=133", "sleep 50",
                     "HandPos(4) picture=120", "sleep 50", "HandPos(5) picture=141", "HandPos(1) enabled",
                     "Hold(1) enabled", "HandPos(2) enabled", "Hold(2) enabled", "HandPos(3) enabled",
                     "Hold(3) enabled", "HandPos(4) enabled", "Hold(4) enabled", "HandPos(5) enabled",
                     "Hold(5) enabled", "Deal picture=6015", "Deal enabled", "Bet1 picture=6005",
                     "Bet1 disabled", "MaxBet picture=6008", "MaxBet disabled", "pointer default"}));
    EXPECT_EQ(s.HandState, HandStates::Dealt);
    EXPECT_EQ(s.CoinsBet, 5);
    EXPECT_EQ(s.vPoints, 75);
    EXPECT_EQ(s.Hand, handOf("Ah Kh 7c 7d 2s"));
}

// Guards the draw with Double Up off: only the cards not held turn and change, the win is shown, paid into
// the credits with its sounds, counted once, and the table is back to betting, all in one click.
TEST_F(HandCycleTest, DrawReplacesTheCardsNotHeldAndPaysTheWin) {
    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    addDefault();
    nextCards("Ah Kh 7c 7d 2s");
    app.click({Control::MaxBet});
    app.click({Control::Hold, 3});
    app.click({Control::HandPos, 4}); // a card holds like its label
    nextCards("7h 9s 2d");
    const auto at = mark();
    app.click({Control::Deal});
    EXPECT_EQ(since(at),
              lines({"pointer busy", "WinHighlight hidden", "HandPos(1) picture=100", "sound 3 background",
                     "sleep 100", "HandPos(2) picture=100", "sound 3 background", "sleep 100",
                     "HandPos(5) picture=100", "sound 3 background", "sleep 100", "HandPos(1) picture=107",
                     "sleep 50", "HandPos(2) picture=148", "sleep 50", "sleep 50", "sleep 50",
                     "HandPos(5) picture=115", "WinHighlight at 57,118 136x13", "WinHighlight picture=3007",
                     "WinHighlight shown", "Paid(1) picture=1000", "Paid(2) picture=1000",
                     "Paid(3) picture=1001", "Paid(4) picture=1005", "sound 15 wait",
                     // finishing the hand
                     "sound 1 background", "Credits(1) picture=1000", "Credits(2) picture=1000",
                     "Credits(3) picture=1009", "Credits(4) picture=1000", "CashOut picture=6003",
                     "CashOut enabled", "Hold(1) picture=6102", "Hold(1) disabled", "HandPos(1) disabled",
                     "Hold(2) picture=6102", "Hold(2) disabled", "HandPos(2) disabled", "Hold(3) disabled",
                     "HandPos(3) disabled", "Hold(4) disabled", "HandPos(4) disabled", "Hold(5) picture=6102",
                     "Hold(5) disabled", "HandPos(5) disabled", "menu OptionsMenu_DeucesWild enabled=on",
                     "menu OptionsMenu_JacksOrBetter enabled=on", "menu OptionsMenu_DoubleUp enabled=on",
                     "menu OptionsMenu_SelectDeck enabled=on", "menu OptionsMenu_SoundEffects enabled=on",
                     "menu AddCreditsMenu enabled=on", "menu GameMenu_SaveGame enabled=on",
                     "menu GameMenu_SaveGameAs enabled=on", "Deal picture=6011", "Deal disabled",
                     "imgDoubleUp hidden", "GridLabel shown", "Bet1 picture=6006", "Bet1 enabled",
                     "MaxBet picture=6009", "MaxBet enabled", "GameOver shown", "pointer default"}));
    EXPECT_EQ(s.Hand, handOf("7h 9s 7c 7d 2d"));
    EXPECT_EQ(s.vPoints, 90);
    EXPECT_EQ(s.HandState, HandStates::BetweenHands);
    EXPECT_EQ(s.CoinsBet, 0);
    EXPECT_EQ(s.vHandsPlayed, 1);
    EXPECT_EQ(s.vHandsWon, 1);
    EXPECT_EQ(s.vAmtPlayed, 5);
    EXPECT_EQ(s.vAmtWon, 15);
    EXPECT_EQ(s.HandCounts[10], 1) << "three of a kind";
}

// Guards the dealt hand: a paying deal shows its strip but is neither paid nor counted until the draw.
TEST_F(HandCycleTest, DealtWinShowsItsStripButPaysOnlyAfterTheDraw) {
    addDefault();
    nextCards("Jh Jd 4c 7s 9h");
    app.click({Control::MaxBet});
    EXPECT_TRUE(f.view.isVisible({Control::WinHighlight}));
    EXPECT_EQ(picture(Control::WinHighlight), 3013);
    EXPECT_EQ(s.HandCounts, HandCounts{});
    EXPECT_EQ(picture(Control::Paid, 4), 1000);
    EXPECT_EQ(f.log.matching("sound 1").size(), 1u) << "only the credits added";
    EXPECT_EQ(s.vPoints, 75);

    app.menuClick({MenuItem::OptionsMenu_DoubleUp}); // off, so that the draw finishes the hand
    for (int i = 1; i <= 5; ++i)
        app.click({Control::Hold, i});
    const auto at = mark();
    app.click({Control::Deal});
    EXPECT_TRUE(f.log.matching("sound 3").size() == 5) << "no flips for a fully held hand, only earlier ones";
    EXPECT_EQ(f.log.textFrom(at).find("sound 3"), std::string::npos);
    EXPECT_EQ(s.HandCounts[12], 1);
    EXPECT_EQ(s.vPoints, 80);
    EXPECT_EQ(s.vHandsPlayed, 1);
}

// Guards a losing final hand: no win display, no Double Up offer even with the option on, finished at once.
TEST_F(HandCycleTest, LosingHandFinishesAtOnceEvenWithDoubleUpOn) {
    ASSERT_TRUE(s.options.DoubleUpOn);
    addDefault();
    nextCards("Ah Kh 7c 8d 2s");
    app.click({Control::MaxBet});
    nextCards("3c 4d 5s 9c Th");
    app.click({Control::Deal});
    EXPECT_FALSE(f.view.isVisible({Control::imgDoubleUp}));
    EXPECT_FALSE(s.DoubleUpPending);
    EXPECT_EQ(s.HandState, HandStates::BetweenHands);
    EXPECT_EQ(s.vPoints, 75);
    EXPECT_EQ(s.vHandsWon, 0);
    EXPECT_EQ(s.vAmtPlayed, 5);
    EXPECT_TRUE(f.log.matching("sound 1").size() == 1) << "only the credits added, no win arrived";
    EXPECT_TRUE(f.view.isVisible({Control::GameOver}));
    EXPECT_TRUE(enabled(Control::CashOut));
}

// Guards the next deal: it clears the last hand's holds and turns every card face down, and never deals a
// card of the last hand back at its own position or to the right of it (a card may come back to its left).
TEST_F(HandCycleTest, NextDealClearsHoldsAndTurnsEveryCard) {
    app.menuClick({MenuItem::OptionsMenu_DoubleUp});
    addDefault();
    playHeldHand("Jh Jd 4c 7s 9h");
    // 7s was position 4: it may come back at 1. Jh (1), 4c (3) and 9h (5) may not come back at 2, 3 or 5.
    nextCards("7s Jh Ah 4c 2h");
    nextCards("3h 9h 5h Kc Kd");
    const auto at = mark();
    app.click({Control::MaxBet});
    EXPECT_EQ(f.log.matching("sound 3").size(), 10u);
    const std::string deal = since(at);
    for (int i = 1; i <= 5; ++i)
        EXPECT_NE(deal.find("Hold(" + std::to_string(i) + ") picture=6102"), std::string::npos);
    EXPECT_EQ(s.Hand, handOf("7s Ah 2h 3h 5h"));
    EXPECT_EQ(s.Held, (std::array<bool, 5>{}));
}

// Guards the joker on the first Joker Poker deal: a table of card backs excludes no card.
TEST_F(HandCycleTest, FirstJokerPokerDealCanHoldTheJoker) {
    app.menuClick({MenuItem::OptionsMenu_JokerPoker});
    addDefault();
    nextCards("Jkr Ks 2c 9d 5h");
    app.click({Control::MaxBet});
    EXPECT_EQ(s.Hand[0], JokerCode);
    EXPECT_EQ(picture(Control::HandPos, 1), 153);
    EXPECT_EQ(picture(Control::WinHighlight), 3012) << "the joker and a king make kings or better";
}

// Guards the Deal button's looks: pressed and released pictures per hand state, and nothing for another
// button or a shifted press.
TEST_F(HandCycleTest, DealButtonShowsPressedAndReleasedPictures) {
    addDefault();
    app.click({Control::Bet1});
    struct Press {
        int button, shift, down, up;
    };
    for (const Press& p : {Press{1, 0, 6010, 6012}, Press{2, 0, 6012, 6012}, Press{1, 1, 6012, 6012}}) {
        app.mouseDown({Control::Deal}, p.button, p.shift, 5, 5);
        EXPECT_EQ(picture(Control::Deal), p.down);
        app.mouseUp({Control::Deal}, p.button, p.shift, 5, 5);
        EXPECT_EQ(picture(Control::Deal), p.up);
    }
    nextCards("Ah Kh 7c 8d 2s");
    app.click({Control::Deal});
    app.mouseDown({Control::Deal}, 1, 0, 5, 5);
    EXPECT_EQ(picture(Control::Deal), 6013);
    app.mouseUp({Control::Deal}, 1, 0, 5, 5);
    EXPECT_EQ(picture(Control::Deal), 6015);
}

// Guards the re-entry guard: a release that arrives while an action runs still lets its button up
// afterwards, and a click arriving then starts nothing.
TEST_F(HandCycleTest, ReleaseDroppedDuringAnActionStillLetsTheButtonUp) {
    addDefault();
    app.mouseDown({Control::Bet1}, 1, 0, 5, 5);
    EXPECT_EQ(picture(Control::Bet1), 6004);
    f.view.duringNextRepaint([this] {
        app.mouseUp({Control::Bet1}, 1, 0, 5, 5);
        app.click({Control::Bet1});
    });
    app.menuClick({MenuItem::OptionsMenu_JokerPoker});
    EXPECT_EQ(picture(Control::Bet1), 6006);
    EXPECT_EQ(s.CoinsBet, 0) << "the click that came during the game change was dropped";
}

} // namespace
} // namespace tandora::testing_support
