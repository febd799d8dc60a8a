#pragma once

#include "platform/pictures.h"
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
    // A picture button's look and state change together, so the two never disagree.
    void setButton(Control button, const ButtonPictures& pictures, bool enabled) const {
        platform.view.setPicture({button}, enabled ? pictures.enabled : pictures.disabled);
        platform.view.setEnabled({button}, enabled);
    }
};

} // namespace tandora
