#include "table_layout.h"

#include "engine/pay_table.h"
#include "platform/pictures.h"

namespace tandora::Layout {

SideLabels sideLabelsFor(GameType game) {
    switch (game) {
    case GameType::DeucesWild:
        return {{DeucesWildLeftLabelPicture, placed(30, 115, DeucesWildLeftLabelSize)},
                {DeucesWildRightLabelPicture, placed(488, 135, DeucesWildRightLabelSize)}};
    case GameType::JokerPoker:
        return {{JokerPokerLeftLabelPicture, placed(28, 115, JokerPokerLabelSize)},
                {JokerPokerRightLabelPicture, placed(492, 115, JokerPokerLabelSize)}};
    case GameType::JacksOrBetter85:
    case GameType::JacksOrBetter96: break;
    }
    return {{JacksOrBetterLabelPicture, placed(161, 170, JacksOrBetterLabelSize)}, {0, {1, 1, 1, 1}}};
}

Rect winHighlightPlace(HandCategory category, GameType game) {
    const auto row = payTableRow(category, game);
    if (!row)
        return {};
    return placed(RowLabelLeft, payTableRowTop(*row), RowLabelSize);
}

} // namespace tandora::Layout
