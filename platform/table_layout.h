#pragma once

#include <cstdint>

#include "engine/game_type.h"
#include "engine/hand_category.h"
#include "platform/controls.h"
#include "platform/pictures.h"

namespace tandora {

// Where everything lies on the game table, in pixels of the 541 x 421 table surface.
namespace Layout {

inline constexpr int TableWidth = 541;
inline constexpr int TableHeight = 421;
// The window's outer size is the table plus its frame, caption and menu bar.
inline constexpr int WindowExtraWidth = 6;
inline constexpr int WindowExtraHeight = 46;

// A picture's place: where its top-left corner lies, at its own size.
constexpr Rect placed(int left, int top, PictureSize size) {
    return {left, top, size.width, size.height};
}

inline constexpr Rect TablePlace{0, 0, TableWidth, TableHeight};
inline constexpr Rect CashOutPlace = placed(64, 387, ButtonSize);
inline constexpr Rect Bet1Place = placed(167, 387, ButtonSize);
inline constexpr Rect MaxBetPlace = placed(238, 387, ButtonSize);
inline constexpr Rect DealPlace = placed(309, 387, ButtonSize);
inline constexpr Rect CashInPlace = placed(442, 384, CashInSize);
inline constexpr Rect GameOverPlace = placed(185, 235, GameOverSize);
// Below GAME OVER, over the lower half of the cards.
inline constexpr Rect AddCreditsHintPlace = placed(120, 281, AddCreditsHintSize);
inline constexpr Rect CoinsPlace = placed(475, 344, DigitSize);

// The pay table, its row labels and its coin columns.
inline constexpr int PayTableLeft = 54;
inline constexpr int PayTableTop = 33;
inline constexpr int RowLabelLeft = 57;
inline constexpr int CoinHighlightTop = 35;
constexpr int coinHighlightLeft(int coins) {
    return 194 + 58 * (coins - 1);
}
// Rows are 14 pixels apart; the top row is one pixel shorter.
constexpr int payTableRowTop(int row) {
    return row == 0 ? CoinHighlightTop : 34 + 14 * row;
}
inline constexpr Rect GridLabelPlace{PayTableLeft, PayTableTop, PayTableWidth, 156};

// Cards and hold labels share centres on an 88-pixel pitch; positions 1..5.
inline constexpr int CardPitch = 88;
constexpr Rect handPosPlace(int i) {
    return placed(52 + CardPitch * (i - 1), 198, CardSize);
}
constexpr Rect holdPlace(int i) {
    return placed(66 + CardPitch * (i - 1), 316, HoldLabelSize);
}

// Counter digits 1..4, thousands first.
inline constexpr int CounterDigits = 4;
// Credits won beyond 9,999 light a fifth digit to the left of the thousands, index 0; the counter's
// caption leaves room for no more.
inline constexpr int MaxCreditDigits = 5;
constexpr std::int64_t largestShown(int digits) {
    return digits == 0 ? 0 : largestShown(digits - 1) * 10 + 9;
}
inline constexpr int FirstCreditDigit = CounterDigits - MaxCreditDigits + 1;
constexpr Rect creditsDigitPlace(int i) {
    return placed(136 + DigitSize.width * (i - 1), 344, DigitSize);
}
constexpr Rect paidDigitPlace(int i) {
    return placed(297 + DigitSize.width * (i - 1), 344, DigitSize);
}

// The Double Up question and, once answered, the banner shown while the player picks.
inline constexpr Rect DoubleUpQuestionPlace = placed(120, 55, DoubleUpQuestionSize);
inline constexpr Rect DoubleUpPickPlace = placed(154, 106, DoubleUpPickSize);
// Click areas within the question picture, bounds included.
inline constexpr Rect DoubleUpYesArea{71, 87, 65, 40};
inline constexpr Rect DoubleUpNoArea{174, 87, 47, 40};
constexpr bool contains(Rect area, int x, int y) {
    return x >= area.left && x < area.left + area.width && y >= area.top && y < area.top + area.height;
}

inline Rect coinHighlightPlace(GameType game, int coins) {
    return {coinHighlightLeft(coins), CoinHighlightTop, CoinHighlightWidth,
            payTableArtFor(game).highlightHeight};
}
// The row label over a paying category's row; empty when the category does not pay in the game.
Rect winHighlightPlace(HandCategory category, GameType game);

// The side labels of a game beside its pay table; picture 0 when the game has none.
struct SideLabel {
    int picture;
    Rect place;
};
struct SideLabels {
    SideLabel left;
    SideLabel right;
};
SideLabels sideLabelsFor(GameType game);

} // namespace Layout

} // namespace tandora
