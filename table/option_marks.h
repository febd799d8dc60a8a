#pragma once

#include "platform/table_view.h"
#include "table/game_state.h"

namespace tandora {

// The Options menu item of each game.
MenuItem menuItemFor(GameType game);

// Draws every option's check mark from the game's state; the marks are never read back.
void showOptionMarks(TableView& view, const GameState& state);

} // namespace tandora
