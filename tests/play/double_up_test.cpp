#include "play_fixture.h"

namespace tandora::testing_support {
namespace {

class DoubleUpTest : public PlayTest {};

// Guards the whole gamble in order: the offer locks everything but the answer; YES shows the dealer's card
// with the others face down; the pick draws the four cards only then; the finish pays, marks the picked
// card and opens the table again (that the dealer's card cannot be picked is the session's).
TEST_F(DoubleUpTest, OfferYesAndPickPlayTheGambleInOrder) {
    addDefault();
    nextCards("Jh Jd 4c 7s 9h");
    app.click({Control::MaxBet});
    for (int i = 1; i <= 5; ++i)
        app.click({Control::Hold, i});
    auto at = mark();
    app.click({Control::Deal});
    EXPECT_EQ(since(at), lines({"pointer busy", "strip none", "sleep 50", "sleep 50", "sleep 50", "sleep 50",
                                "paid 5", "strip HighPair", "sound 11 wait", "positions 00000",
                                "deal Deal off", "double up question", "menus locked", "pointer default"}));
    nextCards("Th");
    at = mark();
    key('y');
    EXPECT_EQ(since(at), lines({"card 1 back", "label 1 DEALER", "card 2 back", "label 2 PICK", "card 3 back",
                                "label 3 PICK", "card 4 back", "label 4 PICK", "card 5 back", "label 5 PICK",
                                "positions 01111", "double up pick", "sound 3 background", "card 1 Th"}));
    nextCards("Qs 2c 3d 4s");
    at = mark();
    app.click({Control::HandPos, 3});
    EXPECT_EQ(since(at), lines({"sound 3 background", "card 2 Qs", "card 3 2c", "card 4 3d", "card 5 4s",
                                "positions 00000", "paid 0", "sound 10 background", "label 2 -", "label 4 -",
                                "label 5 -", "bet1 on", "maxbet on", "cashout on", "game over on",
                                "double up none", "menus open"}));
}

// Guards the comparison: aces high, in Deuces Wild a deuce and in Joker Poker the joker rank with the aces;
// and each outcome's sound.
TEST_F(DoubleUpTest, ComparesAcesAndWildCardsHigh) {
    using M = MenuItem;
    // The game, the hand won, the dealer's card, the card picked at position 2, what a 5-credit win pays
    // then.
    using Row = std::tuple<MenuItem, const char*, const char*, const char*, int>;
    for (const auto& [game, hand, dealer, picked, paidAfter] :
         {Row{M::OptionsMenu_JacksOrBetter, "Jh Jd 4c 7s 9h", "Kc", "Ac", 10},
          Row{M::OptionsMenu_JacksOrBetter96, "Jh Jd 4c 7s 9h", "Ac", "Kc", 0},
          Row{M::OptionsMenu_JacksOrBetter, "Jh Jd 4c 7s 9h", "8c", "8s", 5},
          Row{M::OptionsMenu_DeucesWild, "2h 2d 5c 9s Kh", "Ac", "2s", 5},
          Row{M::OptionsMenu_DeucesWild, "2h 2d 5c 9s Kh", "Kc", "2s", 10},
          Row{M::OptionsMenu_JacksOrBetter, "Jh Jd 4c 7s 9h", "3c", "2s", 0},
          Row{M::OptionsMenu_JokerPoker, "Kh Kd 4c 7s 9h", "As", "Jkr", 5},
          Row{M::OptionsMenu_JokerPoker, "Ah Ad 4c 7s 9h", "Jkr", "Kc", 0}}) {
        Play p;
        SCOPED_TRACE(std::string(dealer) + " against " + picked);
        p.app.menuClick({game});
        p.addDefault();
        p.playHeldHand(hand);
        p.nextCards(dealer);
        p.key('y');
        p.nextCards(picked);
        p.key('2');
        EXPECT_EQ(std::tuple(p.s.PaidAmount, p.s.vPoints), std::tuple(paidAfter, 75 + paidAfter));
        const char* sound = paidAfter == 10  ? "sound 9 wait"
                            : paidAfter == 0 ? "sound 10 background"
                                             : "sound 20 wait";
        EXPECT_EQ(p.f.log.matching(sound).size(), 1u);
    }
}

} // namespace
} // namespace tandora::testing_support
