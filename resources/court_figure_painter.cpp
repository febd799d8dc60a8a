#include "court_figure_painter.h"

#include <QPainterPath>
#include <QTransform>
#include <cmath>

#include "paint_kit.h"
#include "suit_shape.h"

namespace tandora {

namespace {

const QColor Skin(248, 214, 176);
const QColor Outline(40, 24, 16);
const QColor GoldLight(250, 214, 90);
const QColor Silver(214, 220, 232);

QPen outlinePen(qreal width = 0.7) {
    return QPen(Outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fill(QPainter& p, const QPainterPath& path, const QColor& color, qreal outline = 0.7) {
    p.setPen(outline > 0 ? outlinePen(outline) : QPen(Qt::NoPen));
    p.setBrush(color);
    p.drawPath(path);
}

QPainterPath polygonPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

} // namespace

void CourtFigurePainter::paintCourt(QPainter& p, const QRectF& box, int rank, int suit) {
    // Robes rotate through the classic court colours so that the twelve courts are not all alike.
    static const QColor robes[4] = {QColor(178, 20, 40), QColor(30, 72, 178), QColor(24, 118, 64),
                                    QColor(110, 40, 140)};
    const QColor suitColor = SuitShape::isRed(suit) ? PaintKit::CardRed : PaintKit::CardBlack;
    const Palette c{robes[(rank + suit) % 4], robes[(rank + suit + 1) % 4], suitColor,
                    rank == 12   ? QColor(226, 160, 40)
                    : rank == 13 ? QColor(120, 80, 50)
                                 : QColor(160, 92, 30)};

    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 244, 222));
    p.drawRect(box);
    p.setClipRect(box);
    const qreal half = box.height() / 2;
    for (int part = 0; part < 2; ++part) {
        p.save();
        if (part == 0) {
            p.translate(box.topLeft());
        } else {
            p.translate(box.bottomRight());
            p.rotate(180);
        }
        p.scale(box.width() / 47.0, half / 46.0);
        paintHalf(p, rank, suit, c);
        p.restore();
    }
    p.setClipping(false);
    p.setPen(QPen(suitColor, 0.8));
    p.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(PaintKit::Gold.darker(115), 1));
    p.drawRect(box.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(QPen(suitColor, 1));
    p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

void CourtFigurePainter::paintHalf(QPainter& p, int rank, int suit, const Palette& c) {
    // The queen's long hair falls behind her shoulders.
    if (rank == 12) {
        QPainterPath hair;
        hair.moveTo(15, 14);
        hair.cubicTo(13, 24, 12, 30, 14, 33);
        hair.lineTo(33, 33);
        hair.cubicTo(35, 30, 34, 24, 32, 14);
        hair.cubicTo(30, 6, 17, 6, 15, 14);
        fill(p, hair, c.hair);
    }

    QPainterPath robe;
    robe.moveTo(1, 46);
    robe.lineTo(3, 35);
    robe.cubicTo(5, 28, 12, 26, 17, 25);
    robe.lineTo(30, 25);
    robe.cubicTo(35, 26, 42, 28, 44, 35);
    robe.lineTo(46, 46);
    robe.closeSubpath();
    fill(p, robe, c.robe);

    // Sleeves in the lining colour, with a gold cuff.
    fill(p, polygonPath({{3, 46}, {5, 36}, {11, 33}, {12, 46}}), c.lining, 0.5);
    fill(p, polygonPath({{44, 46}, {42, 36}, {36, 33}, {35, 46}}), c.lining, 0.5);

    QPainterPath front = polygonPath({{18, 25}, {29, 25}, {32, 46}, {15, 46}});
    fill(p, front, PaintKit::Gold, 0.6);
    for (int i = 0; i < 3; ++i)
        SuitShape::draw(p, suit, QPointF(23.5, 31 + 6 * i), 4.5, c.trim);

    // Collar: ermine for the king, lace for the queen, a plain gold band for the jack.
    QPainterPath collar;
    collar.moveTo(8, 30);
    collar.cubicTo(14, 25, 33, 25, 39, 30);
    collar.cubicTo(33, 28.5, 14, 28.5, 8, 30);
    collar.lineTo(8, 33);
    collar.cubicTo(14, 29, 33, 29, 39, 33);
    collar.lineTo(39, 30);
    QPainterPath band;
    band.moveTo(8, 29);
    band.cubicTo(15, 24, 32, 24, 39, 29);
    band.lineTo(40, 32.5);
    band.cubicTo(32, 28, 15, 28, 7, 32.5);
    band.closeSubpath();
    fill(p, band, rank == 11 ? GoldLight : QColor(252, 252, 248), 0.6);
    if (rank == 13) {
        p.setPen(Qt::NoPen);
        p.setBrush(Outline);
        for (qreal x = 11; x < 38; x += 5)
            p.drawEllipse(QPointF(x, 28.4 + (x - 23.5) * (x - 23.5) / 180), 0.6, 0.9);
    } else if (rank == 12) {
        p.setPen(QPen(c.trim, 0.5));
        p.setBrush(Qt::NoBrush);
        for (qreal x = 10; x < 38; x += 3)
            p.drawArc(QRectF(x - 1.5, 29.5 + (x - 23.5) * (x - 23.5) / 160, 3, 3), 180 * 16, 180 * 16);
    }

    fill(p, polygonPath({{21, 20}, {26, 20}, {26.5, 26}, {20.5, 26}}), Skin, 0.5);
    QPainterPath head;
    head.addEllipse(QPointF(23.5, 16.5), 5.8, 6.8);
    fill(p, head, Skin);

    // Hair and beard.
    p.setPen(outlinePen(0.5));
    p.setBrush(c.hair);
    if (rank == 13) {
        QPainterPath beard;
        beard.moveTo(17.8, 16);
        beard.cubicTo(17.5, 24, 21, 28, 23.5, 28.5);
        beard.cubicTo(26, 28, 29.5, 24, 29.2, 16);
        beard.cubicTo(28, 21, 19, 21, 17.8, 16);
        p.drawPath(beard);
        p.drawEllipse(QRectF(17, 10, 3, 7));
        p.drawEllipse(QRectF(27, 10, 3, 7));
    } else if (rank == 11) {
        for (int i = 0; i < 3; ++i) {
            p.drawEllipse(QPointF(17.2, 13 + 3 * i), 1.8, 1.8);
            p.drawEllipse(QPointF(29.8, 13 + 3 * i), 1.8, 1.8);
        }
    } else {
        QPainterPath fringe;
        fringe.moveTo(17.8, 15);
        fringe.cubicTo(18, 9, 29, 9, 29.2, 15);
        fringe.cubicTo(26, 11.5, 21, 11.5, 17.8, 15);
        p.drawPath(fringe);
    }

    // Face.
    p.setPen(Qt::NoPen);
    p.setBrush(Outline);
    p.drawEllipse(QPointF(21.4, 15.6), 0.75, 0.75);
    p.drawEllipse(QPointF(25.6, 15.6), 0.75, 0.75);
    p.setPen(QPen(Outline, 0.5));
    p.drawLine(QPointF(20.2, 14), QPointF(22.4, 13.7));
    p.drawLine(QPointF(24.6, 13.7), QPointF(26.8, 14));
    p.drawPolyline(QPolygonF({{23.6, 16}, {23, 19}, {24.2, 19}}));
    p.setPen(QPen(QColor(190, 40, 40), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22.3, 21.2), QPointF(24.7, 21.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 140, 130, 110));
    p.drawEllipse(QPointF(20.6, 18.6), 1.3, 1);
    p.drawEllipse(QPointF(26.4, 18.6), 1.3, 1);

    paintHeadwear(p, rank, c);
    paintAttribute(p, rank, c);
    SuitShape::draw(p, suit, rank == 11 ? QPointF(41, 7) : QPointF(6, 7), 8, c.trim);
}

void CourtFigurePainter::paintHeadwear(QPainter& p, int rank, const Palette& c) {
    if (rank == 13) {
        QPainterPath crown =
            polygonPath({{16.5, 11}, {16, 2.5}, {20, 6.5}, {23.5, 0.8}, {27, 6.5}, {31, 2.5}, {30.5, 11}});
        fill(p, crown, GoldLight, 0.6);
        fill(p, polygonPath({{16.5, 8.5}, {30.5, 8.5}, {30.5, 11}, {16.5, 11}}), PaintKit::Gold, 0.5);
        p.setPen(Qt::NoPen);
        p.setBrush(PaintKit::CardRed);
        p.drawEllipse(QPointF(23.5, 9.8), 1.2, 1.0);
        p.setBrush(QColor(40, 90, 200));
        p.drawEllipse(QPointF(19.5, 9.8), 0.9, 0.9);
        p.drawEllipse(QPointF(27.5, 9.8), 0.9, 0.9);
        p.setBrush(QColor(255, 250, 230));
        for (const QPointF tip : {QPointF(16, 2.5), QPointF(23.5, 0.8), QPointF(31, 2.5)})
            p.drawEllipse(tip, 1.0, 1.0);
    } else if (rank == 12) {
        QPainterPath crown;
        crown.moveTo(18, 10.5);
        crown.lineTo(18, 6);
        crown.quadTo(20.5, 8.5, 23.5, 4);
        crown.quadTo(26.5, 8.5, 29, 6);
        crown.lineTo(29, 10.5);
        crown.closeSubpath();
        fill(p, crown, GoldLight, 0.6);
        p.setPen(outlinePen(0.4));
        p.setBrush(QColor(255, 252, 240));
        for (const QPointF pearl : {QPointF(18, 5.4), QPointF(23.5, 3.2), QPointF(29, 5.4)})
            p.drawEllipse(pearl, 1.1, 1.1);
        p.setPen(Qt::NoPen);
        p.setBrush(PaintKit::CardRed);
        p.drawEllipse(QPointF(23.5, 8.6), 1.0, 1.0);
    } else {
        QPainterPath feather;
        feather.moveTo(27, 8);
        feather.cubicTo(30, 3, 33, 1, 36, 0.5);
        feather.cubicTo(34, 3, 31, 6, 28, 9);
        fill(p, feather, QColor(255, 252, 240), 0.5);
        QPainterPath cap;
        cap.addEllipse(QPointF(23.5, 9), 8.2, 3.6);
        fill(p, cap, c.lining, 0.6);
        fill(p, polygonPath({{16, 10}, {31, 10}, {31, 11.8}, {16, 11.8}}), PaintKit::Gold, 0.5);
    }
}

void CourtFigurePainter::paintAttribute(QPainter& p, int rank, const Palette& c) {
    if (rank == 13) {
        // A sword raised behind the right shoulder.
        QPainterPath blade = polygonPath({{37.2, 33}, {38.4, 3}, {39.6, 33}});
        fill(p, blade, Silver, 0.5);
        fill(p, polygonPath({{34, 33}, {43, 32}, {43, 34}, {34, 35}}), PaintKit::Gold, 0.5);
        QPainterPath hand;
        hand.addEllipse(QPointF(38.6, 37), 2.4, 2.2);
        fill(p, hand, Skin, 0.5);
    } else if (rank == 12) {
        // A rose held at the left.
        p.setPen(QPen(QColor(30, 120, 40), 1.0));
        p.drawLine(QPointF(9.5, 40), QPointF(10.5, 27));
        p.setPen(outlinePen(0.4));
        p.setBrush(c.trim == PaintKit::CardRed ? QColor(230, 60, 90) : QColor(200, 30, 40));
        for (int i = 0; i < 5; ++i) {
            const qreal a = i * 72.0 * 3.14159 / 180;
            p.drawEllipse(QPointF(10.5 + 2.1 * std::sin(a), 25 - 2.1 * std::cos(a)), 1.7, 1.7);
        }
        p.setBrush(GoldLight);
        p.drawEllipse(QPointF(10.5, 25), 1.2, 1.2);
        QPainterPath hand;
        hand.addEllipse(QPointF(9.8, 37), 2.3, 2.1);
        fill(p, hand, Skin, 0.5);
    } else {
        // A halberd on the left.
        p.setPen(QPen(QColor(110, 70, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8.5, 46), QPointF(8.5, 4));
        QPainterPath axe;
        axe.moveTo(8.5, 6);
        axe.cubicTo(4, 6, 2, 9, 2.5, 13);
        axe.lineTo(8.5, 12);
        axe.closeSubpath();
        fill(p, axe, Silver, 0.5);
        fill(p, polygonPath({{8.5, 2}, {9.8, 5}, {7.2, 5}}), Silver, 0.4);
        QPainterPath hand;
        hand.addEllipse(QPointF(8.6, 37), 2.3, 2.1);
        fill(p, hand, Skin, 0.5);
    }
}

void CourtFigurePainter::paintJoker(QPainter& p, const QRectF& box, const QColor& accent) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 49.0, box.height() / 100.0);
    const QColor green(30, 140, 70);

    // Legs with curled shoes.
    fill(p, polygonPath({{16, 78}, {23, 78}, {22, 92}, {17, 92}}), accent, 0.6);
    fill(p, polygonPath({{26, 78}, {33, 78}, {32, 92}, {27, 92}}), green, 0.6);
    QPainterPath shoes;
    shoes.moveTo(17, 91);
    shoes.cubicTo(12, 92, 9, 95, 8, 91);
    shoes.cubicTo(9, 97, 16, 97, 22, 95);
    shoes.lineTo(22, 91);
    shoes.closeSubpath();
    shoes.moveTo(32, 91);
    shoes.cubicTo(37, 92, 40, 95, 41, 91);
    shoes.cubicTo(40, 97, 33, 97, 27, 95);
    shoes.lineTo(27, 91);
    shoes.closeSubpath();
    fill(p, shoes, PaintKit::Gold, 0.6);

    // Tunic in harlequin diamonds.
    QPainterPath tunic = polygonPath({{13, 46}, {36, 46}, {42, 80}, {7, 80}});
    fill(p, tunic, PaintKit::Gold);
    p.save();
    p.setClipPath(tunic);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 5; ++row) {
        for (int col = -1; col < 6; ++col) {
            const qreal cx = 4 + col * 9 + (row % 2) * 4.5;
            const qreal cy = 48 + row * 8;
            p.setBrush((row + col) % 2 ? accent : green);
            p.drawPath(polygonPath({{cx, cy - 4}, {cx + 4.5, cy}, {cx, cy + 4}, {cx - 4.5, cy}}));
        }
    }
    p.restore();
    p.setPen(outlinePen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(tunic);
    p.setBrush(QColor(255, 250, 235));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(24.5, 56 + 8 * i), 1.6, 1.6);

    // Arms holding a bauble.
    fill(p, polygonPath({{13, 48}, {6, 62}, {9, 64}, {15, 54}}), green, 0.6);
    fill(p, polygonPath({{36, 48}, {43, 60}, {40, 62}, {34, 54}}), accent, 0.6);
    p.setPen(QPen(QColor(110, 70, 30), 1.2));
    p.drawLine(QPointF(42, 61), QPointF(46, 44));
    p.setPen(outlinePen(0.5));
    p.setBrush(PaintKit::Gold);
    p.drawEllipse(QPointF(46, 42), 2.6, 2.6);

    // Ruff.
    QPainterPath ruff;
    ruff.moveTo(9, 45);
    for (int i = 0; i <= 10; ++i)
        ruff.lineTo(9 + i * 3.1, i % 2 ? 51 : 43);
    ruff.lineTo(40, 45);
    ruff.closeSubpath();
    fill(p, ruff, QColor(255, 255, 250), 0.6);

    // Three-pointed hat with bells, behind the face.
    QPainterPath left;
    left.moveTo(17, 30);
    left.cubicTo(12, 20, 6, 16, 1.5, 17);
    left.cubicTo(8, 20, 14, 25, 21, 23);
    left.closeSubpath();
    fill(p, left, accent);
    QPainterPath middle;
    middle.moveTo(19, 24);
    middle.cubicTo(20, 14, 22, 8, 24.5, 3);
    middle.cubicTo(27, 8, 29, 14, 30, 24);
    middle.closeSubpath();
    fill(p, middle, green);
    fill(p, QTransform(-1, 0, 0, 1, 49, 0).map(left), accent); // the right brim mirrors the left
    p.setPen(outlinePen(0.5));
    p.setBrush(GoldLight);
    for (const QPointF bell : {QPointF(2, 17.5), QPointF(24.5, 3), QPointF(47, 17.5)})
        p.drawEllipse(bell, 2.2, 2.2);

    QPainterPath face;
    face.addEllipse(QPointF(24.5, 34), 8, 9);
    fill(p, face, QColor(252, 236, 220));
    fill(p, polygonPath({{15.5, 27}, {33.5, 27}, {33, 24}, {16, 24}}), PaintKit::Gold, 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Outline);
    p.drawEllipse(QPointF(21.5, 32.5), 1.1, 1.3);
    p.drawEllipse(QPointF(27.5, 32.5), 1.1, 1.3);
    p.setBrush(QColor(235, 90, 90, 150));
    p.drawEllipse(QPointF(19.5, 36.5), 1.8, 1.3);
    p.drawEllipse(QPointF(29.5, 36.5), 1.8, 1.3);
    p.setPen(QPen(QColor(180, 20, 30), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(20, 33, 9, 6), 200 * 16, 140 * 16);
    p.setPen(QPen(Outline, 0.6));
    p.drawLine(QPointF(24.5, 33.5), QPointF(24, 36));
    p.restore();
}

} // namespace tandora
