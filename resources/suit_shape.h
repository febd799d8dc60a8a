#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace tandora {

// The four suit symbols as vector outlines, drawn at any size without a font.
class SuitShape {
public:
    // Suit 0 hearts, 1 diamonds, 2 clubs, 3 spades, in a unit box (0..1 both ways).
    static const QPainterPath& path(int suit);
    static bool isRed(int suit) { return suit == 0 || suit == 1; }
    // Centred on centre, height pixels tall; upsideDown for the lower half of a card.
    static void draw(QPainter& p, int suit, QPointF centre, qreal height, const QColor& color,
                     bool upsideDown = false);
};

} // namespace tandora
