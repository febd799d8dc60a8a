#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/table_window.h"

namespace tandora {

// The classic table's picture controls, menus and window: what the presenter draws a scene on. Only the
// presentation layer uses it; the game's logic speaks to TableView.
class ControlSurface : public TableWindow {
public:
    virtual void setPicture(ControlRef control, int picture) = 0;
    virtual void setGeometry(ControlRef control, Rect pixels) = 0;
    virtual void setVisible(ControlRef control, bool visible) = 0;
    virtual void setEnabled(ControlRef control, bool enabled) = 0;
    virtual void setToolTip(ControlRef control, const std::string& text) = 0;

    virtual void setMenuChecked(MenuRef item, bool checked) = 0;
    virtual void setMenuEnabled(MenuRef item, bool enabled) = 0;
    virtual void setMenuVisible(MenuRef item, bool visible) = 0;
    virtual void setMenuCaption(MenuRef item, const std::string& caption) = 0;

    virtual void setCaption(const std::string& caption) = 0;
    // Sizes the table surface; the window's outer size follows from it.
    virtual void setTableSize(int width, int height) = 0;
};

} // namespace tandora
