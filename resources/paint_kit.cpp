#include "paint_kit.h"

#include "platform/pictures.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>

namespace tandora {

const QColor PaintKit::ScreenBlue(14, 34, 120);
const QColor PaintKit::ScreenBlueDark(6, 16, 66);
const QColor PaintKit::TableYellow(255, 222, 60);
const QColor PaintKit::LitRed(200, 16, 32);
const QColor PaintKit::Gold(232, 188, 64);
const QColor PaintKit::CardRed(206, 18, 30);
const QColor PaintKit::CardBlack(20, 20, 24);

QFont PaintKit::font(Face face, int pixelSize) {
    QFont f;
    switch (face) {
    case Face::Sans:
    case Face::SansBold: f.setFamily(QStringLiteral("DejaVu Sans")); break;
    case Face::Condensed:
    case Face::CondensedBold: f.setFamily(QStringLiteral("DejaVu Sans Condensed")); break;
    case Face::Mono: f.setFamily(QStringLiteral("DejaVu Sans Mono")); break;
    case Face::SerifBold: f.setFamily(QStringLiteral("DejaVu Serif")); break;
    }
    f.setBold(face == Face::SansBold || face == Face::CondensedBold || face == Face::SerifBold);
    if (face == Face::Condensed || face == Face::CondensedBold)
        f.setStretch(QFont::SemiCondensed);
    f.setPixelSize(pixelSize);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont PaintKit::fittedFont(Face face, int maxPixelSize, const QString& text, qreal width) {
    int size = maxPixelSize;
    QFont f = font(face, size);
    while (size > 6 && QFontMetricsF(f).horizontalAdvance(text) > width)
        f = font(face, --size);
    return f;
}

namespace {

thread_local QSizeF paintScale(1, 1);

} // namespace

PaintKit::Scale::Scale(qreal sx, qreal sy) : previous_(paintScale) {
    paintScale = QSizeF(sx, sy);
}

PaintKit::Scale::~Scale() {
    paintScale = previous_;
}

QSizeF PaintKit::scale() {
    return paintScale;
}

QRectF PaintKit::area(const QImage& image) {
    return QRectF(0, 0, image.width() / paintScale.width(), image.height() / paintScale.height());
}

QImage PaintKit::blankImage(int width, int height) {
    QImage image(static_cast<int>(std::lround(width * paintScale.width())),
                 static_cast<int>(std::lround(height * paintScale.height())),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage PaintKit::blankPicture(int number) {
    const auto size = pictureSize(number);
    return size ? blankImage(size->width, size->height) : QImage();
}

void PaintKit::begin(QPainter& p, QImage& image) {
    p.begin(&image);
    p.scale(paintScale.width(), paintScale.height());
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void PaintKit::drawStackedText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font,
                               const QColor& color, const QColor& shadow) {
    const qreal step = rect.height() / text.size();
    p.setFont(font);
    for (int i = 0; i < text.size(); ++i) {
        const QRectF cell(rect.left(), rect.top() + i * step, rect.width(), step);
        drawShadowText(p, cell, Qt::AlignCenter, text.mid(i, 1), color, shadow);
    }
}

void PaintKit::drawShadowText(QPainter& p, const QRectF& rect, int flags, const QString& text,
                              const QColor& color, const QColor& shadow) {
    p.setPen(shadow);
    p.drawText(rect.translated(1, 1), flags, text);
    p.setPen(color);
    p.drawText(rect, flags, text);
}

void PaintKit::drawBevel(QPainter& p, const QRectF& rect, qreal radius, bool sunken, qreal width) {
    const QColor light(255, 255, 255, 160);
    const QColor dark(0, 0, 0, 160);
    const qreal h = width / 2;
    const QRectF r = rect.adjusted(h, h, -h, -h);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(sunken ? dark : light, width));
    p.drawRoundedRect(r, radius, radius);
    // The lower right half of the outline catches the shadow.
    QPainterPath lowerRight;
    lowerRight.addPolygon(QPolygonF({rect.topRight(), rect.bottomRight(), rect.bottomLeft()}));
    p.setClipPath(lowerRight);
    p.setPen(QPen(sunken ? light : dark, width));
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

} // namespace tandora
