#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "platform/pictures.h"

namespace tandora {

// The picture buttons of the panel, the cash-in button and the hold labels under the cards.
class ButtonPainter {
public:
    enum class Look { Enabled, Pressed, Disabled };
    enum class Hold { Dealer, Empty, Held, Pick, Hint, DrawHint };

    static constexpr int Width = ButtonSize.width;
    static constexpr int Height = ButtonSize.height;

    static QImage button(const QString& label, const QColor& face, const QColor& text, Look look);
    static QImage cashIn(bool pressed);
    static QImage holdLabel(Hold kind);
};

} // namespace tandora
