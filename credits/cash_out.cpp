#include "credits/cash_out.h"

#include "credits/cash_out_receipt.h"
#include "table/show_error.h"
#include "table/value_text.h"

namespace tandora {

void CashOut::CashOut_Click() {
    GameState& s = ctx_.state;
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
    s.bChange = true;
    ctx_.showAndRepaint();
    CashOutReceipt receipt(bank, credits, balance);
    ctx_.platform.dialogs.showModal(receipt);
}

} // namespace tandora
