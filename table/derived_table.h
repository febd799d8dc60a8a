#pragma once

#include "platform/table_scene.h"
#include "table/game_state.h"

namespace tandora {

// What the table shows and which controls take input, from the game's state alone. Every action ends by
// showing it, and the keyboard, the game file and the mouse ask it, so no path can leave a control in a
// state the game is not in.
TableScene deriveTable(const GameState& state);

} // namespace tandora
