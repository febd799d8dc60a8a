#pragma once

#include "controls.h"

namespace tandora {

// What the main window reports to the program's logic. Buttons: 1 left; shift: 0 none.
// x and y are pixels within the control.
class TableEvents {
public:
    virtual ~TableEvents() = default;
    virtual void click(ControlRef control) = 0;
    virtual void mouseDown(ControlRef control, int button, int shift, int x, int y) = 0;
    virtual void mouseUp(ControlRef control, int button, int shift, int x, int y) = 0;
    virtual void keyPress(int charCode) = 0;
    virtual void menuClick(MenuRef item) = 0;
    // Asked before the window closes for any reason; false keeps it open.
    virtual bool queryUnload() = 0;
    virtual void lostFocus() = 0;
};

} // namespace tandora
