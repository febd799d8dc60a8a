#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game_type.h"

namespace tandora {

// 1..52 regular cards (hearts, diamonds, clubs, spades, each ace to king), 0 the joker,
// 99 a position that shows the card back.
using Card = std::int16_t;

inline constexpr Card JokerCode = 0;
inline constexpr Card CardBackCode = 99;
inline constexpr int HandSize = 5;

// Positions 1..5 of the table are indexes 0..4.
using Hand = std::array<Card, HandSize>;

// The card back the player chose.
enum class Deck : std::uint8_t { Red, Blue };

constexpr bool isRegularCard(Card c) {
    return c >= 1 && c <= 52;
}
// 0 hearts, 1 diamonds, 2 clubs, 3 spades.
constexpr int suitOf(Card c) {
    return (c - 1) / 13;
}
// 1 ace, 2..10, 11 jack, 12 queen, 13 king.
constexpr int rankOf(Card c) {
    return (c - 1) % 13 + 1;
}
constexpr bool isDeuce(Card c) {
    return c == 2 || c == 15 || c == 28 || c == 41;
}
constexpr Card cardCode(int rank, int suit) {
    return static_cast<Card>(suit * 13 + rank);
}

// The rank of every code 0..52; entry 0 depends on the game (2 in Deuces Wild, 0 in Joker Poker).
// The table is fixed by the game, so it is built from the game and never rewritten.
class CardRank {
public:
    explicit CardRank(GameType game);

    // Codes outside 0..52 (the card back) have no rank.
    std::int16_t operator[](int code) const {
        return code >= 0 && code <= 52 ? entries_[static_cast<std::size_t>(code)] : std::int16_t{0};
    }

private:
    std::array<std::int16_t, 53> entries_{};
};

// The deck of the game in play: codes F .. F + N - 1.
struct DeckParams {
    int count;
    int first;
};

constexpr DeckParams deckFor(GameFlags flags) {
    return flags.JokerPokerGame ? DeckParams{53, 0} : DeckParams{52, 1};
}

// Card text for tools: "Ah", "Td", "2c", "Ks", "Jkr".
std::string cardName(Card c);
// Accepts a code 0..52, or rank (A 2-9 T J Q K) and suit (h d c s) in any case, or "Jkr".
std::optional<Card> parseCard(std::string_view text);

} // namespace tandora
