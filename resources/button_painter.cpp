#include "button_painter.h"

#include <QLinearGradient>
#include <QPainter>

#include "paint_kit.h"

namespace tandora {

namespace {

// The gradient body of a button; pressed buttons are darker and lit from below, as if pushed in.
void paintBody(QPainter& p, const QRectF& rect, const QColor& face, bool pressed, qreal radius) {
    const QRectF rim = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(24, 24, 28), 1));
    p.setBrush(QColor(24, 24, 28));
    p.drawRoundedRect(rim, radius, radius);

    const QRectF body = pressed ? rect.adjusted(2, 2.5, -1.5, -1.5) : rect.adjusted(1.5, 1.5, -1.5, -2.5);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    if (pressed) {
        g.setColorAt(0, face.darker(150));
        g.setColorAt(0.5, face.darker(125));
        g.setColorAt(1, face.darker(110));
    } else {
        g.setColorAt(0, face.lighter(150));
        g.setColorAt(0.45, face);
        g.setColorAt(1, face.darker(135));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(body, radius - 1, radius - 1);
    if (!pressed) {
        // Gloss on the upper half.
        QLinearGradient gloss(body.topLeft(), QPointF(body.left(), body.center().y()));
        gloss.setColorAt(0, QColor(255, 255, 255, 120));
        gloss.setColorAt(1, QColor(255, 255, 255, 10));
        p.setBrush(gloss);
        p.drawRoundedRect(body.adjusted(1.5, 1, -1.5, -body.height() / 2), radius - 2, radius - 2);
    }
    PaintKit::drawBevel(p, body, radius - 1, pressed);
}

} // namespace

QImage ButtonPainter::button(const QString& label, const QColor& face, const QColor& text, Look look) {
    QImage image = PaintKit::blankImage(Width, Height);
    QPainter p;
    PaintKit::begin(p, image);
    const bool pressed = look == Look::Pressed;
    const QColor body = look == Look::Disabled ? QColor(150, 152, 158) : face;
    paintBody(p, QRectF(0, 0, Width, Height), body, pressed, 6);

    const QRectF textRect =
        QRectF(3, 2, Width - 6, Height - 5).translated(pressed ? 0.5 : 0, pressed ? 1.5 : 0);
    p.setFont(PaintKit::fittedFont(PaintKit::Face::CondensedBold, 14, label, textRect.width() - 2));
    if (look == Look::Disabled) {
        // Etched grey text, the usual look of an unavailable button.
        PaintKit::drawShadowText(p, textRect, Qt::AlignCenter, label, QColor(88, 90, 98),
                                 QColor(220, 222, 228, 140));
    } else {
        const QColor shadow = text.lightness() > 128 ? QColor(0, 0, 0, 150) : QColor(255, 255, 255, 110);
        PaintKit::drawShadowText(p, textRect, Qt::AlignCenter, label, text, shadow);
    }
    return image;
}

QImage ButtonPainter::cashIn(bool pressed) {
    QImage image = PaintKit::blankPicture(pressed ? CashInPressedPicture : CashInPicture);
    QPainter p;
    PaintKit::begin(p, image);
    paintBody(p, QRectF(0, 0, 29, 33), QColor(30, 150, 60), pressed, 6);
    const QRectF textRect = QRectF(1, 1, 27, 29).translated(pressed ? 0.5 : 0, pressed ? 1.5 : 0);
    p.setFont(PaintKit::font(PaintKit::Face::SansBold, 22));
    PaintKit::drawShadowText(p, textRect, Qt::AlignCenter, QStringLiteral("$"), QColor(255, 236, 120));
    return image;
}

QImage ButtonPainter::holdLabel(Hold kind) {
    QImage image = PaintKit::blankPicture(HoldEmptyPicture);
    QPainter p;
    PaintKit::begin(p, image);
    const QRectF rect(0.5, 0.5, 54, 19);
    QString text;
    QColor face, ink;
    switch (kind) {
    case Hold::Empty: break;
    case Hold::Held:
        text = QStringLiteral("HELD");
        face = PaintKit::TableYellow;
        ink = PaintKit::LitRed;
        break;
    case Hold::Dealer:
        text = QStringLiteral("DEALER");
        face = QColor(230, 60, 40);
        ink = Qt::white;
        break;
    case Hold::Pick:
        text = QStringLiteral("PICK");
        face = QColor(40, 190, 80);
        ink = Qt::white;
        break;
    case Hold::Hint:
    case Hold::DrawHint: {
        // The unlit recess with a yellow rim and a question: a suggestion, plainly not yet a hold.
        p.setPen(QPen(PaintKit::TableYellow, 1.5, Qt::DashLine));
        p.setBrush(PaintKit::ScreenBlueDark);
        p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        const QString hint = kind == Hold::Hint ? QStringLiteral("HOLD?") : QStringLiteral("DRAW?");
        p.setFont(PaintKit::fittedFont(PaintKit::Face::SansBold, 13, hint, 48));
        PaintKit::drawShadowText(p, rect.adjusted(0, 0, 0, -1), Qt::AlignCenter, hint, PaintKit::TableYellow,
                                 QColor(0, 0, 0, 160));
        return image;
    }
    }
    if (text.isEmpty()) {
        // Unlit: a dark recess, so the place of the label is visible but says nothing.
        p.setPen(QPen(QColor(70, 96, 190), 1));
        p.setBrush(PaintKit::ScreenBlueDark);
        p.drawRoundedRect(rect, 4, 4);
        PaintKit::drawBevel(p, rect, 4, true);
        return image;
    }
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, face.lighter(130));
    g.setColorAt(1, face.darker(115));
    p.setPen(QPen(face.darker(200), 1));
    p.setBrush(g);
    p.drawRoundedRect(rect, 4, 4);
    p.setFont(PaintKit::fittedFont(PaintKit::Face::SansBold, 14, text, 50));
    const QColor shadow = ink == Qt::white ? QColor(0, 0, 0, 140) : QColor(255, 255, 255, 150);
    PaintKit::drawShadowText(p, rect.adjusted(0, 0, 0, -1), Qt::AlignCenter, text, ink, shadow);
    return image;
}

} // namespace tandora
