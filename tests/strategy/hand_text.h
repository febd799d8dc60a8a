#pragma once

#include <ostream>
#include <sstream>
#include <string>

#include "engine/card.h"
#include "engine/game_type.h"

namespace tandora {

// Five card words, e.g. "As Ks Qs Js 9s".
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

// The first `count` cards as the tools write them, "-" for none.
inline std::string textOf(const Hand& cards, int count) {
    std::string text = count == 0 ? "-" : "";
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += ' ';
        text += cardName(cards[static_cast<std::size_t>(i)]);
    }
    return text;
}

// Parameters print as game codes, not as a byte dump.
inline void PrintTo(GameType game, std::ostream* os) {
    *os << gameCode(game);
}

} // namespace tandora
