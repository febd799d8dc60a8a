#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace tandora {

// The two card backs, so that the decks can be told apart across the table.
class CardBackPainter {
public:
    static QImage back(bool blueDeck);
    // The back drawn in card coordinates on any painter, so it can be drawn at any scale.
    static void paintBack(QPainter& p, bool blueDeck);

private:
    static void paintLattice(QPainter& p, const QRectF& field);
    static void paintRings(QPainter& p, const QRectF& field);
};

} // namespace tandora
