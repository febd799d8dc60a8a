#include "shell/tandora_app.h"

namespace tandora {

class TandoraApp::BusyScope {
public:
    explicit BusyScope(TandoraApp& app) : app_(app) { app_.busy_ = true; }
    ~BusyScope() {
        app_.busy_ = false;
        app_.releaseDropped();
        if (app_.handOver_) {
            const std::string path = *app_.handOver_;
            app_.handOver_.reset();
            app_.handedOver(path);
        }
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    TandoraApp& app_;
};

TandoraApp::TandoraApp(Platform& platform, SplashView& splash, ShellHooks& hooks)
    : platform_(platform), ctx_{platform, state_}, sound_(platform.sound, platform.view), games_(ctx_),
      finishUp_(ctx_, sound_), doubleUp_(ctx_, finishUp_, sound_), hands_(ctx_, sound_, finishUp_, doubleUp_),
      advisor_(ctx_), payTables_(ctx_, games_, advisor_), betting_(ctx_, hands_), bank_(platform.settings),
      addCredits_(ctx_, sound_, bank_), cashOut_(ctx_, bank_),
      keyboard_(ctx_, hands_, betting_, doubleUp_,
                {[this] { cashOut_.CashOut_Click(); }, [this] { addCredits_.CashIn_Click(); }}),
      settings_(ctx_), files_(ctx_, games_), uninstallLog_(ctx_),
      mainWindow_(ctx_, games_, sound_, settings_, files_, uninstallLog_, hooks),
      options_(ctx_, [this] { files_.GameMenu_NewGame_Click(); }), statistics_(ctx_, advisor_), help_(ctx_),
      splash_(ctx_, splash, mainWindow_) {
    games_.setFatalHandler([this] { mainWindow_.unload(); });
    files_.setRestartHandler([this] { mainWindow_.Form_Load(); });
    hands_.setAdvisor(advisor_);
}

bool TandoraApp::start(std::optional<std::string> startupFile) {
    BusyScope scope(*this);
    files_.setStartupFile(startupFile);
    if (!splash_.Form_Load(startupFile))
        return false;
    // The options are loaded and a game file may have put a hand on the table.
    advisor_.tableReplaced();
    platform_.system.listenForOtherCopies([this](const std::string& path) { handedOver(path); });
    return true;
}

void TandoraApp::handedOver(const std::string& path) {
    if (busy_) {
        handOver_ = path;
        return;
    }
    BusyScope scope(*this);
    platform_.view.showWindow();
    if (path.empty())
        return;
    files_.openHandedFile(path);
    advisor_.tableReplaced();
}

void TandoraApp::click(ControlRef control) {
    if (busy_)
        return;
    BusyScope scope(*this);
    switch (control.control) {
    case Control::Deal: hands_.Deal_Click(); break;
    case Control::Bet1: betting_.Bet1_Click(); break;
    case Control::MaxBet: betting_.MaxBet_Click(); break;
    case Control::CashOut: cashOut_.CashOut_Click(); break;
    case Control::CashIn: addCredits_.CashIn_Click(); break;
    case Control::Hold: hands_.Hold_Click(control.index); break;
    case Control::HandPos: hands_.HandPos_Click(control.index); break;
    default: break;
    }
}

namespace {

std::optional<Button> buttonOf(Control control) {
    switch (control) {
    case Control::CashOut: return Button::CashOut;
    case Control::Bet1: return Button::Bet1;
    case Control::MaxBet: return Button::MaxBet;
    case Control::Deal: return Button::Deal;
    case Control::CashIn: return Button::CashIn;
    default: return std::nullopt;
    }
}

} // namespace

void TandoraApp::mouseDown(ControlRef control, int button, int shift, int, int) {
    if (busy_)
        return;
    BusyScope scope(*this);
    if (button == 1 && shift == 0)
        pressed_ = buttonOf(control.control);
    switch (control.control) {
    case Control::Deal: hands_.Deal_MouseDown(button, shift); break;
    case Control::Bet1: betting_.Bet1_MouseDown(button, shift); break;
    case Control::MaxBet: betting_.MaxBet_MouseDown(button, shift); break;
    case Control::CashOut: cashOut_.CashOut_MouseDown(button, shift); break;
    case Control::CashIn: addCredits_.CashIn_MouseDown(button, shift); break;
    default: break;
    }
}

void TandoraApp::release(ControlRef control, int button, int shift) {
    if (button == 1 && shift == 0)
        pressed_.reset();
    switch (control.control) {
    case Control::Deal: hands_.Deal_MouseUp(button, shift); break;
    case Control::Bet1: betting_.Bet1_MouseUp(button, shift); break;
    case Control::MaxBet: betting_.MaxBet_MouseUp(button, shift); break;
    case Control::CashOut: cashOut_.CashOut_MouseUp(button, shift); break;
    case Control::CashIn: addCredits_.CashIn_MouseUp(button, shift); break;
    default: break;
    }
}

void TandoraApp::mouseUp(ControlRef control, int button, int shift, int x, int y) {
    if (busy_) {
        if (button == 1 && shift == 0 && control.control != Control::imgDoubleUp)
            droppedRelease_ = control;
        return;
    }
    BusyScope scope(*this);
    if (control.control == Control::imgDoubleUp)
        doubleUp_.imgDoubleUp_MouseUp(button, shift, x, y);
    else
        release(control, button, shift);
}

// A press shown while an action started elsewhere must not stay down: once the action is over, the
// button still shown pressed is let up, by its own release handler while it still takes input.
void TandoraApp::releaseDropped() {
    if (!droppedRelease_)
        return;
    const ControlRef control = *droppedRelease_;
    droppedRelease_.reset();
    const std::optional<Button> button = buttonOf(control.control);
    if (!button || pressed_ != button)
        return;
    if (!deriveTable(state_).enabled(*button)) {
        pressed_.reset();
        platform_.view.showPressed(*button, false);
        return;
    }
    BusyScope scope(*this);
    release(control, 1, 0);
}

void TandoraApp::keyPress(int charCode) {
    if (busy_)
        return;
    BusyScope scope(*this);
    keyboard_.Form_KeyPress(charCode);
}

void TandoraApp::menuClick(MenuRef item) {
    if (busy_)
        return;
    BusyScope scope(*this);
    switch (item.item) {
    case MenuItem::OptionsMenu_JacksOrBetter: games_.OptionsMenu_JacksOrBetter_Click(); break;
    case MenuItem::OptionsMenu_JacksOrBetter96: games_.OptionsMenu_JacksOrBetter96_Click(); break;
    case MenuItem::OptionsMenu_DeucesWild: games_.OptionsMenu_DeucesWild_Click(); break;
    case MenuItem::OptionsMenu_JokerPoker: games_.OptionsMenu_JokerPoker_Click(); break;
    case MenuItem::OptionsMenu_PayTable: payTables_.OptionsMenu_PayTable_Click(); break;
    case MenuItem::OptionsMenu_DoubleUp: doubleUp_.OptionsMenu_DoubleUp_Click(); break;
    case MenuItem::OptionsMenu_SelectDeck_BlueDeck: options_.OptionsMenu_SelectDeck_BlueDeck_Click(); break;
    case MenuItem::OptionsMenu_SelectDeck_RedDeck: options_.OptionsMenu_SelectDeck_RedDeck_Click(); break;
    case MenuItem::OptionsMenu_SoundEffects: options_.OptionsMenu_SoundEffects_Click(); break;
    case MenuItem::GameMenu_Stats: statistics_.GameMenu_Stats_Click(); break;
    case MenuItem::HelpMenu_Contents: help_.HelpMenu_Contents_Click(); break;
    case MenuItem::HelpMenu_KeyShortcuts: help_.HelpMenu_KeyShortcuts_Click(); break;
    case MenuItem::HelpMenu_Readme: help_.HelpMenu_Readme_Click(); break;
    case MenuItem::HelpMenu_GettingStarted: help_.HelpMenu_GettingStarted_Click(); break;
    case MenuItem::HelpMenu_Hands: help_.HelpMenu_Hands_Click(); break;
    case MenuItem::HelpMenu_Support: help_.HelpMenu_Support_Click(); break;
    case MenuItem::HelpMenu_OrrinSoft: help_.HelpMenu_OrrinSoft_Click(); break;
    case MenuItem::HelpMenu_AboutTND: help_.HelpMenu_AboutTND_Click(); break;
    case MenuItem::mnuAddCredits_AddDefault: addCredits_.mnuAddCredits_AddDefault_Click(); break;
    case MenuItem::mnuAddCredits_AddFromBank: addCredits_.mnuAddCredits_AddFromBank_Click(); break;
    case MenuItem::mnuAddCredits_ChangeDefault: addCredits_.mnuAddCredits_ChangeDefault_Click(); break;
    case MenuItem::GameMenu_NewGame: files_.GameMenu_NewGame_Click(); break;
    case MenuItem::GameMenu_OpenGame: files_.GameMenu_OpenGame_Click(); break;
    case MenuItem::GameMenu_SaveGame: files_.GameMenu_SaveGame_Click(); break;
    case MenuItem::GameMenu_SaveGameAs: files_.GameMenu_SaveGameAs_Click(); break;
    case MenuItem::GameMenu_LoadLastFile: files_.GameMenu_LoadLastFile_Click(); break;
    case MenuItem::mnuFileList: files_.mnuFileList_Click(item.index); break;
    case MenuItem::GameMenu_Exit: mainWindow_.GameMenu_Exit_Click(); break;
    case MenuItem::StrategyMenu_ShowBestHold: advisor_.StrategyMenu_ShowBestHold_Click(); break;
    case MenuItem::StrategyMenu_Trainer: advisor_.StrategyMenu_Trainer_Click(); break;
    case MenuItem::StrategyMenu_HoldAnalysis: advisor_.StrategyMenu_HoldAnalysis_Click(); break;
    case MenuItem::StrategyMenu_StrategyChart: advisor_.StrategyMenu_StrategyChart_Click(); break;
    case MenuItem::ViewMenu_Larger:
    case MenuItem::ViewMenu_Smaller:
    case MenuItem::ViewMenu_Size:
    case MenuItem::ViewMenu_FitToScreen: mainWindow_.sizing().ViewMenu_Click(item); break;
    default: break;
    }
    switch (item.item) {
    // Commands that may put another game's table, or another hand, in front of the player.
    case MenuItem::GameMenu_NewGame:
    case MenuItem::GameMenu_OpenGame:
    case MenuItem::mnuFileList:
    case MenuItem::OptionsMenu_SelectDeck_BlueDeck:
    case MenuItem::OptionsMenu_SelectDeck_RedDeck: advisor_.tableReplaced(); break;
    case MenuItem::OptionsMenu_JacksOrBetter:
    case MenuItem::OptionsMenu_JacksOrBetter96:
    case MenuItem::OptionsMenu_DeucesWild:
    case MenuItem::OptionsMenu_JokerPoker: advisor_.prepare(); break;
    default: break;
    }
}

bool TandoraApp::queryUnload() {
    if (busy_)
        return false;
    BusyScope scope(*this);
    return mainWindow_.Form_QueryUnload();
}

void TandoraApp::lostFocus() {
    mainWindow_.Form_LostFocus();
}

} // namespace tandora
