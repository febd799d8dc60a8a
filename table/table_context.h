#pragma once

#include "platform/platform.h"
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
    // Flips an option's check mark and returns the new state; the game counts as changed.
    bool toggleOption(MenuItem item) const {
        const bool on = !platform.view.isMenuChecked({item});
        platform.view.setMenuChecked({item}, on);
        state.bChange = true;
        return on;
    }
};

} // namespace tandora
