#include <cctype>
#include <tuple>

#include "platform/key_bindings.h"
#include "play_fixture.h"

namespace tandora::testing_support {
namespace {

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
