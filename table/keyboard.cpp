#include "table/keyboard.h"

#include "platform/key_bindings.h"

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
        if (table().positionsEnabled[static_cast<std::size_t>(i - 1)] && KeyAscii == '0' + i)
            hands_.Hold_Click(i);
    }
    if (table().cashOutEnabled && isKeyOf(Button::CashOut, KeyAscii) && credits_.CashOut_Click)
        credits_.CashOut_Click();
    if (table().cashInEnabled && isKeyOf(Button::CashIn, KeyAscii) && credits_.CashIn_Click)
        credits_.CashIn_Click();
    if (table().bet1Enabled && isKeyOf(Button::Bet1, KeyAscii))
        betting_.Bet1_Click();
    if (table().maxBetEnabled && isKeyOf(Button::MaxBet, KeyAscii))
        betting_.MaxBet_Click();
    if (table().dealEnabled && isKeyOf(Button::Deal, KeyAscii))
        hands_.Deal_Click();
    const bool asking = table().doubleUp == DoubleUpPanel::Question;
    if (asking && either(KeyAscii, 'y'))
        doubleUp_.imgDoubleUp_MouseUp(1, 0, YesX, AnswerY);
    if (asking && either(KeyAscii, 'n'))
        doubleUp_.imgDoubleUp_MouseUp(1, 0, NoX, AnswerY);
}

} // namespace tandora
