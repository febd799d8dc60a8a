#include <cctype>
#include <tuple>

#include "platform/key_bindings.h"
#include "play_fixture.h"

namespace tandora::testing_support {
namespace {

class KeyboardTest : public PlayTest {};

// Guards the digit keys and the Double Up's: 1 to 5 toggle their card's hold and D draws; then Y accepts,
// 5 picks the fifth card and N declines (that every other key is dead then is the session's; that the
// button keys do what the buttons do is ButtonKeys').
TEST_F(KeyboardTest, DigitsHoldAndPickAndYAndNAnswer) {
    key('$');
    nextCards("Jh Jd 4c 7s 9h");
    key('m');
    for (const char k : {'1', '2', '5', '4', '4', '4'})
        key(k);
    EXPECT_EQ(s.Held, (std::array<bool, 5>{true, true, false, true, true}));
    nextCards("Kc");
    key('D');
    EXPECT_EQ(s.Hand, handOf("Jh Jd Kc 7s 9h"));
    EXPECT_EQ(std::tuple(s.vHandsPlayed, s.DoubleUpOffered), std::tuple(1, true));
    key('Y');
    EXPECT_FALSE(s.DoubleUpOffered);
    key('5');
    EXPECT_FALSE(s.DoubleUpPending);
    EXPECT_EQ(table().labels[4], HoldLabel::Pick);
    addDefault();
    playHeldHand("Qh Qd 4c 7s 9h");
    key('N');
    EXPECT_EQ(s.HandState, HandStates::BetweenHands);
}

// Guards the tooltips' promise: every key a button's tooltip names, in either case, does what a click on the
// button does.
TEST(ButtonKeys, DoWhatTheirTooltipsSay) {
    const auto play = [](const Play& p) {
        return std::make_tuple(p.s.vPoints, p.s.CoinsBet, p.s.HandState, p.s.Hand);
    };
    for (const auto& [button, control] :
         {std::pair{Button::CashOut, Control::CashOut}, std::pair{Button::CashIn, Control::CashIn},
          std::pair{Button::Bet1, Control::Bet1}, std::pair{Button::MaxBet, Control::MaxBet},
          std::pair{Button::Deal, Control::Deal}}) {
        for (const char k : keysOf(button)) {
            const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(k)));
            EXPECT_NE(buttonToolTip(button).find(std::string(1, upper)), std::string::npos) << k;
            for (const char typed : {k, upper}) {
                Play keyed, clicked;
                for (Play* p : {&keyed, &clicked}) {
                    p->addDefault();
                    if (button == Button::Deal)
                        p->app.click({Control::Bet1});
                }
                const auto before = play(keyed);
                keyed.key(typed);
                clicked.app.click({control});
                EXPECT_EQ(play(keyed), play(clicked)) << typed;
                EXPECT_NE(play(keyed), before) << typed << " does something";
            }
        }
    }
}

} // namespace
} // namespace tandora::testing_support
