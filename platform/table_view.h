#pragma once

#include "platform/table_scene.h"

namespace tandora {

// The main window as the game's logic sees it: it shows a whole scene of the table, a button held down,
// the busy pointer and the window's place. It decides nothing and is never asked what it shows.
class TableView {
public:
    virtual ~TableView() = default;

    // Shows the scene; the view draws only what changed since the last one.
    virtual void show(const TableScene& scene) = 0;
    // A picture button held down under the mouse, or let up again.
    virtual void showPressed(Button button, bool pressed) = 0;
    virtual void setBusyPointer(bool busy) = 0;

    // Placement in twips; state 0 normal, 1 minimised, 2 maximised. The player moves the window, so its
    // place is read back to be remembered.
    virtual void setWindowState(int state) = 0;
    virtual int windowState() const = 0;
    virtual void setWindowPosition(double leftTwips, double topTwips) = 0;
    virtual double windowLeft() const = 0;
    virtual double windowTop() const = 0;
    // The window's outer size in twips, for centring it.
    virtual int windowWidthTwips() const = 0;
    virtual int windowHeightTwips() const = 0;

    // Lets pending paint and input events run; input that reaches the logic meanwhile is ignored there.
    virtual void repaint() = 0;
    virtual void showWindow() = 0;
    virtual void closeWindow() = 0;
};

} // namespace tandora
