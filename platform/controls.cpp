#include "controls.h"

namespace tandora {

std::string_view controlName(Control control) {
    switch (control) {
    case Control::pbMain: return "pbMain";
    case Control::CashOut: return "CashOut";
    case Control::Bet1: return "Bet1";
    case Control::MaxBet: return "MaxBet";
    case Control::Deal: return "Deal";
    case Control::CashIn: return "CashIn";
    case Control::Hold: return "Hold";
    case Control::GameOver: return "GameOver";
    case Control::HandPos: return "HandPos";
    case Control::Credits: return "Credits";
    case Control::Paid: return "Paid";
    case Control::Coins: return "Coins";
    case Control::GridLabel: return "GridLabel";
    case Control::LabelLeft: return "LabelLeft";
    case Control::LabelRight: return "LabelRight";
    case Control::CoinHighlight: return "CoinHighlight";
    case Control::WinHighlight: return "WinHighlight";
    case Control::imgDoubleUp: return "imgDoubleUp";
    case Control::CreditsHint: return "CreditsHint";
    }
    return "?";
}

std::string_view menuItemName(MenuItem item) {
    switch (item) {
    case MenuItem::GameMenu: return "GameMenu";
    case MenuItem::GameMenu_NewGame: return "GameMenu_NewGame";
    case MenuItem::GameMenu_OpenGame: return "GameMenu_OpenGame";
    case MenuItem::GameMenu_SaveGame: return "GameMenu_SaveGame";
    case MenuItem::GameMenu_SaveGameAs: return "GameMenu_SaveGameAs";
    case MenuItem::GameMenu_LoadLastFile: return "GameMenu_LoadLastFile";
    case MenuItem::GameMenu_Stats: return "GameMenu_Stats";
    case MenuItem::mnuFileList: return "mnuFileList";
    case MenuItem::GameMenu_Exit: return "GameMenu_Exit";
    case MenuItem::OptionsMenu: return "OptionsMenu";
    case MenuItem::OptionsMenu_DeucesWild: return "OptionsMenu_DeucesWild";
    case MenuItem::OptionsMenu_JacksOrBetter: return "OptionsMenu_JacksOrBetter";
    case MenuItem::OptionsMenu_JacksOrBetter96: return "OptionsMenu_JacksOrBetter96";
    case MenuItem::OptionsMenu_JokerPoker: return "OptionsMenu_JokerPoker";
    case MenuItem::OptionsMenu_PayTable: return "OptionsMenu_PayTable";
    case MenuItem::OptionsMenu_DoubleUp: return "OptionsMenu_DoubleUp";
    case MenuItem::OptionsMenu_SelectDeck: return "OptionsMenu_SelectDeck";
    case MenuItem::OptionsMenu_SelectDeck_BlueDeck: return "OptionsMenu_SelectDeck_BlueDeck";
    case MenuItem::OptionsMenu_SelectDeck_RedDeck: return "OptionsMenu_SelectDeck_RedDeck";
    case MenuItem::OptionsMenu_SoundEffects: return "OptionsMenu_SoundEffects";
    case MenuItem::AddCreditsMenu: return "AddCreditsMenu";
    case MenuItem::mnuAddCredits_AddDefault: return "mnuAddCredits_AddDefault";
    case MenuItem::mnuAddCredits_AddFromBank: return "mnuAddCredits_AddFromBank";
    case MenuItem::mnuAddCredits_ChangeDefault: return "mnuAddCredits_ChangeDefault";
    case MenuItem::StrategyMenu: return "StrategyMenu";
    case MenuItem::StrategyMenu_ShowBestHold: return "StrategyMenu_ShowBestHold";
    case MenuItem::StrategyMenu_Trainer: return "StrategyMenu_Trainer";
    case MenuItem::StrategyMenu_HoldAnalysis: return "StrategyMenu_HoldAnalysis";
    case MenuItem::StrategyMenu_StrategyChart: return "StrategyMenu_StrategyChart";
    case MenuItem::ViewMenu: return "ViewMenu";
    case MenuItem::ViewMenu_Larger: return "ViewMenu_Larger";
    case MenuItem::ViewMenu_Smaller: return "ViewMenu_Smaller";
    case MenuItem::ViewMenu_Size: return "ViewMenu_Size";
    case MenuItem::ViewMenu_FitToScreen: return "ViewMenu_FitToScreen";
    case MenuItem::HelpMenu: return "HelpMenu";
    case MenuItem::HelpMenu_Contents: return "HelpMenu_Contents";
    case MenuItem::HelpMenu_KeyShortcuts: return "HelpMenu_KeyShortcuts";
    case MenuItem::HelpMenu_Readme: return "HelpMenu_Readme";
    case MenuItem::HelpMenu_GettingStarted: return "HelpMenu_GettingStarted";
    case MenuItem::HelpMenu_Hands: return "HelpMenu_Hands";
    case MenuItem::HelpMenu_Support: return "HelpMenu_Support";
    case MenuItem::HelpMenu_OrrinSoft: return "HelpMenu_OrrinSoft";
    case MenuItem::HelpMenu_AboutTND: return "HelpMenu_AboutTND";
    }
    return "?";
}

MenuItem gameMenuItem(GameType game) {
    switch (game) {
    case GameType::JacksOrBetter85: return MenuItem::OptionsMenu_JacksOrBetter;
    case GameType::JacksOrBetter96: return MenuItem::OptionsMenu_JacksOrBetter96;
    case GameType::DeucesWild: return MenuItem::OptionsMenu_DeucesWild;
    case GameType::JokerPoker: return MenuItem::OptionsMenu_JokerPoker;
    }
    return MenuItem::OptionsMenu_JacksOrBetter;
}

} // namespace tandora
