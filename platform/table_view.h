#pragma once

#include "platform/table_scene.h"
#include "platform/table_window.h"

namespace tandora {

// The main window as the game's logic sees it: it shows a whole scene of the table and a button held
// down. It decides nothing and is never asked what it shows.
class TableView : public TableWindow {
public:
    // Shows the scene; the view draws only what changed since the last one.
    virtual void show(const TableScene& scene) = 0;
    // A picture button held down under the mouse, or let up again.
    virtual void showPressed(Button button, bool pressed) = 0;
};

} // namespace tandora
