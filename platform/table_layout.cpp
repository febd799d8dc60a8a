#include "table_layout.h"

#include "engine/pay_table.h"
#include "platform/pictures.h"

namespace tandora::Layout {

SideLabels sideLabelsFor(GameType game) {
    switch (game) {
    case GameType::DeucesWild:
        return {{DeucesWildLeftLabelPicture, {30, 115, 16, 120}},
                {DeucesWildRightLabelPicture, {488, 135, 24, 84}}};
    case GameType::JokerPoker:
        return {{JokerPokerLeftLabelPicture, {28, 115, 18, 103}},
                {JokerPokerRightLabelPicture, {492, 115, 18, 103}}};
    case GameType::JacksOrBetter85:
    case GameType::JacksOrBetter96: break;
    }
    return {{JacksOrBetterLabelPicture, {161, 170, 220, 19}}, {0, {1, 1, 1, 1}}};
}

Rect winHighlightPlace(HandCategory category, GameType game) {
    const auto row = payTableRow(category, game);
    if (!row)
        return {};
    return {RowLabelLeft, payTableRowTop(*row), RowLabelWidth, RowLabelHeight};
}

} // namespace tandora::Layout
