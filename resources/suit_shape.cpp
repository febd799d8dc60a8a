#include "suit_shape.h"

#include <array>

namespace tandora {

namespace {

QPainterPath heart() {
    QPainterPath p;
    p.moveTo(0.5, 0.24);
    p.cubicTo(0.42, 0.0, 0.0, -0.02, 0.0, 0.32);
    p.cubicTo(0.0, 0.6, 0.32, 0.74, 0.5, 1.0);
    p.cubicTo(0.68, 0.74, 1.0, 0.6, 1.0, 0.32);
    p.cubicTo(1.0, -0.02, 0.58, 0.0, 0.5, 0.24);
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.quadTo(0.66, 0.28, 0.92, 0.5);
    p.quadTo(0.66, 0.72, 0.5, 1.0);
    p.quadTo(0.34, 0.72, 0.08, 0.5);
    p.quadTo(0.34, 0.28, 0.5, 0.0);
    return p;
}

QPainterPath stem() {
    QPainterPath p;
    p.moveTo(0.46, 0.6);
    p.quadTo(0.46, 0.9, 0.26, 1.0);
    p.lineTo(0.74, 1.0);
    p.quadTo(0.54, 0.9, 0.54, 0.6);
    p.closeSubpath();
    return p;
}

QPainterPath club() {
    QPainterPath p;
    p.addEllipse(QPointF(0.5, 0.25), 0.24, 0.24);
    p.addEllipse(QPointF(0.24, 0.58), 0.24, 0.24);
    p.addEllipse(QPointF(0.76, 0.58), 0.24, 0.24);
    p.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
    p.setFillRule(Qt::WindingFill);
    return p.united(stem()).simplified();
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.cubicTo(0.36, 0.24, 0.0, 0.38, 0.0, 0.62);
    p.cubicTo(0.0, 0.86, 0.3, 0.9, 0.47, 0.74);
    p.lineTo(0.53, 0.74);
    p.cubicTo(0.7, 0.9, 1.0, 0.86, 1.0, 0.62);
    p.cubicTo(1.0, 0.38, 0.64, 0.24, 0.5, 0.0);
    return p.united(stem()).simplified();
}

} // namespace

const QPainterPath& SuitShape::path(int suit) {
    static const std::array<QPainterPath, 4> paths{heart(), diamond(), club(), spade()};
    return paths[static_cast<std::size_t>(suit & 3)];
}

void SuitShape::draw(QPainter& p, int suit, QPointF centre, qreal height, const QColor& color,
                     bool upsideDown) {
    // Hearts and spades are a little narrower than tall, as printed pips are.
    const qreal width = height * (suit == 1 ? 0.84 : 0.92);
    p.save();
    p.translate(centre);
    if (upsideDown)
        p.rotate(180);
    p.scale(width, height);
    p.translate(-0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path(suit));
    p.restore();
}

} // namespace tandora
