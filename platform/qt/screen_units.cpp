#include "screen_units.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace tandora {

namespace {

int twipsPerPixel(double dotsPerInch) {
    if (dotsPerInch <= 0.0) {
        return 15;
    }
    return std::max(1, static_cast<int>(std::lround(1440.0 / dotsPerInch)));
}

} // namespace

int twipsPerPixelX() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 0.0);
}

int twipsPerPixelY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 0.0);
}

} // namespace tandora
