#include "card.h"

#include <cctype>
#include <charconv>

namespace tandora {

namespace {
constexpr std::string_view RankLetters = "A23456789TJQK";
constexpr std::string_view SuitLetters = "hdcs";
} // namespace

CardRank::CardRank(GameType game) {
    for (int r = 1; r <= 13; ++r) {
        for (int suit = 0; suit < 4; ++suit)
            entries_[static_cast<std::size_t>(r + 13 * suit)] = static_cast<std::int16_t>(r);
    }
    // Code 0 is a wild deuce inside the Deuces Wild evaluation and the joker in Joker Poker.
    entries_[0] = game == GameType::DeucesWild ? 2 : 0;
}

std::string cardName(Card c) {
    if (c == JokerCode)
        return "Jkr";
    if (!isRegularCard(c))
        return "??";
    return {RankLetters[static_cast<std::size_t>(rankOf(c) - 1)],
            SuitLetters[static_cast<std::size_t>(suitOf(c))]};
}

std::optional<Card> parseCard(std::string_view text) {
    auto lower = [](char ch) { return static_cast<char>(std::tolower(static_cast<unsigned char>(ch))); };
    if (text.size() == 2) {
        auto rank = RankLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))));
        auto suit = SuitLetters.find(lower(text[1]));
        if (rank != std::string_view::npos && suit != std::string_view::npos)
            return cardCode(static_cast<int>(rank) + 1, static_cast<int>(suit));
    }
    if (text.size() == 3 && lower(text[0]) == 'j' && lower(text[1]) == 'k' && lower(text[2]) == 'r')
        return JokerCode;
    int value = -1;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0 || value > 52)
        return std::nullopt;
    return static_cast<Card>(value);
}

} // namespace tandora
