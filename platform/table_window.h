#pragma once

namespace tandora {

// The main window itself, whatever it shows: the busy pointer, its place on the screen, and letting it
// paint. The player moves the window, so its place is read back to be remembered.
class TableWindow {
public:
    virtual ~TableWindow() = default;

    virtual void setBusyPointer(bool busy) = 0;
    // Placement in twips; state 0 normal, 1 minimised, 2 maximised.
    virtual void setWindowState(int state) = 0;
    virtual int windowState() const = 0;
    virtual void setWindowPosition(double leftTwips, double topTwips) = 0;
    virtual double windowLeft() const = 0;
    virtual double windowTop() const = 0;
    // The table's size as a whole percentage of its designed size; the window takes the table's new size.
    virtual void setTableScale(int percent) = 0;
    // The size the table is drawn at now, also after the player dragged the window's edge.
    virtual int tableScale() const = 0;
    // The window's outer size in twips, for centring it.
    virtual int windowWidthTwips() const = 0;
    virtual int windowHeightTwips() const = 0;

    // Lets pending paint and input events run; input that reaches the logic meanwhile is ignored there.
    virtual void repaint() = 0;
    virtual void showWindow() = 0;
    virtual void closeWindow() = 0;
};

} // namespace tandora
