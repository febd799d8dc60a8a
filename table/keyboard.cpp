#include "table/keyboard.h"

namespace tandora {

namespace {

bool either(int key, char lower) {
    return key == lower || key == lower - 'a' + 'A';
}

// Where the keys Y and N "click" the question picture: inside its YES and NO areas, in pixels.
constexpr int YesX = 100;
constexpr int NoX = 200;
constexpr int AnswerY = 100;

} // namespace

void Keyboard::Form_KeyPress(int KeyAscii) {
    for (int i = 1; i <= HandSize; ++i) {
        if (enabled(Control::Hold, i) && KeyAscii == '0' + i)
            hands_.Hold_Click(i);
    }
    if (enabled(Control::CashOut) && either(KeyAscii, 'c') && credits_.CashOut_Click)
        credits_.CashOut_Click();
    if (enabled(Control::CashIn) && KeyAscii == '$' && credits_.CashIn_Click)
        credits_.CashIn_Click();
    if (enabled(Control::Bet1) && either(KeyAscii, 'b'))
        betting_.Bet1_Click();
    if (enabled(Control::MaxBet) && either(KeyAscii, 'm'))
        betting_.MaxBet_Click();
    if (enabled(Control::MaxBet) && either(KeyAscii, 'p'))
        betting_.MaxBet_Click();
    if (enabled(Control::Deal) && either(KeyAscii, 'd'))
        hands_.Deal_Click();
    const bool asking = ctx_.view().isVisible({Control::imgDoubleUp}) && ctx_.state.DoubleUpOffered;
    if (asking && either(KeyAscii, 'y'))
        doubleUp_.imgDoubleUp_MouseUp(1, 0, YesX, AnswerY);
    if (asking && either(KeyAscii, 'n'))
        doubleUp_.imgDoubleUp_MouseUp(1, 0, NoX, AnswerY);
}

} // namespace tandora
