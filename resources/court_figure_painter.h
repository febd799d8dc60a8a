#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace tandora {

// The artwork of the jack, queen and king (a half figure mirrored top to bottom) and of the joker.
class CourtFigurePainter {
public:
    // rank 11 jack, 12 queen, 13 king; box is the framed picture area of the card.
    static void paintCourt(QPainter& p, const QRectF& box, int rank, int suit);
    static void paintJoker(QPainter& p, const QRectF& box, const QColor& accent);

private:
    struct Palette {
        QColor robe, lining, trim, hair;
    };
    // One half of the figure in a 47 x 46 box whose bottom edge is the card's middle.
    static void paintHalf(QPainter& p, int rank, int suit, const Palette& c);
    static void paintHeadwear(QPainter& p, int rank, const Palette& c);
    static void paintAttribute(QPainter& p, int rank, const Palette& c);
};

} // namespace tandora
