#include "credits/cash_out.h"

#include "credits/cash_out_receipt.h"
#include "table/show_error.h"
#include "table/value_text.h"

namespace tandora {

void CashOut::CashOut_Click() {
    GameState& s = ctx_.state;
    TableView& view = ctx_.view();
    const std::int64_t credits = s.vPoints;
    const auto stored = bank_.read();
    if (!stored) {
        // A hand-edited bank that is not a number is left alone rather than overwritten.
        ShowError(ctx_.platform.messages, ErrorNumbers::TypeMismatch, "Type mismatch", "Cashing Out");
        return;
    }
    const std::int64_t bank = *stored;
    const std::int64_t balance = bank + credits;
    if (balance > MaxBankCredits) {
        ctx_.messageBox(std::string("You may save a maximum of 999,999 credits in the Credit Bank. ") +
                            "Cashing out at this time will put you over the limit." + "\r\n\r\n" +
                            "Current Balance:" + "\t" + groupedOrEmpty(bank),
                        MsgStyle::Exclamation, "Credit Bank");
        return;
    }
    // The credits leave the game only once the bank holds them.
    if (!bank_.write(balance)) {
        ctx_.messageBox("The Credit Bank could not be saved, so your credits stay in the game.",
                        MsgStyle::Exclamation, "Credit Bank");
        return;
    }
    s.vPoints = 0;
    counters_.UpdateNumbers("Credits", 0);
    ctx_.setButton(Control::Bet1, Bet1Pictures, false);
    view.repaint();
    ctx_.setButton(Control::MaxBet, MaxBetPictures, false);
    view.repaint();
    ctx_.setButton(Control::Deal, DealPictures, false);
    view.repaint();
    s.bChange = true;
    CashOutReceipt receipt(bank, credits, balance);
    ctx_.platform.dialogs.showModal(receipt);
}

void CashOut::CashOut_MouseDown(int button, int shift) {
    if (button == 1 && shift == 0)
        ctx_.view().setPicture({Control::CashOut}, CashOutPictures.pressed);
    ctx_.view().repaint();
}

void CashOut::CashOut_MouseUp(int button, int shift) {
    if (button == 1 && shift == 0)
        ctx_.view().setPicture({Control::CashOut}, CashOutPictures.enabled);
    ctx_.view().repaint();
}

} // namespace tandora
