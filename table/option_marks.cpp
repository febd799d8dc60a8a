#include "table/option_marks.h"

namespace tandora {

MenuItem menuItemFor(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85: return MenuItem::OptionsMenu_JacksOrBetter;
    case GameType::JacksOrBetter96: return MenuItem::OptionsMenu_JacksOrBetter96;
    case GameType::DeucesWild: return MenuItem::OptionsMenu_DeucesWild;
    case GameType::JokerPoker: return MenuItem::OptionsMenu_JokerPoker;
    }
    return MenuItem::OptionsMenu_JacksOrBetter;
}

void showOptionMarks(TableView& view, const GameState& state) {
    for (const GameType game : AllGames)
        view.setMenuChecked({menuItemFor(game)}, game == state.game());
    const GameOptions& o = state.options;
    view.setMenuChecked({MenuItem::OptionsMenu_DoubleUp}, o.DoubleUpOn);
    view.setMenuChecked({MenuItem::OptionsMenu_SelectDeck_BlueDeck}, o.deck == Deck::Blue);
    view.setMenuChecked({MenuItem::OptionsMenu_SelectDeck_RedDeck}, o.deck == Deck::Red);
    view.setMenuChecked({MenuItem::OptionsMenu_SoundEffects}, o.SoundEffects);
    view.setMenuChecked({MenuItem::GameMenu_LoadLastFile}, o.LoadLastGame);
    view.setMenuChecked({MenuItem::StrategyMenu_ShowBestHold}, o.ShowBestHold);
    view.setMenuChecked({MenuItem::StrategyMenu_Trainer}, o.Trainer);
}

} // namespace tandora
