#pragma once

#include "credits/credit_bank.h"
#include "table/sound_effects.h"
#include "table/table_context.h"

namespace tandora {

// Credits into the game: the default amount out of nowhere, or credits out of the bank.
class AddCredits {
public:
    AddCredits(TableContext context, SoundEffects& sound, CreditBank& bank)
        : ctx_(context), sound_(sound), bank_(bank) {}

    void mnuAddCredits_AddDefault_Click();
    void mnuAddCredits_AddFromBank_Click();
    void mnuAddCredits_ChangeDefault_Click();
    // The dollar button is a shortcut for Add Default.
    void CashIn_Click() { mnuAddCredits_AddDefault_Click(); }
    void CashIn_MouseDown(int button, int shift) { ctx_.press(Button::CashIn, button, shift, true); }
    void CashIn_MouseUp(int button, int shift) { ctx_.press(Button::CashIn, button, shift, false); }

private:
    bool handUnderWay();
    bool creditsAtMaximum();
    void readyToBet();

    TableContext ctx_;
    SoundEffects& sound_;
    CreditBank& bank_;
};

} // namespace tandora
