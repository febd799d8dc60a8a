#include "credits/add_credits.h"

#include <algorithm>

#include "credits/add_from_bank_dialog.h"
#include "credits/default_credits_dialog.h"

namespace tandora {

namespace {

constexpr const char* BankTitle = "Credit Bank";

} // namespace

bool AddCredits::handUnderWay() {
    const TableView& view = ctx_.view();
    if (!view.isEnabled({Control::Deal}) && !view.isVisible({Control::imgDoubleUp}))
        return false;
    ctx_.messageBox("Finish this hand and try again.", MsgStyle::Information, "Add Credits");
    return true;
}

// Adding stops at 9,999; credits won beyond it stay, and adding waits until they are spent.
bool AddCredits::creditsAtMaximum() {
    if (ctx_.state.vPoints < MaxGameCredits)
        return false;
    ctx_.messageBox("The game credits are at the maximum.", MsgStyle::Exclamation, BankTitle);
    return true;
}

void AddCredits::readyToBet() {
    GameState& s = ctx_.state;
    for (int i = 1; i <= HandSize; ++i)
        ctx_.view().setEnabled({Control::Hold, i}, false);
    ctx_.setButton(Control::Deal, DealPictures, false);
    ctx_.setButton(Control::Bet1, Bet1Pictures, true);
    ctx_.setButton(Control::MaxBet, MaxBetPictures, true);
    ctx_.setButton(Control::CashOut, CashOutPictures, true);
    s.bChange = true;
}

void AddCredits::mnuAddCredits_AddDefault_Click() {
    GameState& s = ctx_.state;
    if (handUnderWay() || creditsAtMaximum())
        return;
    if (s.SoundOn)
        sound_.PlayResSound(Waves::CreditsArrive, true);
    s.vPoints = std::min<std::int64_t>(s.vPoints + s.options.iDefaultPoints, MaxGameCredits);
    counters_.UpdateNumbers("Credits", s.vPoints);
    s.CreditsIn += s.options.iDefaultPoints;
    readyToBet();
}

void AddCredits::mnuAddCredits_AddFromBank_Click() {
    GameState& s = ctx_.state;
    if (handUnderWay())
        return;
    if (bank_.read().value_or(0) <= 0) {
        ctx_.messageBox("There are currently no credits in the Bank.", MsgStyle::Exclamation, BankTitle);
        return;
    }
    if (creditsAtMaximum())
        return;
    const std::int64_t before = s.vPoints;
    AddFromBankDialog dialog(ctx_, bank_);
    ctx_.platform.dialogs.showModal(dialog);
    if (s.vPoints <= before)
        return;
    counters_.UpdateNumbers("Credits", s.vPoints);
    if (s.SoundOn)
        sound_.PlayResSound(Waves::CreditsArrive, true);
    s.CreditsIn += s.vPoints - before;
    readyToBet();
}

void AddCredits::mnuAddCredits_ChangeDefault_Click() {
    DefaultCreditsDialog dialog(ctx_);
    ctx_.platform.dialogs.showModal(dialog);
}

void AddCredits::CashIn_MouseDown(int button, int shift) {
    if (button == 1 && shift == 0)
        ctx_.view().setPicture({Control::CashIn}, CashInPressedPicture);
    ctx_.view().repaint();
}

void AddCredits::CashIn_MouseUp(int button, int shift) {
    if (button == 1 && shift == 0)
        ctx_.view().setPicture({Control::CashIn}, CashInPicture);
    ctx_.view().repaint();
}

} // namespace tandora
