#pragma once

#include <QImage>
#include <QPainter>

#include "engine/card.h"

#include "platform/pictures.h"

namespace tandora {

// Card faces, 83 x 116: corner indices, pip layouts, court figures, the joker and the wild deuces.
class CardPainter {
public:
    static constexpr int Width = CardPictureWidth;
    static constexpr int Height = CardPictureHeight;

    // A regular code 1..52; wild marks a deuce for Deuces Wild.
    static QImage face(Card code, bool wild = false);
    static QImage joker(bool blueDeck);
    // The face drawn in card coordinates (Width x Height) on any painter, so it can be drawn at any scale.
    static void paintFace(QPainter& p, Card code, bool wild = false);

    // The white card with its rounded edge, shared with the backs.
    static void paintBlank(QPainter& p);

private:
    static void paintIndex(QPainter& p, int rank, int suit);
    static void paintPips(QPainter& p, int rank, int suit);
    static void paintWildBanner(QPainter& p);
};

} // namespace tandora
