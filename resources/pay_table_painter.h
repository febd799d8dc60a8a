#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <array>
#include <vector>

#include "engine/game_type.h"
#include "engine/hand_category.h"
#include "engine/pay_table.h"
#include "platform/table_layout.h"

namespace tandora {

// The printed pay tables, their coin-column highlights, the row labels and the games' side labels.
class PayTablePainter {
public:
    struct PrintedRow {
        HandCategory category;
        int rowLabelPicture;
        int rowTop; // table pixels
        std::array<int, MaxCoins> amounts;
    };

    // The rows of a game's table, top to bottom, priced as the game pays by the table.
    static std::vector<PrintedRow> printedAmounts(GameType game, const PayTable& table);
    static std::vector<PrintedRow> printedAmounts(GameType game) {
        return printedAmounts(game, payTableFor(game));
    }
    // The hand name printed on a row and on its row label picture 3000..3013; empty if unknown.
    static QString handName(int rowLabelPicture);

    static QImage table(GameType game, const PayTable& table);
    static QImage columnHighlight(GameType game, const PayTable& table, int coins);
    static QImage table(GameType game) { return table(game, payTableFor(game)); }
    static QImage columnHighlight(GameType game, int coins) {
        return columnHighlight(game, payTableFor(game), coins);
    }
    static QImage rowLabel(int rowLabelPicture);
    // 2000, 4006, 4007, 5006 or 5007.
    static QImage sideLabel(int picture);

    // Where things lie in a table picture.
    static constexpr int NameLeft = Layout::RowLabelLeft - Layout::PayTableLeft;
    static constexpr int ColumnTop = Layout::CoinHighlightTop - Layout::PayTableTop;
    static constexpr int columnLeft(int coins) {
        return Layout::coinHighlightLeft(coins) - Layout::PayTableLeft;
    }

private:
    static void paintNameCell(QPainter& p, const QRectF& cell, const QString& name, bool lit);
    static void paintColumn(QPainter& p, const std::vector<PrintedRow>& rows, int coins, int height,
                            bool lit);
};

} // namespace tandora
