#pragma once

#include <QImage>
#include <QPainter>

#include "platform/table_layout.h"

namespace tandora {

// The table background (a blue screen in a grey cabinet) and the game-over sign.
class TablePainter {
public:
    static constexpr int Width = Layout::TableWidth;
    static constexpr int Height = Layout::TableHeight;

    static QImage background();
    // The cabinet's darkest grey, for the window's edge around a table that does not fill it.
    static QColor frameColour() { return {96, 100, 110}; }
    static QImage gameOver();
    static QImage addCreditsHint();

private:
    static void paintCabinet(QPainter& p);
    static void paintScreen(QPainter& p);
    static void paintCounters(QPainter& p);
    static void paintButtonWells(QPainter& p);
};

} // namespace tandora
