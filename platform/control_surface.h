#pragma once

#include <string>

#include "controls.h"

namespace tandora {

// The classic table's picture controls, menus and window: what the presenter draws a scene on. Only the
// presentation layer uses it; the game's logic speaks to TableView.
class ControlSurface {
public:
    virtual ~ControlSurface() = default;

    virtual void setPicture(ControlRef control, int picture) = 0;
    virtual void setGeometry(ControlRef control, Rect pixels) = 0;
    virtual void setVisible(ControlRef control, bool visible) = 0;
    virtual void setEnabled(ControlRef control, bool enabled) = 0;

    virtual void setMenuChecked(MenuRef item, bool checked) = 0;
    virtual void setMenuEnabled(MenuRef item, bool enabled) = 0;
    virtual void setMenuVisible(MenuRef item, bool visible) = 0;
    virtual void setMenuCaption(MenuRef item, const std::string& caption) = 0;

    virtual void setCaption(const std::string& caption) = 0;
    virtual void setBusyPointer(bool busy) = 0;

    // Sizes the table surface; the window's outer size follows from it.
    virtual void setTableSize(int width, int height) = 0;
    // Placement in twips; state 0 normal, 1 minimised, 2 maximised.
    virtual void setWindowState(int state) = 0;
    virtual int windowState() const = 0;
    virtual void setWindowPosition(double leftTwips, double topTwips) = 0;
    virtual double windowLeft() const = 0;
    virtual double windowTop() const = 0;
    // The window's outer size in twips, for centring it.
    virtual int windowWidthTwips() const = 0;
    virtual int windowHeightTwips() const = 0;

    // Lets pending paint and input events run.
    virtual void repaint() = 0;
    virtual void showWindow() = 0;
    virtual void closeWindow() = 0;
};

} // namespace tandora
