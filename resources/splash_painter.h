#pragma once

#include <QImage>

namespace tandora {

// The title art of the splash window and the window icon.
class SplashPainter {
public:
    static QImage splash();
    static QImage windowIcon();
};

} // namespace tandora
