#pragma once

#include <cstdint>
#include <string_view>

namespace tandora {

// The numeric order is the ranking of hands.
enum class HandCategory : std::int16_t {
    NoWin = 0,
    HighPair = 1,
    TwoPair = 2,
    ThreeOfAKind = 3,
    Straight = 4,
    AceHighStraight = 5,
    Flush = 6,
    FullHouse = 7,
    FourOfAKind = 8,
    StraightFlush = 9,
    FiveOfAKind = 10,
    WildRoyalFlush = 11,
    FourDeuces = 12,
    NaturalRoyalFlush = 13,
};

inline constexpr int HandCategoryCount = 14;

constexpr int toInt(HandCategory c) {
    return static_cast<int>(c);
}
// "NoWin", "HighPair", ... as the codes are named.
std::string_view categoryName(HandCategory category);

} // namespace tandora
