#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace tandora {

// Fonts, colours and small drawing helpers every painter shares, so the pictures match each other.
class PaintKit {
public:
    enum class Face { Sans, SansBold, Condensed, CondensedBold, Mono, SerifBold };

    // Explicit family and pixel size, so the art does not depend on the desktop's settings.
    static QFont font(Face face, int pixelSize);
    // The largest size up to maxPixelSize at which text fits into width.
    static QFont fittedFont(Face face, int maxPixelSize, const QString& text, qreal width);

    // While a Scale lives (on this thread), pictures are painted at sx x sy device pixels per design
    // pixel: blankImage makes the finer image and begin() draws the design's coordinates onto it, so text
    // stays text and curves stay curves at every size.
    class Scale {
    public:
        Scale(qreal sx, qreal sy);
        ~Scale();
        Scale(const Scale&) = delete;
        Scale& operator=(const Scale&) = delete;

    private:
        QSizeF previous_;
    };
    static QSizeF scale();
    // The picture's rectangle in design pixels.
    static QRectF area(const QImage& image);

    // A transparent picture of width x height design pixels, with antialiasing switched on by begin().
    static QImage blankImage(int width, int height);
    // A transparent picture of the size the game gives that picture number.
    static QImage blankPicture(int number);
    static void begin(QPainter& p, QImage& image);

    // Letters one under the other, centred in rect, as on a machine's side panel.
    static void drawStackedText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font,
                                const QColor& color, const QColor& shadow = QColor(0, 0, 0, 170));
    // Text with a one-pixel dark shadow below right, readable on any background.
    static void drawShadowText(QPainter& p, const QRectF& rect, int flags, const QString& text,
                               const QColor& color, const QColor& shadow = QColor(0, 0, 0, 170));
    // A raised (or sunken) frame with light and dark edges, width pixels wide.
    static void drawBevel(QPainter& p, const QRectF& rect, qreal radius, bool sunken, qreal width = 1.0);

    static const QColor ScreenBlue;
    static const QColor ScreenBlueDark;
    static const QColor TableYellow;
    static const QColor LitRed;
    static const QColor Gold;
    static const QColor CardRed;
    static const QColor CardBlack;
};

} // namespace tandora
