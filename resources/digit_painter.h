#pragma once

#include <QImage>

namespace tandora {

// Counter digits 14 x 15: red seven-segment LEDs on black, unlit segments faintly visible.
class DigitPainter {
public:
    static constexpr int Width = 14;
    static constexpr int Height = 15;

    static QImage digit(int value);
};

} // namespace tandora
