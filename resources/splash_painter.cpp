#include "splash_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "card_back_painter.h"
#include "card_painter.h"
#include "paint_kit.h"

namespace tandora {

namespace {

// A card painted in place rather than copied from its bitmap, so it stays sharp at any scale.
template <typename Paint>
void paintCard(QPainter& p, QPointF pivot, qreal angle, qreal scale, qreal reach, Paint paint) {
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    p.scale(scale, scale);
    p.translate(-CardPainter::Width / 2.0, -reach);
    paint(p);
    p.restore();
}

} // namespace

QImage SplashPainter::splash() {
    QImage image = PaintKit::blankPicture(SplashPicture);
    QPainter p;
    PaintKit::begin(p, image);
    QRadialGradient felt(QPointF(250, 80), 260);
    felt.setColorAt(0, QColor(28, 70, 170));
    felt.setColorAt(1, QColor(6, 14, 60));
    p.fillRect(PaintKit::area(image), felt);
    p.setPen(QPen(PaintKit::Gold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, 384, 185));

    // A royal flush in spades, fanned.
    const Card royal[] = {cardCode(10, 3), cardCode(11, 3), cardCode(12, 3), cardCode(13, 3), cardCode(1, 3)};
    for (int i = 0; i < 5; ++i)
        paintCard(p, QPointF(100, 204), -24 + 12 * i, 0.88, 178,
                  [card = royal[i]](QPainter& q) { CardPainter::paintFace(q, card); });

    p.setFont(PaintKit::font(PaintKit::Face::SerifBold, 46));
    QLinearGradient gold(0, 30, 0, 90);
    gold.setColorAt(0, QColor(255, 240, 160));
    gold.setColorAt(1, QColor(210, 150, 30));
    const QRectF title(178, 22, 204, 70);
    PaintKit::drawShadowText(p, title.translated(1, 2), Qt::AlignCenter, QStringLiteral("Tandora"),
                             QColor(0, 0, 0, 200), Qt::transparent);
    p.setPen(QPen(QBrush(gold), 1));
    p.drawText(title, Qt::AlignCenter, QStringLiteral("Tandora"));
    p.setFont(PaintKit::font(PaintKit::Face::SansBold, 30));
    PaintKit::drawShadowText(p, QRectF(178, 84, 204, 40), Qt::AlignCenter, QStringLiteral("2.0"), Qt::white);
    p.setFont(PaintKit::font(PaintKit::Face::SansBold, 13));
    PaintKit::drawShadowText(p, QRectF(178, 128, 204, 20), Qt::AlignCenter,
                             QStringLiteral("V I D E O   P O K E R"), PaintKit::TableYellow);
    const QString games = QStringLiteral("Jacks or Better \u2022 Deuces Wild \u2022 Joker Poker");
    p.setFont(PaintKit::fittedFont(PaintKit::Face::Condensed, 11, games, 200));
    PaintKit::drawShadowText(p, QRectF(178, 152, 204, 16), Qt::AlignCenter, games, QColor(200, 214, 255));
    return image;
}

QImage SplashPainter::windowIcon() {
    const auto size = pictureSize(WindowIconPicture);
    return windowIcon(size ? size->width : 64);
}

QImage SplashPainter::windowIcon(int size) {
    QImage image = PaintKit::blankImage(size, size);
    QPainter p;
    PaintKit::begin(p, image);
    // Drawn on a 64-pixel grid, scaled as a whole.
    p.scale(size / 64.0, size / 64.0);
    paintCard(p, QPointF(30, 62), -16, 0.5, 112, [](QPainter& q) { CardBackPainter::paintBack(q, false); });
    paintCard(p, QPointF(34, 62), 12, 0.5, 112,
              [](QPainter& q) { CardPainter::paintFace(q, cardCode(1, 3)); });
    return image;
}

} // namespace tandora
