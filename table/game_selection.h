#pragma once

#include <functional>
#include <string_view>

#include "engine/game_type.h"
#include "table/table_context.h"

namespace tandora {

// Choosing one of the four games and laying its pay table on the table.
class GameSelection {
public:
    explicit GameSelection(TableContext context) : ctx_(context) {}

    // TheGame is "jb85", "jb96", "dw" or "jp" in any case. Makes it the game in play and lays out its
    // table; false when it cannot be set up.
    bool SetGame(std::string_view TheGame);
    // The game's table without showing it: for callers that change more before the player sees it.
    void layTable(GameType game);

    void OptionsMenu_JacksOrBetter_Click() { chooseGame(GameType::JacksOrBetter85); }
    void OptionsMenu_JacksOrBetter96_Click() { chooseGame(GameType::JacksOrBetter96); }
    void OptionsMenu_DeucesWild_Click() { chooseGame(GameType::DeucesWild); }
    void OptionsMenu_JokerPoker_Click() { chooseGame(GameType::JokerPoker); }

    // Called when SetGame fails from a menu command: the window must close.
    void setFatalHandler(std::function<void()> handler) { onFatal_ = std::move(handler); }

private:
    void chooseGame(GameType game);

    TableContext ctx_;
    std::function<void()> onFatal_;
};

} // namespace tandora
