#include "advisor/hold_text.h"

#include <cmath>
#include <cstdio>

#include "table/value_text.h"

namespace tandora {

std::string cardText(Card card) {
    if (card == JokerCode)
        return "Joker";
    if (!isRegularCard(card))
        return "?";
    static constexpr const char* Ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    static constexpr const char* Suits[] = {"\u2665", "\u2666", "\u2663", "\u2660"};
    return std::string(Ranks[rankOf(card) - 1]) + Suits[suitOf(card)];
}

std::string heldCardsText(const Hand& hand, std::uint8_t heldMask) {
    std::string text;
    for (std::size_t i = 0; i < HandSize; ++i) {
        if ((heldMask >> i & 1) == 0)
            continue;
        if (!text.empty())
            text += ' ';
        text += cardText(hand[i]);
    }
    return text;
}

std::string holdText(const Hand& hand, std::uint8_t heldMask) {
    return heldMask == 0 ? "Draw five new cards" : heldCardsText(hand, heldMask);
}

std::string holdPhrase(const Hand& hand, std::uint8_t heldMask) {
    return heldMask == 0 ? "none (draw five new cards)" : heldCardsText(hand, heldMask);
}

double creditsOf(const HoldValue& hold) {
    return static_cast<double>(hold.paid) / static_cast<double>(hold.draws);
}

std::string creditsText(double credits) {
    const auto cents = static_cast<std::int64_t>(std::llround(credits * 100));
    char decimals[4];
    std::snprintf(decimals, sizeof decimals, "%02d", static_cast<int>(std::llabs(cents % 100)));
    std::string text = cents < 0 ? "-" : "";
    text += groupedNumber(std::llabs(cents / 100));
    text += '.';
    text += decimals;
    return text;
}

std::string costText(double credits) {
    if (credits < 0.005)
        return "less than 0.01 credits";
    return creditsText(credits) + " credits";
}

std::size_t shownWidth(const std::string& text) {
    std::size_t width = 0;
    for (const char c : text)
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return width;
}

std::string padShownRight(const std::string& text, std::size_t width) {
    const std::size_t shown = shownWidth(text);
    return shown >= width ? text : text + std::string(width - shown, ' ');
}

std::string padShownLeft(const std::string& text, std::size_t width) {
    const std::size_t shown = shownWidth(text);
    return shown >= width ? text : std::string(width - shown, ' ') + text;
}

} // namespace tandora
