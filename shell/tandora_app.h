#pragma once

#include <optional>
#include <string>

#include "advisor/pay_table_menu.h"
#include "advisor/strategy_advisor.h"
#include "credits/add_credits.h"
#include "credits/cash_out.h"
#include "credits/credit_bank.h"
#include "gamefiles/game_files.h"
#include "help/help_menu.h"
#include "platform/splash_view.h"
#include "platform/table_events.h"
#include "shell/deck_sound_options.h"
#include "shell/main_window.h"
#include "shell/splash.h"
#include "shell/uninstall_log.h"
#include "stats/game_stats_dialog.h"
#include "table/betting.h"
#include "table/double_up.h"
#include "table/finish_up.h"
#include "table/hand_cycle.h"
#include "table/keyboard.h"

namespace tandora {

// The program's logic in one piece: owns the game's state and every procedure, and receives the main
// window's events. An event that arrives while another one is still being handled (the window lets
// events through while it repaints) is dropped; a dropped mouse release still lets its button up.
class TandoraApp : public TableEvents {
public:
    TandoraApp(Platform& platform, SplashView& splash, ShellHooks& hooks);

    // Shows the splash and sets the table up, opening the game file named on the command line;
    // false when the program must end at once.
    bool start(std::optional<std::string> startupFile = std::nullopt);

    GameState& state() { return state_; }

    void click(ControlRef control) override;
    void mouseDown(ControlRef control, int button, int shift, int x, int y) override;
    void mouseUp(ControlRef control, int button, int shift, int x, int y) override;
    void keyPress(int charCode) override;
    void menuClick(MenuRef item) override;
    bool queryUnload() override;
    void lostFocus() override;
    // A later copy of the program was started, with a game file or without: this table comes to the front
    // and opens the file.
    void handedOver(const std::string& path);

private:
    class BusyScope;
    void release(ControlRef control, int button, int shift);
    void releaseDropped();

    Platform& platform_;
    GameState state_;
    TableContext ctx_;
    SoundEffects sound_;
    GameSelection games_;
    FinishUp finishUp_;
    DoubleUp doubleUp_;
    HandCycle hands_;
    StrategyAdvisor advisor_;
    PayTableMenu payTables_;
    Betting betting_;
    CreditBank bank_;
    AddCredits addCredits_;
    CashOut cashOut_;
    Keyboard keyboard_;
    SettingsRegistry settings_;
    GameFiles files_;
    UninstallLog uninstallLog_;
    MainWindow mainWindow_;
    DeckAndSoundOptions options_;
    GameStatistics statistics_;
    HelpMenu help_;
    Splash splash_;
    bool busy_ = false;
    // A left-button release that arrived while an action ran; handled when the action ends.
    std::optional<ControlRef> droppedRelease_;
    // The button shown pressed by the last left press and not let up since.
    std::optional<Button> pressed_;
    // A hand-over that arrived while an action ran; handled when the action ends.
    std::optional<std::string> handOver_;
};

} // namespace tandora
