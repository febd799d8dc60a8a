#include "table_painter.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include "engine/pay_table.h"
#include "paint_kit.h"
#include "platform/pictures.h"

namespace tandora {

namespace {

QRectF rectOf(const Rect& r) {
    return QRectF(r.left, r.top, r.width, r.height);
}

const QRectF Screen(9.5, 7.5, 522, 366);

// A dark recess with a sunken edge, for everything the game lays over the background.
void paintWell(QPainter& p, const QRectF& rect, const QColor& fill, qreal radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(rect, radius, radius);
    PaintKit::drawBevel(p, rect, radius, true);
}

} // namespace

QImage TablePainter::background() {
    QImage image = PaintKit::blankImage(Width, Height);
    QPainter p;
    PaintKit::begin(p, image);
    paintCabinet(p);
    paintScreen(p);
    paintCounters(p);
    paintButtonWells(p);
    return image;
}

void TablePainter::paintCabinet(QPainter& p) {
    QLinearGradient metal(0, 0, 0, Height);
    metal.setColorAt(0, QColor(176, 180, 188));
    metal.setColorAt(0.85, QColor(128, 132, 142));
    metal.setColorAt(1, frameColour());
    p.fillRect(QRect(0, 0, Width, Height), metal);
    // Brushed-metal streaks.
    for (int y = 0; y < Height; y += 3) {
        p.setPen(QColor(255, 255, 255, (y * 37) % 5 == 0 ? 22 : 10));
        p.drawLine(0, y, Width, y);
    }
    PaintKit::drawBevel(p, QRectF(0, 0, Width, Height), 0, false, 2);
}

void TablePainter::paintScreen(QPainter& p) {
    QRadialGradient glow(Screen.center() - QPointF(0, 60), 340);
    glow.setColorAt(0, PaintKit::ScreenBlue.lighter(125));
    glow.setColorAt(1, PaintKit::ScreenBlue.darker(115));
    p.setPen(QPen(QColor(40, 40, 48), 2));
    p.setBrush(glow);
    p.drawRoundedRect(Screen, 10, 10);
    PaintKit::drawBevel(p, Screen.adjusted(-2, -2, 2, 2), 12, true, 2);

    p.setFont(PaintKit::font(PaintKit::Face::SansBold, 12));
    PaintKit::drawShadowText(p, QRectF(0, 11, Width, 20), Qt::AlignCenter,
                             QStringLiteral("\u2605  T A N D O R A   V I D E O   P O K E R  \u2605"),
                             PaintKit::Gold, QColor(0, 0, 0, 200));

    paintWell(p, rectOf(Layout::GridLabelPlace).adjusted(-2, -2, 2, 2), QColor(8, 22, 92), 3);
    for (int i = 1; i <= 5; ++i)
        paintWell(p, rectOf(Layout::handPosPlace(i)).adjusted(-2.5, -2.5, 2.5, 2.5), PaintKit::ScreenBlueDark,
                  7);
}

void TablePainter::paintCounters(QPainter& p) {
    struct Counter {
        const char* label;
        qreal labelLeft;
        Rect first; // the first digit
        int digits;
    };
    // The CREDITS window has room for a fifth digit, lit only when wins take the credits past 9,999.
    const Counter counters[] = {{"CREDITS", 36, Layout::creditsDigitPlace(0), 5},
                                {"PAID", 232, Layout::paidDigitPlace(1), 4},
                                {"COINS", 404, Layout::CoinsPlace, 1}};
    p.setFont(PaintKit::font(PaintKit::Face::SansBold, 13));
    for (const Counter& c : counters) {
        const QRectF window(c.first.left - 4, c.first.top - 4, c.first.width * c.digits + 8,
                            c.first.height + 8);
        paintWell(p, window.adjusted(-1, -1, 1, 1), QColor(40, 44, 56), 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(6, 2, 2));
        p.drawRoundedRect(window.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
        PaintKit::drawShadowText(
            p, QRectF(c.labelLeft, window.top(), window.left() - c.labelLeft - 6, window.height()),
            Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(c.label), PaintKit::TableYellow,
            QColor(0, 0, 0, 220));
    }
}

void TablePainter::paintButtonWells(QPainter& p) {
    for (const Rect& place : {Layout::CashOutPlace, Layout::Bet1Place, Layout::MaxBetPlace, Layout::DealPlace,
                              Layout::CashInPlace})
        paintWell(p, rectOf(place).adjusted(-2, -2, 2, 2), QColor(52, 54, 60), 7);
    // Speaker grille at the right of the panel.
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 6; ++col) {
            const QPointF c(488 + col * 7 + (row % 2) * 3.5, 386 + row * 7);
            p.setBrush(QColor(30, 30, 36));
            p.drawEllipse(c, 2, 2);
            p.setBrush(QColor(255, 255, 255, 60));
            p.drawEllipse(c + QPointF(0.6, 0.8), 1, 1);
        }
}

QImage TablePainter::gameOver() {
    QImage image = PaintKit::blankPicture(GameOverPicture);
    QPainter p;
    PaintKit::begin(p, image);
    const QRectF band(0.5, 0.5, 160, 39);
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, QColor(240, 60, 60));
    g.setColorAt(0.5, QColor(190, 10, 20));
    g.setColorAt(1, QColor(120, 0, 10));
    p.setPen(QPen(QColor(40, 0, 0), 1));
    p.setBrush(g);
    p.drawRoundedRect(band, 6, 6);
    p.setPen(QPen(PaintKit::Gold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(band.adjusted(2.5, 2.5, -2.5, -2.5), 4, 4);
    p.setFont(PaintKit::font(PaintKit::Face::SansBold, 22));
    PaintKit::drawShadowText(p, band, Qt::AlignCenter, QStringLiteral("Game Over"), Qt::white,
                             QColor(0, 0, 0, 220));
    return image;
}

QImage TablePainter::addCreditsHint() {
    QImage image = PaintKit::blankPicture(AddCreditsHintPicture);
    QPainter p;
    PaintKit::begin(p, image);
    const QRectF band = PaintKit::area(image).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(PaintKit::Gold, 1.2));
    p.setBrush(QColor(8, 16, 60, 225));
    p.drawRoundedRect(band, 5, 5);
    p.setFont(PaintKit::font(PaintKit::Face::SansBold, 12));
    PaintKit::drawShadowText(p, band, Qt::AlignCenter, QStringLiteral("PRESS $ TO ADD CREDITS"),
                             PaintKit::Gold, QColor(0, 0, 0, 220));
    return image;
}

} // namespace tandora
