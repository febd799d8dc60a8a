#include "card_painter.h"

#include <QPainterPath>
#include <vector>

#include "court_figure_painter.h"
#include "paint_kit.h"
#include "suit_shape.h"

namespace tandora {

namespace {

struct Pip {
    qreal x; // 0 left column, 1 middle, 2 right
    qreal y; // 0 top row .. 1 bottom row
};

// The classic layouts; pips below the middle are printed upside down.
std::vector<Pip> pipLayout(int rank) {
    const qreal t = 1.0 / 3, s = 1.0 / 6;
    switch (rank) {
    case 2: return {{1, 0}, {1, 1}};
    case 3: return {{1, 0}, {1, 0.5}, {1, 1}};
    case 4: return {{0, 0}, {2, 0}, {0, 1}, {2, 1}};
    case 5: return {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}};
    case 6: return {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
    case 7: return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
    case 8: return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}};
    case 9: return {{0, 0}, {2, 0}, {0, t}, {2, t}, {1, 0.5}, {0, 2 * t}, {2, 2 * t}, {0, 1}, {2, 1}};
    case 10:
        return {{0, 0}, {2, 0}, {1, s}, {0, t}, {2, t}, {0, 2 * t}, {2, 2 * t}, {1, 5 * s}, {0, 1}, {2, 1}};
    default: return {};
    }
}

QString rankText(int rank) {
    static const char* const texts[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(texts[rank]);
}

QColor suitColor(int suit) {
    return SuitShape::isRed(suit) ? PaintKit::CardRed : PaintKit::CardBlack;
}

} // namespace

void CardPainter::paintBlank(QPainter& p) {
    const QRectF card(0.5, 0.5, Width - 1, Height - 1);
    p.setPen(QPen(QColor(90, 90, 96), 1));
    p.setBrush(QColor(255, 254, 250));
    p.drawRoundedRect(card, 5, 5);
}

QImage CardPainter::face(Card code, bool wild) {
    QImage image = PaintKit::blankImage(Width, Height);
    if (!isRegularCard(code))
        return image;
    QPainter p;
    PaintKit::begin(p, image);
    paintFace(p, code, wild);
    return image;
}

void CardPainter::paintFace(QPainter& p, Card code, bool wild) {
    if (!isRegularCard(code))
        return;
    const int rank = rankOf(code);
    const int suit = suitOf(code);
    paintBlank(p);
    if (rank >= 11)
        CourtFigurePainter::paintCourt(p, QRectF(18, 12, 47, 92), rank, suit);
    else
        paintPips(p, rank, suit);
    paintIndex(p, rank, suit);
    if (wild)
        paintWildBanner(p);
}

void CardPainter::paintIndex(QPainter& p, int rank, int suit) {
    const QColor color = suitColor(suit);
    const QString text = rankText(rank);
    const QFont font = rank == 10 ? PaintKit::font(PaintKit::Face::CondensedBold, 15)
                                  : PaintKit::font(PaintKit::Face::SansBold, 16);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(Width, Height);
            p.rotate(180);
        }
        p.setFont(font);
        p.setPen(color);
        // "10" is set a little tighter so it stays inside the corner.
        if (rank == 10) {
            QFont tight = font;
            tight.setLetterSpacing(QFont::AbsoluteSpacing, -1.5);
            p.setFont(tight);
        }
        p.drawText(QRectF(0, 2, 18, 18), Qt::AlignCenter, text);
        SuitShape::draw(p, suit, QPointF(9, 27), 11, color);
        p.restore();
    }
}

void CardPainter::paintPips(QPainter& p, int rank, int suit) {
    const QColor color = suitColor(suit);
    if (rank == 1) {
        // The ace of spades carries the maker's flourish; the other aces a plain large pip.
        const qreal size = suit == 3 ? 40 : 30;
        if (suit == 3) {
            p.setPen(QPen(PaintKit::Gold.darker(130), 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(Width / 2.0, Height / 2.0), 27, 30);
        }
        SuitShape::draw(p, suit, QPointF(Width / 2.0, Height / 2.0), size, color);
        return;
    }
    const qreal columns[3] = {27.5, 41.5, 55.5};
    const qreal top = 20, bottom = 96;
    for (const Pip& pip : pipLayout(rank)) {
        const QPointF centre(columns[static_cast<int>(pip.x)], top + pip.y * (bottom - top));
        SuitShape::draw(p, suit, centre, 15, color, pip.y > 0.5);
    }
}

void CardPainter::paintWildBanner(QPainter& p) {
    const QRectF band(6, Height / 2.0 - 10, Width - 12, 20);
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, QColor(255, 236, 120));
    g.setColorAt(1, QColor(226, 160, 20));
    p.setPen(QPen(QColor(120, 70, 0), 1));
    p.setBrush(g);
    p.drawRoundedRect(band, 4, 4);
    p.setFont(PaintKit::font(PaintKit::Face::SansBold, 15));
    PaintKit::drawShadowText(p, band, Qt::AlignCenter, QStringLiteral("WILD"), PaintKit::LitRed,
                             QColor(255, 255, 255, 200));
}

QImage CardPainter::joker(bool blueDeck) {
    QImage image = PaintKit::blankImage(Width, Height);
    QPainter p;
    PaintKit::begin(p, image);
    paintBlank(p);
    const QColor accent = blueDeck ? QColor(20, 60, 170) : PaintKit::CardRed;
    CourtFigurePainter::paintJoker(p, QRectF(17, 8, 49, 100), accent);
    const QFont font = PaintKit::font(PaintKit::Face::SansBold, 10);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(Width, Height);
            p.rotate(180);
        }
        PaintKit::drawStackedText(p, QRectF(2, 4, 12, 52), QStringLiteral("JOKER"), font, accent,
                                  Qt::transparent);
        p.restore();
    }
    return image;
}

} // namespace tandora
