#include "shell/main_window.h"

#include <cmath>

#include "resources/resource_numbers.h"
#include "shell/settings_keys.h"
#include "shell/value_text.h"
#include "table/show_error.h"

namespace tandora {

namespace {

constexpr const char* LoadingHeading = "Loading Main Window";
constexpr int WindowStateMinimised = 1;

struct ButtonPlace {
    Control control;
    Rect place;
    int picture;
};

} // namespace

MainWindow::MainWindow(TableContext context, Counters& counters, GameSelection& games, SoundEffects& sound,
                       SettingsRegistry& settings, ShellHooks& hooks)
    : ctx_(context), counters_(counters), games_(games), sound_(sound), settings_(settings), hooks_(hooks) {
    ctx_.state.TwipsPerPixelX = ctx_.platform.system.twipsPerPixelX();
    ctx_.state.TwipsPerPixelY = ctx_.platform.system.twipsPerPixelY();
}

void MainWindow::Form_Load() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    loaded_ = true;
    firstRun();
    view.setBusyPointer(true);
    view.setCaption(std::string(AppTitle) + " - [untitled]");
    layOutControls();
    if (!s.Restarting)
        placeWindow();
    if (!s.Restarting)
        settings_.SaveGetRegEntries(SettingsMode::Load);
    applyOptions();
    layOutCardsAndCounters();
    if (!selectGame()) {
        view.setBusyPointer(false);
        return;
    }
    resetGame();
    if (s.SoundOn)
        sound_.PlayResSound(Waves::StartUp, true);
    buildRecentFilesMenu();
    if (!s.Restarting)
        hooks_.openStartupFile();
    view.setBusyPointer(false);
}

void MainWindow::firstRun() {
    const auto first = parseBoolean(settings_.get(Settings::MainWindow, Settings::FirstTime, "True"));
    if (!first) {
        ShowError(ctx_.platform.messages, ErrorNumbers::TypeMismatch, "Type mismatch", LoadingHeading);
        return;
    }
    if (*first) {
        hooks_.AppendUninstallLog();
        settings_.save(Settings::MainWindow, Settings::FirstTime, "False");
    }
}

void MainWindow::layOutControls() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    view.setPicture({Control::pbMain}, TableBackgroundPicture);
    view.setGeometry({Control::pbMain}, {0, 0, TableWidth, TableHeight});
    view.setTableSize(TableWidth, TableHeight);

    const ButtonPlace buttons[] = {
        {Control::CashOut, {64, 387, 68, 30}, CashOutPictures.disabled},
        {Control::Bet1, {167, 387, 68, 30}, Bet1Pictures.disabled},
        {Control::MaxBet, {238, 387, 68, 30}, MaxBetPictures.disabled},
        {Control::Deal, {309, 387, 68, 30}, DealPictures.disabled},
    };
    for (const auto& b : buttons) {
        view.setGeometry({b.control}, b.place);
        view.setPicture({b.control}, b.picture);
        view.setEnabled({b.control}, false);
    }
    view.setGeometry({Control::CashIn}, {442, 384, 29, 33});
    view.setPicture({Control::CashIn}, CashInPicture);

    for (int i = 1; i <= HandSize; ++i) {
        view.setGeometry({Control::Hold, i}, {66 + 88 * (i - 1), 316, 55, 20});
        view.setPicture({Control::Hold, i}, HoldEmptyPicture);
        s.Held[static_cast<std::size_t>(i - 1)] = false;
        view.setEnabled({Control::Hold, i}, false);
    }
    view.setGeometry({Control::GameOver}, {185, 235, 161, 40});
    view.setPicture({Control::GameOver}, GameOverPicture);
    view.setVisible({Control::GameOver}, false);
}

void MainWindow::placeWindow() {
    const SystemInfo& system = ctx_.platform.system;
    TableView& view = ctx_.view();
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
    auto top = parseNumber(settings_.get(Settings::MainWindow, Settings::Top, numberText(defaultTop)));
    auto left = parseNumber(settings_.get(Settings::MainWindow, Settings::Left, numberText(defaultLeft)));
    if (!top || !left)
        ShowError(ctx_.platform.messages, ErrorNumbers::TypeMismatch, "Type mismatch", LoadingHeading);
    view.setWindowPosition(left.value_or(defaultLeft), top.value_or(defaultTop));
}

void MainWindow::applyOptions() {
    GameState& s = ctx_.state;
    const TableView& view = ctx_.view();
    s.SoundOn = ctx_.platform.sound.waveOutGetNumDevs() != 0 &&
                view.isMenuChecked({MenuItem::OptionsMenu_SoundEffects});
    s.DoubleUpOn = view.isMenuChecked({MenuItem::OptionsMenu_DoubleUp});
    if (const auto game = checkedGame(view))
        GameSelection::applyGameFlags(s, *game);
    s.DeckPictureBase = view.isMenuChecked({MenuItem::OptionsMenu_SelectDeck_RedDeck}) ? RedDeckPictureBase
                                                                                       : BlueDeckPictureBase;
}

void MainWindow::layOutCardsAndCounters() {
    GameState& s = ctx_.state;
    TableView& table = ctx_.view();
    for (int i = 1; i <= HandSize; ++i) {
        table.setGeometry({Control::HandPos, i}, {52 + 88 * (i - 1), 198, 83, 116});
        table.setPicture({Control::HandPos, i}, s.DeckPictureBase);
        table.setEnabled({Control::HandPos, i}, false);
        s.Hand[static_cast<std::size_t>(i - 1)] = 0;
    }
    for (int i = 1; i <= 4; ++i) {
        table.setGeometry({Control::Credits, i}, {136 + 14 * (i - 1), 344, 14, 15});
        table.setPicture({Control::Credits, i}, DigitPictureBase);
        table.setGeometry({Control::Paid, i}, {297 + 14 * (i - 1), 344, 14, 15});
        table.setPicture({Control::Paid, i}, DigitPictureBase);
    }
    table.setGeometry({Control::Coins}, {475, 344, 14, 15});
    table.setPicture({Control::Coins}, DigitPictureBase);
}

bool MainWindow::selectGame() {
    TableView& view = ctx_.view();
    auto game = checkedGame(view);
    if (!game) {
        // A hand-edited store can leave every game unchecked; without a fallback the program could
        // never start again, because closing saves the same choice back.
        ctx_.messageBox("No game was chosen in the saved options. Jacks or Better 8/5 is selected.",
                        MsgStyle::Information, AppTitle);
        game = GameType::JacksOrBetter85;
        view.setMenuChecked({menuItemFor(*game)}, true);
        GameSelection::applyGameFlags(ctx_.state, *game);
    }
    if (!games_.SetGame(gameCode(*game))) {
        ctx_.messageBox("Fatal Error: Probably invalid Game Type", MsgStyle::Critical, AppTitle);
        unload();
        return false;
    }
    return true;
}

void MainWindow::resetGame() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    s.CreditsIn = 0;
    s.vPoints = 0;
    s.HandState = HandStates::BetweenHands;
    s.CoinsBet = 0;
    s.vAmtPlayed = 0;
    s.vHandsPlayed = 0;
    s.vHandsWon = 0;
    s.vAmtWon = 0;
    view.setPicture({Control::CashOut}, CashOutPictures.disabled);
    view.setEnabled({Control::CashOut}, false);
    s.HandCounts = {};
    s.bChange = false;
    s.CardRank = CardRank();
    if (s.DeucesWildGame)
        s.CardRank.setEntryZero(2);
    else if (s.JokerPokerGame)
        s.CardRank.setEntryZero(0);
}

void MainWindow::buildRecentFilesMenu() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    for (int i = 1; i <= RecentFileEntries; ++i) {
        const std::string& path = s.RecentPaths[static_cast<std::size_t>(i - 1)];
        const std::string& title = s.RecentTitles[static_cast<std::size_t>(i - 1)];
        std::string caption = path;
        if (path.size() >= 4) {
            caption = '&';
            caption += std::to_string(i);
            caption += ' ';
            caption += path;
            if (caption.size() > 40) {
                const std::string name = title.size() <= 40 ? title : title.substr(0, 40) + "...";
                caption = caption.substr(0, 6) + "...\\" + name;
            }
        }
        view.setMenuCaption({MenuItem::mnuFileList, i}, caption);
    }
    s.RecentCount = 0;
    for (int i = 1; i <= RecentFileEntries; ++i) {
        const bool shown = view.menuCaption({MenuItem::mnuFileList, i}).size() >= 7;
        view.setMenuVisible({MenuItem::mnuFileList, i}, shown);
        if (shown)
            ++s.RecentCount;
    }
    view.setMenuVisible({MenuItem::mnuFileList, 0}, s.RecentCount > 0);
}

bool MainWindow::Form_QueryUnload() {
    bool close = true;
    if (!ctx_.state.AlreadyRunning) {
        ctx_.state.PendingAction = PendingActions::Exit;
        if (hooks_.CheckForChange())
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
