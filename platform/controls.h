#pragma once

#include <string_view>

#include "engine/game_type.h"

namespace tandora {

// The game table's controls. Arrays are indexed 1..5 (HandPos, Hold) or 1..4 (Credits, Paid).
enum class Control {
    pbMain,
    CashOut,
    Bet1,
    MaxBet,
    Deal,
    CashIn,
    Hold,
    GameOver,
    HandPos,
    Credits,
    Paid,
    Coins,
    GridLabel,
    LabelLeft,
    LabelRight,
    CoinHighlight,
    WinHighlight,
    imgDoubleUp,
    CreditsHint,
};

struct ControlRef {
    Control control;
    int index = 0;
    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

// A rectangle on the 541 x 421 table, in pixels.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Every item of the menu bar; mnuFileList carries its index 0..4 beside it.
enum class MenuItem {
    GameMenu,
    GameMenu_NewGame,
    GameMenu_OpenGame,
    GameMenu_SaveGame,
    GameMenu_SaveGameAs,
    GameMenu_LoadLastFile,
    GameMenu_Stats,
    mnuFileList,
    GameMenu_Exit,
    OptionsMenu,
    OptionsMenu_DeucesWild,
    OptionsMenu_JacksOrBetter,
    OptionsMenu_JacksOrBetter96,
    OptionsMenu_JokerPoker,
    OptionsMenu_PayTable,
    OptionsMenu_DoubleUp,
    OptionsMenu_SelectDeck,
    OptionsMenu_SelectDeck_BlueDeck,
    OptionsMenu_SelectDeck_RedDeck,
    OptionsMenu_SoundEffects,
    AddCreditsMenu,
    mnuAddCredits_AddDefault,
    mnuAddCredits_AddFromBank,
    mnuAddCredits_ChangeDefault,
    StrategyMenu,
    StrategyMenu_ShowBestHold,
    StrategyMenu_Trainer,
    StrategyMenu_HoldAnalysis,
    StrategyMenu_StrategyChart,
    // Our own View menu: the table's size. ViewMenu_Size's index is the percentage.
    ViewMenu,
    ViewMenu_Larger,
    ViewMenu_Smaller,
    ViewMenu_Size,
    ViewMenu_FitToScreen,
    HelpMenu,
    HelpMenu_Contents,
    HelpMenu_KeyShortcuts,
    HelpMenu_Readme,
    HelpMenu_GettingStarted,
    HelpMenu_Hands,
    HelpMenu_Support,
    HelpMenu_OrrinSoft,
    HelpMenu_AboutTND,
};

struct MenuRef {
    MenuItem item;
    int index = 0;
    friend bool operator==(const MenuRef&, const MenuRef&) = default;
};

std::string_view controlName(Control control);
// The Options menu's item of a game.
MenuItem gameMenuItem(GameType game);
std::string_view menuItemName(MenuItem item);

} // namespace tandora
