#pragma once

#include <QImage>
#include <QRect>

namespace tandora {

// The Double Up question with its YES and NO buttons, and the banner shown while the player picks.
class DoubleUpPainter {
public:
    // The click areas of the question picture, bounds included.
    static constexpr QRect YesArea{71, 87, 65, 40};
    static constexpr QRect NoArea{174, 87, 47, 40};

    static QImage question();
    static QImage pickBanner();
};

} // namespace tandora
