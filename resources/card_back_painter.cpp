#include "card_back_painter.h"

#include <QPainter>
#include <QPainterPath>

#include "card_painter.h"
#include "paint_kit.h"

namespace tandora {

QImage CardBackPainter::back(bool blueDeck) {
    QImage image = PaintKit::blankImage(CardPainter::Width, CardPainter::Height);
    QPainter p;
    PaintKit::begin(p, image);
    paintBack(p, blueDeck);
    return image;
}

void CardBackPainter::paintBack(QPainter& p, bool blueDeck) {
    CardPainter::paintBlank(p);

    const QColor base = blueDeck ? QColor(22, 58, 160) : QColor(176, 18, 34);
    const QRectF field(5, 5, CardPainter::Width - 10, CardPainter::Height - 10);
    QPainterPath shape;
    shape.addRoundedRect(field, 3, 3);
    p.save();
    p.setClipPath(shape);
    p.fillRect(field, base);
    if (blueDeck)
        paintRings(p, field);
    else
        paintLattice(p, field);
    p.restore();

    // Double border and a centre medallion carrying the game's initial.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(base.darker(150), 1.4));
    p.drawRoundedRect(field, 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.drawRoundedRect(field.adjusted(3, 3, -3, -3), 2, 2);

    const QPointF c = field.center();
    QPainterPath medallion;
    if (blueDeck) {
        medallion.addEllipse(c, 17, 17);
    } else {
        medallion.moveTo(c.x(), c.y() - 24);
        medallion.lineTo(c.x() + 18, c.y());
        medallion.lineTo(c.x(), c.y() + 24);
        medallion.lineTo(c.x() - 18, c.y());
        medallion.closeSubpath();
    }
    p.setPen(QPen(PaintKit::Gold, 2));
    p.setBrush(base.darker(140));
    p.drawPath(medallion);
    p.setPen(QPen(QColor(255, 240, 200, 160), 0.8));
    p.setBrush(Qt::NoBrush);
    p.save();
    p.translate(c);
    p.scale(0.78, 0.78);
    p.translate(-c);
    p.drawPath(medallion);
    p.restore();
    p.setFont(PaintKit::font(PaintKit::Face::SerifBold, 22));
    PaintKit::drawShadowText(p, QRectF(c.x() - 15, c.y() - 15, 30, 30), Qt::AlignCenter, QStringLiteral("T"),
                             PaintKit::Gold);
}

void CardBackPainter::paintLattice(QPainter& p, const QRectF& field) {
    // Fine diagonal trellis with a brighter diamond grid over it.
    p.setPen(QPen(QColor(255, 255, 255, 55), 0.8));
    const qreal span = field.width() + field.height();
    for (qreal d = -span; d < span; d += 4) {
        p.drawLine(QPointF(field.left() + d, field.top()),
                   QPointF(field.left() + d + field.height(), field.bottom()));
        p.drawLine(QPointF(field.left() + d, field.bottom()),
                   QPointF(field.left() + d + field.height(), field.top()));
    }
    p.setPen(QPen(QColor(255, 210, 210, 140), 1.1));
    for (qreal d = -span; d < span; d += 12) {
        p.drawLine(QPointF(field.left() + d, field.top()),
                   QPointF(field.left() + d + field.height(), field.bottom()));
        p.drawLine(QPointF(field.left() + d, field.bottom()),
                   QPointF(field.left() + d + field.height(), field.top()));
    }
}

void CardBackPainter::paintRings(QPainter& p, const QRectF& field) {
    // Interlocking rings, like an engraved banknote.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(190, 215, 255, 120), 0.8));
    for (qreal y = field.top(); y < field.bottom() + 8; y += 8)
        for (qreal x = field.left(); x < field.right() + 8; x += 8)
            p.drawEllipse(QPointF(x, y), 5.6, 5.6);
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.7));
    for (qreal y = field.top() + 4; y < field.bottom() + 8; y += 8)
        for (qreal x = field.left() + 4; x < field.right() + 8; x += 8)
            p.drawEllipse(QPointF(x, y), 1.5, 1.5);
}

} // namespace tandora
