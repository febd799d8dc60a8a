#include "double_up_painter.h"

#include <QLinearGradient>
#include <QPainter>

#include "paint_kit.h"
#include "platform/pictures.h"

namespace tandora {

namespace {

void paintPanel(QPainter& p, const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(QColor(20, 10, 0), 1));
    p.setBrush(g);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.setPen(QPen(PaintKit::Gold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(rect.adjusted(2.5, 2.5, -2.5, -2.5), 6, 6);
}

void paintAnswer(QPainter& p, const QRect& area, const QColor& face, const QString& text) {
    const QRectF r = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, face.lighter(150));
    g.setColorAt(0.5, face);
    g.setColorAt(1, face.darker(140));
    p.setPen(QPen(QColor(10, 10, 10), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 7, 7);
    PaintKit::drawBevel(p, r.adjusted(1, 1, -1, -1), 6, false);
    p.setFont(PaintKit::fittedFont(PaintKit::Face::SansBold, 18, text, r.width() - 8));
    PaintKit::drawShadowText(p, r, Qt::AlignCenter, text, Qt::white);
}

struct Line {
    QString text;
    int pixelSize;
    QRectF place;
};

// The purple Double Up panel with its yellow title and white explanation.
void paintBanner(QPainter& p, const QImage& image, const Line& title, const Line& explanation) {
    paintPanel(p, PaintKit::area(image), QColor(70, 20, 120), QColor(20, 6, 50));
    p.setFont(PaintKit::font(PaintKit::Face::SansBold, title.pixelSize));
    PaintKit::drawShadowText(p, title.place, Qt::AlignCenter, title.text, PaintKit::TableYellow,
                             QColor(0, 0, 0, 220));
    p.setFont(PaintKit::font(PaintKit::Face::Sans, explanation.pixelSize));
    PaintKit::drawShadowText(p, explanation.place, Qt::AlignCenter, explanation.text, Qt::white);
}

} // namespace

QImage DoubleUpPainter::question() {
    QImage image = PaintKit::blankPicture(DoubleUpQuestionPicture);
    QPainter p;
    PaintKit::begin(p, image);
    paintBanner(p, image, {QStringLiteral("DOUBLE UP?"), 28, QRectF(0, 8, 304, 40)},
                {QStringLiteral("Beat the dealer's card to double your win"), 12, QRectF(0, 50, 304, 30)});
    paintAnswer(p, YesArea, QColor(30, 160, 60), QStringLiteral("YES"));
    paintAnswer(p, NoArea, QColor(200, 30, 36), QStringLiteral("NO"));
    return image;
}

QImage DoubleUpPainter::pickBanner() {
    QImage image = PaintKit::blankPicture(DoubleUpPickPicture);
    QPainter p;
    PaintKit::begin(p, image);
    paintBanner(p, image, {QStringLiteral("PICK A CARD"), 15, QRectF(0, 3, 240, 19)},
                {QStringLiteral("higher than the dealer's card wins"), 10, QRectF(0, 20, 240, 14)});
    return image;
}

} // namespace tandora
