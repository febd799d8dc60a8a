#include "credits/add_credits.h"

#include <algorithm>

#include "credits/add_from_bank_dialog.h"
#include "credits/default_credits_dialog.h"

namespace tandora {

namespace {

constexpr const char* BankTitle = "Credit Bank";

} // namespace

// A bet placed, cards out or a Double Up open.
bool AddCredits::handUnderWay() {
    const TableScene table = deriveTable(ctx_.state);
    if (!table.dealEnabled && table.doubleUp == DoubleUpPanel::None)
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

// Between hands with credits, the table is ready for a bet.
void AddCredits::readyToBet() {
    ctx_.state.bChange = true;
    ctx_.show();
}

void AddCredits::mnuAddCredits_AddDefault_Click() {
    GameState& s = ctx_.state;
    if (handUnderWay() || creditsAtMaximum())
        return;
    if (s.SoundOn)
        sound_.PlayResSound(Waves::CreditsArrive, true);
    s.vPoints = std::min<std::int64_t>(s.vPoints + s.options.iDefaultPoints, MaxGameCredits);
    s.CreditsIn = addStatistic(s.CreditsIn, s.options.iDefaultPoints);
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
    if (s.SoundOn)
        sound_.PlayResSound(Waves::CreditsArrive, true);
    s.CreditsIn = addStatistic(s.CreditsIn, s.vPoints - before);
    readyToBet();
}

void AddCredits::mnuAddCredits_ChangeDefault_Click() {
    DefaultCreditsDialog dialog(ctx_);
    ctx_.platform.dialogs.showModal(dialog);
}

} // namespace tandora
