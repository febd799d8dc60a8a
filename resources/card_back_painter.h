#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace tandora {

// The two card backs, so that the decks can be told apart across the table.
class CardBackPainter {
public:
    static QImage back(bool blueDeck);

private:
    static void paintLattice(QPainter& p, const QRectF& field);
    static void paintRings(QPainter& p, const QRectF& field);
};

} // namespace tandora
