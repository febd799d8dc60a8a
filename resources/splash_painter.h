#pragma once

#include <QImage>

namespace tandora {

// The title art of the splash window and the window icon.
class SplashPainter {
public:
    static QImage splash();
    static QImage windowIcon();
    // The window icon drawn afresh at size x size pixels, for the desktop's icon theme.
    static QImage windowIcon(int size);
};

} // namespace tandora
