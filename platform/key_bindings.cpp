#include "platform/key_bindings.h"

namespace tandora {

namespace {

// "B", or "P or M": the keys as a player reads them.
std::string keyNames(Button button) {
    std::string names;
    for (const char k : keysOf(button)) {
        if (!names.empty())
            names += " or ";
        names += static_cast<char>(k >= 'a' && k <= 'z' ? k - 'a' + 'A' : k);
    }
    return names;
}

} // namespace

std::string buttonToolTip(Button button) {
    const char* what = "";
    switch (button) {
    case Button::CashOut: what = "Cash Out: move every credit into the credit bank"; break;
    case Button::CashIn: what = "Add the default credits"; break;
    case Button::Bet1: what = "Bet 1: bet one more coin"; break;
    case Button::MaxBet: what = "Play Max: bet five coins and deal"; break;
    case Button::Deal: what = "Deal, or draw new cards for those not held"; break;
    }
    return std::string(what) + " (key " + keyNames(button) + ")";
}

std::string cardToolTip(int position) {
    return "Hold or release this card (key " + std::to_string(position) + ")";
}

} // namespace tandora
