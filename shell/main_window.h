#pragma once

#include "gamefiles/game_files.h"
#include "shell/settings_registry.h"
#include "shell/shell_hooks.h"
#include "shell/table_sizing.h"
#include "shell/uninstall_log.h"
#include "table/game_selection.h"
#include "table/sound_effects.h"

namespace tandora {

// The game table's set-up and shutdown.
class MainWindow {
public:
    MainWindow(TableContext context, GameSelection& games, SoundEffects& sound, SettingsRegistry& settings,
               GameFiles& files, UninstallLog& uninstallLog, ShellHooks& hooks);

    // Runs at first start (Restarting false) and again for every new game.
    void Form_Load();
    // Asked before the window closes for any reason; false keeps it open.
    bool Form_QueryUnload();
    void Form_LostFocus() { sound_.StopSound(); }
    void GameMenu_Exit_Click();

    // False once set-up failed fatally or the window has closed.
    bool isLoaded() const { return loaded_; }
    void unload();
    TableSizing& sizing() { return sizing_; }

private:
    void firstRun();
    void placeWindow();
    void applyOptions();
    bool selectGame();
    void resetGame();

    TableContext ctx_;
    GameSelection& games_;
    SoundEffects& sound_;
    SettingsRegistry& settings_;
    GameFiles& files_;
    UninstallLog& uninstallLog_;
    ShellHooks& hooks_;
    TableSizing sizing_;
    bool loaded_ = false;
};

} // namespace tandora
