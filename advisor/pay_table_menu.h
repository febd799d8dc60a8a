#pragma once

#include "advisor/strategy_advisor.h"
#include "table/game_selection.h"
#include "table/table_context.h"

namespace tandora {

// Options, Pay Table: puts the table the player chose in play between hands.
class PayTableMenu {
public:
    PayTableMenu(TableContext context, GameSelection& games, StrategyAdvisor& advisor)
        : ctx_(context), games_(games), advisor_(advisor) {}

    void OptionsMenu_PayTable_Click();

private:
    TableContext ctx_;
    GameSelection& games_;
    StrategyAdvisor& advisor_;
};

} // namespace tandora
