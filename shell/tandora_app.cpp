#include "shell/tandora_app.h"

namespace tandora {

class TandoraApp::BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

TandoraApp::TandoraApp(Platform& platform, SplashView& splash, ShellHooks& hooks)
    : platform_(platform), ctx_{platform, state_}, counters_(ctx_), sound_(platform.sound, platform.view),
      games_(ctx_, counters_), doubleUp_(ctx_), settings_(ctx_),
      mainWindow_(ctx_, counters_, games_, sound_, settings_, hooks), options_(ctx_),
      splash_(ctx_, splash, mainWindow_) {
    games_.setFatalHandler([this] { mainWindow_.unload(); });
}

bool TandoraApp::start() {
    BusyScope scope(busy_);
    disableCommandsNotYetBuilt();
    return splash_.Form_Load();
}

void TandoraApp::disableCommandsNotYetBuilt() {
    // Commands whose subsystems are not part of the program yet stay greyed out rather than pretend.
    TableView& view = platform_.view;
    for (MenuItem item :
         {MenuItem::GameMenu_NewGame, MenuItem::GameMenu_OpenGame, MenuItem::GameMenu_SaveGame,
          MenuItem::GameMenu_SaveGameAs, MenuItem::GameMenu_LoadLastFile, MenuItem::GameMenu_Stats,
          MenuItem::OptionsMenu_SelectDeck, MenuItem::mnuAddCredits_AddDefault,
          MenuItem::mnuAddCredits_AddFromBank, MenuItem::mnuAddCredits_ChangeDefault,
          MenuItem::HelpMenu_Contents, MenuItem::HelpMenu_KeyShortcuts, MenuItem::HelpMenu_Readme,
          MenuItem::HelpMenu_GettingStarted, MenuItem::HelpMenu_Hands, MenuItem::HelpMenu_Support,
          MenuItem::HelpMenu_OrrinSoft, MenuItem::HelpMenu_AboutTND})
        view.setMenuEnabled({item}, false);
    view.setEnabled({Control::CashIn}, false);
}

void TandoraApp::click(ControlRef) {}

void TandoraApp::mouseDown(ControlRef, int, int, int, int) {}

void TandoraApp::mouseUp(ControlRef, int, int, int, int) {}

void TandoraApp::keyPress(int) {}

void TandoraApp::menuClick(MenuRef item) {
    if (busy_)
        return;
    BusyScope scope(busy_);
    switch (item.item) {
    case MenuItem::OptionsMenu_JacksOrBetter: games_.OptionsMenu_JacksOrBetter_Click(); break;
    case MenuItem::OptionsMenu_JacksOrBetter96: games_.OptionsMenu_JacksOrBetter96_Click(); break;
    case MenuItem::OptionsMenu_DeucesWild: games_.OptionsMenu_DeucesWild_Click(); break;
    case MenuItem::OptionsMenu_JokerPoker: games_.OptionsMenu_JokerPoker_Click(); break;
    case MenuItem::OptionsMenu_DoubleUp: doubleUp_.OptionsMenu_DoubleUp_Click(); break;
    case MenuItem::OptionsMenu_SoundEffects: options_.OptionsMenu_SoundEffects_Click(); break;
    case MenuItem::GameMenu_Exit: mainWindow_.GameMenu_Exit_Click(); break;
    default: break;
    }
}

bool TandoraApp::queryUnload() {
    if (busy_)
        return false;
    BusyScope scope(busy_);
    return mainWindow_.Form_QueryUnload();
}

void TandoraApp::lostFocus() {
    mainWindow_.Form_LostFocus();
}

} // namespace tandora
