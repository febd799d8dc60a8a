#include <set>

#include "play_fixture.h"

namespace tandora::testing_support {
namespace {

class DoubleUpTest : public PlayTest {
protected:
    // A paying hand of five coins in the game, waiting at the Double Up question.
    void offerOn(MenuItem game, const std::string& hand) {
        app.menuClick({game});
        addDefault();
        playHeldHand(hand);
        ASSERT_TRUE(s.DoubleUpOffered);
    }
};

// Guards the offer: the question on the table, everything but the answer locked, the hand still open.
TEST_F(DoubleUpTest, OfferLocksTheTableUntilAnswered) {
    offerOn(MenuItem::OptionsMenu_JacksOrBetter, "Jh Jd 4c 7s 9h");
    EXPECT_TRUE(f.view.isVisible({Control::imgDoubleUp}));
    EXPECT_EQ(picture(Control::imgDoubleUp), 2001);
    EXPECT_EQ(f.view.geometry({Control::imgDoubleUp}), (Rect{120, 55, 304, 129}));
    for (Control c : {Control::Deal, Control::Bet1, Control::MaxBet, Control::CashOut})
        EXPECT_FALSE(enabled(c)) << refName({c});
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FALSE(enabled(Control::Hold, i));
        EXPECT_FALSE(enabled(Control::HandPos, i));
    }
    for (MenuItem m : {MenuItem::OptionsMenu_DeucesWild, MenuItem::OptionsMenu_JacksOrBetter,
                       MenuItem::OptionsMenu_DoubleUp, MenuItem::OptionsMenu_SelectDeck,
                       MenuItem::OptionsMenu_SoundEffects, MenuItem::AddCreditsMenu,
                       MenuItem::GameMenu_SaveGame, MenuItem::GameMenu_SaveGameAs})
        EXPECT_FALSE(f.view.isMenuEnabled({m})) << refName({m});
    EXPECT_TRUE(f.view.isMenuEnabled({MenuItem::OptionsMenu_JokerPoker}));
    EXPECT_EQ(s.HandState, HandStates::Dealt);
    EXPECT_EQ(s.vPoints, 75) << "the win waits for the answer";
    EXPECT_EQ(s.vHandsPlayed, 1);
    EXPECT_EQ(s.HandCounts[12], 1);
}

struct AreaRow {
    const char* name;
    int x, y, button, shift;
    const char* outcome; // "yes", "no" or "nothing"
};

void PrintTo(const AreaRow& r, std::ostream* os) {
    *os << r.name;
}

class DoubleUpAnswer : public DoubleUpTest, public ::testing::WithParamInterface<AreaRow> {};

// Guards the YES and NO areas of the question, bounds included, and that only a plain left release answers.
TEST_P(DoubleUpAnswer, OnlyTheAreasAnswer) {
    const AreaRow& r = GetParam();
    offerOn(MenuItem::OptionsMenu_JacksOrBetter, "Jh Jd 4c 7s 9h");
    clickDoubleUp(r.x, r.y, r.button, r.shift);
    const std::string outcome = !s.DoubleUpPending ? "no" : s.DoubleUpOffered ? "nothing" : "yes";
    EXPECT_EQ(outcome, r.outcome);
}

INSTANTIATE_TEST_SUITE_P(Releases, DoubleUpAnswer,
                         ::testing::Values(AreaRow{"YesTopLeftCorner", 71, 87, 1, 0, "yes"},
                                           AreaRow{"YesBottomRightCorner", 135, 126, 1, 0, "yes"},
                                           AreaRow{"LeftOfYes", 70, 100, 1, 0, "nothing"},
                                           AreaRow{"BelowYes", 100, 127, 1, 0, "nothing"},
                                           AreaRow{"BetweenTheAnswers", 150, 100, 1, 0, "nothing"},
                                           AreaRow{"NoTopLeftCorner", 174, 87, 1, 0, "no"},
                                           AreaRow{"NoBottomRightCorner", 220, 126, 1, 0, "no"},
                                           AreaRow{"RightOfNo", 221, 100, 1, 0, "nothing"},
                                           AreaRow{"AboveNo", 200, 86, 1, 0, "nothing"},
                                           AreaRow{"YesWithTheRightButton", 100, 100, 2, 0, "nothing"},
                                           AreaRow{"YesWithShift", 100, 100, 1, 1, "nothing"}),
                         RowName());

// Guards the answer No: the hand is paid as it stood and the table returns to betting.
TEST_F(DoubleUpTest, NoPaysTheWinAsItStood) {
    offerOn(MenuItem::OptionsMenu_JacksOrBetter, "Jh Jd 4c 7s 9h");
    key('n');
    EXPECT_EQ(s.vPoints, 80);
    EXPECT_EQ(s.vAmtWon, 5);
    EXPECT_FALSE(f.view.isVisible({Control::imgDoubleUp}));
    EXPECT_EQ(picture(Control::Hold, 1), 6103) << "the holds stay as the player left them";
    EXPECT_TRUE(f.view.isMenuEnabled({MenuItem::AddCreditsMenu}));
    EXPECT_EQ(s.HandState, HandStates::BetweenHands);
}

// Guards the whole gamble in order: YES deals the dealer's card face up with the others face down, the
// pick draws the four cards only then, and the finish marks the picked card.
TEST_F(DoubleUpTest, YesThenPickPlaysTheGambleInOrder) {
    offerOn(MenuItem::OptionsMenu_JacksOrBetter, "Jh Jd 4c 7s 9h");
    nextCard("Th");
    auto at = mark();
    key('y');
    EXPECT_EQ(since(at),
              lines({// the dealer's position is out of the pick, the others wait for it
                     "Hold(1) disabled", "HandPos(1) disabled", "Hold(1) picture=6101",
                     "Hold(2) picture=6104", "Hold(2) enabled", "HandPos(2) enabled", "Hold(3) picture=6104",
                     "Hold(3) enabled", "HandPos(3) enabled", "Hold(4) picture=6104", "Hold(4) enabled",
                     "HandPos(4) enabled", "Hold(5) picture=6104", "Hold(5) enabled", "HandPos(5) enabled",
                     // all face down, then the dealer's card alone face up
                     "HandPos(1) picture=100", "HandPos(2) picture=100", "HandPos(3) picture=100",
                     "HandPos(4) picture=100", "HandPos(5) picture=100", "sound 3 background",
                     "HandPos(1) picture=110", "imgDoubleUp at 154,106 240x38", "imgDoubleUp picture=2002"}));
    key('1');
    EXPECT_TRUE(s.DoubleUpPending) << "the dealer's card cannot be picked";
    nextCards("Qs 2c 3d 4s");
    at = mark();
    app.click({Control::HandPos, 3});
    EXPECT_EQ(
        since(at),
        lines({// the four cards drawn only now, turned together
               "sound 3 background", "HandPos(2) picture=151", "HandPos(3) picture=128",
               "HandPos(4) picture=116", "HandPos(5) picture=143", "Paid(1) picture=1000",
               "Paid(2) picture=1000", "Paid(3) picture=1000", "Paid(4) picture=1000", "sound 10 background",
               // the finish: the credits, the table back to betting, the picked card marked
               "Credits(1) picture=1000", "Credits(2) picture=1000", "Credits(3) picture=1007",
               "Credits(4) picture=1005", "CashOut picture=6003", "CashOut enabled", "Hold(2) picture=6102",
               "Hold(2) disabled", "HandPos(2) disabled", "Hold(3) picture=6102", "Hold(3) disabled",
               "HandPos(3) disabled", "Hold(4) picture=6102", "Hold(4) disabled", "HandPos(4) disabled",
               "Hold(5) picture=6102", "Hold(5) disabled", "HandPos(5) disabled", "Hold(3) picture=6104",
               "menu OptionsMenu_DeucesWild enabled=on", "menu OptionsMenu_JacksOrBetter enabled=on",
               "menu OptionsMenu_DoubleUp enabled=on", "menu OptionsMenu_SelectDeck enabled=on",
               "menu OptionsMenu_SoundEffects enabled=on", "menu AddCreditsMenu enabled=on",
               "menu GameMenu_SaveGame enabled=on", "menu GameMenu_SaveGameAs enabled=on",
               "Deal picture=6011", "Deal disabled", "imgDoubleUp hidden", "GridLabel shown",
               "Bet1 picture=6006", "Bet1 enabled", "MaxBet picture=6009", "MaxBet enabled",
               "GameOver shown"}));
    EXPECT_EQ(s.vHandsWon, 1) << "a lost gamble still counts the paying hand";
    EXPECT_EQ(s.vAmtWon, 0);
    EXPECT_EQ(s.PaidAmount, 0);
}

struct TieRow {
    const char* name;
    MenuItem game;
    const char* hand;
    const char* dealer;
    const char* picked; // at position 2
    int paidAfter;      // of a 5-credit win
};

void PrintTo(const TieRow& r, std::ostream* os) {
    *os << r.name;
}

class DoubleUpRanks : public DoubleUpTest, public ::testing::WithParamInterface<TieRow> {};

// Guards the comparison: aces high, in Deuces Wild a deuce and in Joker Poker the joker rank with the aces.
TEST_P(DoubleUpRanks, CompareAcesAndWildCardsHigh) {
    const TieRow& r = GetParam();
    offerOn(r.game, r.hand);
    nextCard(r.dealer);
    key('y');
    nextCard(r.picked);
    key('2');
    EXPECT_EQ(s.PaidAmount, r.paidAfter);
    EXPECT_EQ(s.vPoints, 75 + r.paidAfter);
    const char* sound = r.paidAfter == 10  ? "sound 9 wait"
                        : r.paidAfter == 0 ? "sound 10 background"
                                           : "sound 20 wait";
    EXPECT_EQ(f.log.matching(sound).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Games, DoubleUpRanks,
    ::testing::Values(
        TieRow{"AceBeatsKing", MenuItem::OptionsMenu_JacksOrBetter, "Jh Jd 4c 7s 9h", "Kc", "Ac", 10},
        TieRow{"KingLosesToAce", MenuItem::OptionsMenu_JacksOrBetter96, "Jh Jd 4c 7s 9h", "Ac", "Kc", 0},
        TieRow{"EqualRanksPush", MenuItem::OptionsMenu_JacksOrBetter, "Jh Jd 4c 7s 9h", "8c", "8s", 5},
        TieRow{"DeuceTiesAceInDeucesWild", MenuItem::OptionsMenu_DeucesWild, "2h 2d 5c 9s Kh", "Ac", "2s", 5},
        TieRow{"DeuceTiesDeuceInDeucesWild", MenuItem::OptionsMenu_DeucesWild, "2h 2d 5c 9s Kh", "2c", "2s",
               5},
        TieRow{"DeuceBeatsKingInDeucesWild", MenuItem::OptionsMenu_DeucesWild, "2h 2d 5c 9s Kh", "Kc", "2s",
               10},
        TieRow{"DeuceIsLowInJacksOrBetter", MenuItem::OptionsMenu_JacksOrBetter, "Jh Jd 4c 7s 9h", "3c", "2s",
               0},
        TieRow{"JokerTiesAceInJokerPoker", MenuItem::OptionsMenu_JokerPoker, "Kh Kd 4c 7s 9h", "As", "Jkr",
               5},
        TieRow{"JokerBeatsKingInJokerPoker", MenuItem::OptionsMenu_JokerPoker, "Ah Ad 4c 7s 9h", "Jkr", "Kc",
               0}),
    RowName());

// Guards the four cards to pick from: never the dealer's card, a card of the finished hand, or each other.
TEST_F(DoubleUpTest, PickedCardsNeverRepeatTheKeptCodes) {
    for (int round = 0; round < 300; ++round) {
        if (s.vPoints < 5)
            addDefault();
        app.menuClick({round % 2 == 0 ? MenuItem::OptionsMenu_JokerPoker : MenuItem::OptionsMenu_DeucesWild});
        playHeldHand(round % 2 == 0 ? "Kh Kd 4c 7s 9h" : "2h 2d 5c 9s Kh");
        key('y');
        const Hand kept = s.Hand;
        key(static_cast<char>('2' + round % 4));
        std::set<Card> seen(kept.begin(), kept.end());
        for (std::size_t i = 1; i < HandSize; ++i)
            ASSERT_TRUE(seen.insert(s.Hand[i]).second) << "round " << round;
        ASSERT_EQ(s.HandState, HandStates::BetweenHands);
    }
}

} // namespace
} // namespace tandora::testing_support
