#include "pay_table_painter.h"

#include <QLinearGradient>
#include <algorithm>

#include "paint_kit.h"

namespace tandora {

namespace {

const QColor TableFill(8, 22, 92);
const QColor GridLine(70, 104, 210);
const QColor HighlightFill(206, 20, 36);

QFont nameFont(const QString& name) {
    return PaintKit::fittedFont(PaintKit::Face::CondensedBold, 11, name, RowLabelSize.width - 8);
}

} // namespace

std::vector<PayTablePainter::PrintedRow> PayTablePainter::printedAmounts(GameType game,
                                                                         const PayTable& values) {
    std::vector<PrintedRow> rows;
    for (const HandCategory category : payTableRows(game)) {
        PrintedRow printed{category,
                           rowLabelPicture(category, game),
                           Layout::payTableRowTop(static_cast<int>(rows.size())),
                           {}};
        for (int coins = 1; coins <= MaxCoins; ++coins)
            printed.amounts[static_cast<std::size_t>(coins - 1)] = handPays(category, game, values, coins);
        rows.push_back(printed);
    }
    return rows;
}

QString PayTablePainter::handName(int rowLabelPicture) {
    static const char* const names[] = {
        "ROYAL FLUSH",    "FOUR DEUCES",    "FIVE OF A KIND",  "ROYAL WITH DEUCES", "ROYAL WITH JOKER",
        "STRAIGHT FLUSH", "FOUR OF A KIND", "THREE OF A KIND", "FULL HOUSE",        "FLUSH",
        "STRAIGHT",       "TWO PAIR",       "KINGS OR BETTER", "JACKS OR BETTER",
    };
    const int index = rowLabelPicture - FirstRowLabelPicture;
    if (index < 0 || index >= static_cast<int>(std::size(names)))
        return {};
    return QString::fromLatin1(names[index]);
}

void PayTablePainter::paintNameCell(QPainter& p, const QRectF& cell, const QString& name, bool lit) {
    if (lit) {
        QLinearGradient g(cell.topLeft(), cell.bottomLeft());
        g.setColorAt(0, QColor(255, 244, 150));
        g.setColorAt(1, QColor(244, 196, 30));
        p.fillRect(cell, g);
    }
    p.setFont(nameFont(name));
    const QRectF text = cell.adjusted(4, 0, -2, 0);
    if (lit)
        PaintKit::drawShadowText(p, text, Qt::AlignLeft | Qt::AlignVCenter, name, QColor(150, 0, 16),
                                 QColor(255, 255, 255, 120));
    else
        PaintKit::drawShadowText(p, text, Qt::AlignLeft | Qt::AlignVCenter, name, PaintKit::TableYellow);
}

void PayTablePainter::paintColumn(QPainter& p, const std::vector<PrintedRow>& rows, int coins, int height,
                                  bool lit) {
    const QRectF column(columnLeft(coins), ColumnTop, CoinHighlightWidth, height);
    if (lit) {
        QLinearGradient g(column.topLeft(), column.topRight());
        g.setColorAt(0, HighlightFill.darker(115));
        g.setColorAt(0.5, HighlightFill.lighter(115));
        g.setColorAt(1, HighlightFill.darker(115));
        p.fillRect(column, g);
    }
    for (const PrintedRow& row : rows) {
        const QRectF cell(column.left(), row.rowTop - Layout::PayTableTop, column.width() - 6,
                          RowLabelSize.height);
        const QString amount = QString::number(row.amounts[static_cast<std::size_t>(coins - 1)]);
        // Tables of the player's own may print five digits; they shrink to the cell.
        p.setFont(
            PaintKit::fittedFont(PaintKit::Face::SansBold, 11, amount, static_cast<int>(cell.width()) - 2));
        PaintKit::drawShadowText(p, cell, Qt::AlignRight | Qt::AlignVCenter, amount,
                                 lit ? QColor(Qt::white) : PaintKit::TableYellow);
    }
}

QImage PayTablePainter::table(GameType game, const PayTable& values) {
    const PayTableArt art = payTableArtFor(game);
    QImage image = PaintKit::blankImage(PayTableWidth, art.tableHeight);
    image.fill(TableFill);
    QPainter p;
    PaintKit::begin(p, image);

    // Thin grid: a frame, the line under the names, and one line between coin columns.
    p.setPen(QPen(GridLine, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, PayTableWidth - 1, art.tableHeight - 1));
    p.setPen(QPen(PaintKit::Gold, 1));
    p.drawRect(QRectF(1.5, 1.5, PayTableWidth - 3, art.tableHeight - 3));
    p.setPen(QPen(GridLine, 1));
    for (int coins = 1; coins <= MaxCoins; ++coins) {
        const qreal x = columnLeft(coins) - 0.5;
        p.drawLine(QPointF(x, ColumnTop), QPointF(x, art.tableHeight - 2));
    }

    const auto rows = printedAmounts(game, values);
    for (const PrintedRow& row : rows)
        paintNameCell(
            p, QRectF(NameLeft, row.rowTop - Layout::PayTableTop, RowLabelSize.width, RowLabelSize.height),
            handName(row.rowLabelPicture), false);
    for (int coins = 1; coins <= MaxCoins; ++coins)
        paintColumn(p, rows, coins, art.highlightHeight, false);
    return image;
}

QImage PayTablePainter::columnHighlight(GameType game, const PayTable& values, int coins) {
    const PayTableArt art = payTableArtFor(game);
    QImage image = PaintKit::blankImage(CoinHighlightWidth, art.highlightHeight);
    image.fill(TableFill);
    QPainter p;
    PaintKit::begin(p, image);
    // Painted in table-picture coordinates, so the lit column lies exactly on the printed one.
    p.translate(-columnLeft(coins), -ColumnTop);
    paintColumn(p, printedAmounts(game, values), coins, art.highlightHeight, true);
    return image;
}

QImage PayTablePainter::rowLabel(int rowLabelPicture) {
    QImage image = PaintKit::blankImage(RowLabelSize.width, RowLabelSize.height);
    image.fill(TableFill);
    QPainter p;
    PaintKit::begin(p, image);
    paintNameCell(p, QRectF(0, 0, RowLabelSize.width, RowLabelSize.height), handName(rowLabelPicture), true);
    return image;
}

QImage PayTablePainter::sideLabel(int picture) {
    struct Label {
        int number, width, height;
        const char* text;
    };
    static const Label labels[] = {{2000, 220, 19, "JACKS OR BETTER"},
                                   {4006, 16, 120, "DEUCES"},
                                   {4007, 24, 84, "WILD"},
                                   {5006, 18, 103, "JOKER"},
                                   {5007, 18, 103, "POKER"}};
    const auto* label = std::find_if(std::begin(labels), std::end(labels),
                                     [&](const Label& l) { return l.number == picture; });
    if (label == std::end(labels))
        return {};
    QImage image = PaintKit::blankImage(label->width, label->height);
    QPainter p;
    PaintKit::begin(p, image);
    const QRectF plaque(0.5, 0.5, label->width - 1, label->height - 1);
    QLinearGradient g(plaque.topLeft(),
                      label->width > label->height ? plaque.bottomLeft() : plaque.topRight());
    g.setColorAt(0, QColor(220, 30, 40));
    g.setColorAt(0.5, QColor(170, 10, 24));
    g.setColorAt(1, QColor(110, 0, 12));
    p.setPen(QPen(PaintKit::Gold, 1));
    p.setBrush(g);
    p.drawRoundedRect(plaque, 4, 4);
    const QString text = QString::fromLatin1(label->text);
    if (label->width > label->height) {
        p.setFont(PaintKit::font(PaintKit::Face::SansBold, 14));
        PaintKit::drawShadowText(p, plaque, Qt::AlignCenter, text, PaintKit::TableYellow);
    } else {
        const int size = std::min(label->width - 3, static_cast<int>(label->height / text.size()) - 2);
        PaintKit::drawStackedText(p, plaque.adjusted(0, 3, 0, -3), text,
                                  PaintKit::font(PaintKit::Face::SansBold, size), PaintKit::TableYellow);
    }
    return image;
}

} // namespace tandora
