#pragma once

#include <string>
#include <string_view>

#include "platform/table_scene.h"

namespace tandora {

// The character keys of the table's buttons: the keyboard handler acts on them and the tooltips name them.
// A letter works in either case.
constexpr std::string_view keysOf(Button button) {
    switch (button) {
    case Button::CashOut: return "c";
    case Button::CashIn: return "$";
    case Button::Bet1: return "b";
    case Button::MaxBet: return "pm";
    case Button::Deal: return "d";
    }
    return "";
}

// Whether a typed character is one of the button's keys.
constexpr bool isKeyOf(Button button, int key) {
    const int lower = key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key;
    for (const char k : keysOf(button))
        if (k == lower)
            return true;
    return false;
}

// What a control does and which key does it, as its tooltip says.
std::string buttonToolTip(Button button);
std::string cardToolTip(int position);

} // namespace tandora
