#pragma once

#include "platform/platform.h"
#include "table/derived_table.h"
#include "table/game_state.h"

namespace tandora {

// What every procedure of the game table works on: the platform and the game's state.
struct TableContext {
    Platform& platform;
    GameState& state;

    TableView& view() const { return platform.view; }
    int messageBox(const std::string& text, int style, const std::string& title) const {
        return platform.messages.messageBox(text, style, title);
    }
    // Shows the table as the state now is; the only way the logic changes what the table shows.
    void show() const { platform.view.show(deriveTable(state)); }
    // A picture button's pressed or released look, for the left button without Shift, Ctrl or Alt only.
    void press(Button which, int mouseButton, int shift, bool down) const {
        if (mouseButton == 1 && shift == 0)
            platform.view.showPressed(which, down);
        platform.view.repaint();
    }
    // Shows the table and lets the window paint it before the next step.
    void showAndRepaint() const {
        show();
        platform.view.repaint();
    }
};

} // namespace tandora
