#include "shell/main_window.h"

#include <cmath>

#include "shell/settings_keys.h"
#include "table/show_error.h"
#include "table/value_text.h"

namespace tandora {

namespace {

constexpr const char* LoadingHeading = "Loading Main Window";

} // namespace

MainWindow::MainWindow(TableContext context, GameSelection& games, SoundEffects& sound,
                       SettingsRegistry& settings, GameFiles& files, UninstallLog& uninstallLog,
                       ShellHooks& hooks)
    : ctx_(context), games_(games), sound_(sound), settings_(settings), files_(files),
      uninstallLog_(uninstallLog), hooks_(hooks), sizing_(context, settings) {
    ctx_.state.TwipsPerPixelX = ctx_.platform.system.twipsPerPixelX();
    ctx_.state.TwipsPerPixelY = ctx_.platform.system.twipsPerPixelY();
}

void MainWindow::Form_Load() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    loaded_ = true;
    firstRun();
    view.setBusyPointer(true);
    // A new game has no file yet.
    s.GameFile.clear();
    s.GameTitle = "[untitled]";
    if (!s.Restarting)
        placeWindow();
    if (!s.Restarting)
        settings_.SaveGetRegEntries(SettingsMode::Load);
    applyOptions();
    if (!selectGame()) {
        view.setBusyPointer(false);
        return;
    }
    resetGame();
    ctx_.showAndRepaint();
    if (s.SoundOn)
        sound_.PlayResSound(Waves::StartUp, true);
    if (!s.Restarting)
        files_.openStartupFile();
    view.setBusyPointer(false);
}

void MainWindow::firstRun() {
    const auto first = parseBoolean(settings_.get(Settings::MainWindow, Settings::FirstTime, "True"));
    if (!first) {
        ShowError(ctx_.platform.messages, ErrorNumbers::TypeMismatch, "Type mismatch", LoadingHeading);
        return;
    }
    if (*first) {
        uninstallLog_.AppendUninstallLog();
        settings_.save(Settings::MainWindow, Settings::FirstTime, "False");
    }
}

void MainWindow::placeWindow() {
    const SystemInfo& system = ctx_.platform.system;
    TableView& view = ctx_.view();
    sizing_.applyStoredScale();
    double defaultTop = -50;
    double defaultLeft = -50;
    if (system.screenWidth() != 640) {
        const double screenHeight = static_cast<double>(system.screenHeight()) * ctx_.state.TwipsPerPixelY;
        const double screenWidth = static_cast<double>(system.screenWidth()) * ctx_.state.TwipsPerPixelX;
        defaultTop = std::nearbyint((screenHeight - view.windowHeightTwips()) / 2);
        defaultLeft = std::nearbyint((screenWidth - view.windowWidthTwips()) / 2);
    }
    // Each value that does not convert is reported and the next one still applies.
    const auto state = parseInt16(settings_.get(Settings::MainWindow, Settings::WindowState, "0"));
    if (state)
        view.setWindowState(*state);
    else
        ShowError(ctx_.platform.messages, ErrorNumbers::TypeMismatch, "Type mismatch", LoadingHeading);
    const auto top = parseNumber(settings_.get(Settings::MainWindow, Settings::Top, numberText(defaultTop)));
    if (!top)
        ShowError(ctx_.platform.messages, ErrorNumbers::TypeMismatch, "Type mismatch", LoadingHeading);
    const auto left =
        parseNumber(settings_.get(Settings::MainWindow, Settings::Left, numberText(defaultLeft)));
    if (!left)
        ShowError(ctx_.platform.messages, ErrorNumbers::TypeMismatch, "Type mismatch", LoadingHeading);
    sizing_.placeAt(left.value_or(defaultLeft), top.value_or(defaultTop));
}

void MainWindow::applyOptions() {
    GameState& s = ctx_.state;
    s.SoundOn = ctx_.platform.sound.waveOutGetNumDevs() != 0 && s.options.SoundEffects;
}

bool MainWindow::selectGame() {
    GameState& s = ctx_.state;
    if (!s.Restarting && !settings_.loadChoseAGame()) {
        // A hand-edited store can leave every game unmarked; without a fallback the program could
        // never start again, because closing saves the same choice back.
        ctx_.messageBox("No game was chosen in the saved options. Jacks or Better 8/5 is selected.",
                        MsgStyle::Information, AppTitle);
        s.setGame(GameType::JacksOrBetter85);
    }
    if (!games_.SetGame(gameCode(s.game()))) {
        ctx_.messageBox("Fatal Error: Probably invalid Game Type", MsgStyle::Critical, AppTitle);
        unload();
        return false;
    }
    return true;
}

void MainWindow::resetGame() {
    GameState& s = ctx_.state;
    s.CreditsIn = 0;
    s.vPoints = 0;
    s.HandState = HandStates::BetweenHands;
    s.CoinsBet = 0;
    s.vAmtPlayed = 0;
    s.vHandsPlayed = 0;
    s.vHandsWon = 0;
    s.vAmtWon = 0;
    s.HandCounts = {};
    s.holdCosts = {};
    // A Double Up under way ends with the game it belonged to.
    s.DoubleUpOffered = false;
    s.DoubleUpPending = false;
    s.GameOverShown = false;
    s.bChange = false;
}

bool MainWindow::Form_QueryUnload() {
    bool close = true;
    if (!ctx_.state.AlreadyRunning) {
        ctx_.state.PendingAction = PendingActions::Exit;
        if (files_.CheckForChange())
            settings_.SaveGetRegEntries(SettingsMode::Save);
        else
            close = false;
    }
    sound_.StopSound();
    hooks_.unloadOtherWindows();
    if (close)
        loaded_ = false;
    return close;
}

void MainWindow::GameMenu_Exit_Click() {
    if (Form_QueryUnload())
        ctx_.view().closeWindow();
}

void MainWindow::unload() {
    if (!loaded_)
        return;
    if (Form_QueryUnload())
        ctx_.view().closeWindow();
}

} // namespace tandora
