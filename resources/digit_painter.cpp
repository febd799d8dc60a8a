#include "digit_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

#include "paint_kit.h"

namespace tandora {

namespace {

// Segments a..g as in every seven-segment data sheet.
constexpr std::array<std::uint8_t, 10> SegmentMasks{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                    0x6D, 0x7D, 0x07, 0x7F, 0x6F};

QPainterPath segment(QPointF from, QPointF to, qreal thick) {
    // A hexagonal bar, pointed at both ends so that neighbours meet cleanly.
    const bool horizontal = from.y() == to.y();
    const qreal h = thick / 2;
    QPainterPath path;
    if (horizontal) {
        path.moveTo(from);
        path.lineTo(from.x() + h, from.y() - h);
        path.lineTo(to.x() - h, to.y() - h);
        path.lineTo(to);
        path.lineTo(to.x() - h, to.y() + h);
        path.lineTo(from.x() + h, from.y() + h);
    } else {
        path.moveTo(from);
        path.lineTo(from.x() + h, from.y() + h);
        path.lineTo(to.x() + h, to.y() - h);
        path.lineTo(to);
        path.lineTo(to.x() - h, to.y() - h);
        path.lineTo(from.x() - h, from.y() + h);
    }
    path.closeSubpath();
    return path;
}

} // namespace

QImage DigitPainter::digit(int value) {
    QImage image = PaintKit::blankImage(Width, Height);
    image.fill(QColor(8, 4, 4));
    QPainter p;
    PaintKit::begin(p, image);
    // A slight forward slant, as on real displays.
    p.setTransform(QTransform(1, 0, -0.08, 1, 0.6, 0), true);
    const qreal l = 3.0, r = 11.0, t = 1.7, m = 7.5, b = 13.3, th = 2.5, g = 0.4;
    const std::array<QPainterPath, 7> segments{
        segment({l + g, t}, {r - g, t}, th), // a
        segment({r, t + g}, {r, m - g}, th), // b
        segment({r, m + g}, {r, b - g}, th), // c
        segment({l + g, b}, {r - g, b}, th), // d
        segment({l, m + g}, {l, b - g}, th), // e
        segment({l, t + g}, {l, m - g}, th), // f
        segment({l + g, m}, {r - g, m}, th), // g
    };
    const std::uint8_t mask = value >= 0 && value <= 9 ? SegmentMasks[static_cast<std::size_t>(value)] : 0;
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const bool lit = mask & (1u << i);
        p.setBrush(lit ? QColor(255, 46, 30) : QColor(58, 12, 10));
        p.drawPath(segments[i]);
    }
    return image;
}

} // namespace tandora
