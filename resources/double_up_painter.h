#pragma once

#include <QImage>
#include <QRect>

#include "platform/table_layout.h"

namespace tandora {

// The Double Up question with its YES and NO buttons, and the banner shown while the player picks.
class DoubleUpPainter {
public:
    // The click areas of the question picture, bounds included.
    static constexpr QRect YesArea{Layout::DoubleUpYesArea.left, Layout::DoubleUpYesArea.top,
                                   Layout::DoubleUpYesArea.width, Layout::DoubleUpYesArea.height};
    static constexpr QRect NoArea{Layout::DoubleUpNoArea.left, Layout::DoubleUpNoArea.top,
                                  Layout::DoubleUpNoArea.width, Layout::DoubleUpNoArea.height};

    static QImage question();
    static QImage pickBanner();
};

} // namespace tandora
