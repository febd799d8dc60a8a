#pragma once

#include <sstream>
#include <string>

#include "engine/card.h"

namespace tandora::testing_support {

// Five card words, e.g. "As Ks Qs Js 9s" or "Jkr 2c 3d 4h 5s".
inline Hand handOf(const std::string& text) {
    std::istringstream in(text);
    Hand hand{};
    for (auto& card : hand) {
        std::string word;
        in >> word;
        card = parseCard(word).value();
    }
    return hand;
}

// The first count cards as the tools write them, "-" for none.
inline std::string textOf(const Hand& cards, int count) {
    std::string text = count == 0 ? "-" : "";
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += ' ';
        text += cardName(cards[static_cast<std::size_t>(i)]);
    }
    return text;
}

} // namespace tandora::testing_support
