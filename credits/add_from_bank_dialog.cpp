#include "credits/add_from_bank_dialog.h"

#include <cmath>

#include "table/value_text.h"

namespace tandora {

namespace {

constexpr ControlName lblInstructions{"lblInstructions"};
constexpr ControlName txtAmount{"txtAmount"};

} // namespace

DialogLayout AddFromBankDialog::layout() const {
    DialogControl instructions = label(lblInstructions, "");
    instructions.wrap = true;
    DialogControl amount;
    amount.kind = DialogControlKind::TextBox;
    amount.name = txtAmount;
    return {
        "Credit Bank",
        {{instructions}, {amount}, {button(btnOK, "OK", true), button(btnCancel, "Cancel", false, true)}}};
}

void AddFromBankDialog::load(DialogWindow& window) {
    // A stored value that is not a number counts as an empty bank, as the menu command treats it.
    bank = bank_.read().value_or(0);
    largest = std::min<std::int64_t>(MaxGameCredits - ctx_.state.vPoints, bank);
    window.setText(lblInstructions, "You currently have " + groupedOrEmpty(bank) + " credits in the Bank. " +
                                        "The maximum credits you may add is " + groupedOrEmpty(largest) +
                                        "." + "\r\n\r\n" + "Enter the number of credits you wish to add.");
    window.setText(txtAmount, std::to_string(largest));
    window.selectAll(txtAmount);
}

void AddFromBankDialog::refuse(DialogWindow& window, const std::string& message) {
    ctx_.messageBox(message, MsgStyle::Exclamation, "Credit Bank");
    window.selectAll(txtAmount);
}

void AddFromBankDialog::buttonClicked(DialogWindow& window, ControlName button) {
    if (button != btnOK) {
        window.close();
        return;
    }
    const double typed = leadingNumber(window.text(txtAmount));
    if (typed > static_cast<double>(largest)) {
        refuse(window,
               "Please enter an amount less than or equal to " + groupedOrEmpty(largest) + " credits.");
        return;
    }
    const auto amount = static_cast<std::int64_t>(std::nearbyint(typed)); // halves to the even neighbour
    // Nothing or a negative amount would take nothing out, or pay into the bank from nowhere.
    if (amount < 1) {
        refuse(window, "Please enter an amount of at least 1 credit.");
        return;
    }
    // The credits leave the bank before they reach the game, and reach it only if the bank let them go.
    if (!bank_.write(bank - amount)) {
        ctx_.messageBox("The Credit Bank could not be saved, so no credits were taken from it.",
                        MsgStyle::Exclamation, "Credit Bank");
        window.close();
        return;
    }
    ctx_.state.vPoints += amount;
    window.close();
}

} // namespace tandora
