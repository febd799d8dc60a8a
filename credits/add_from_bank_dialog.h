#pragma once

#include <cstdint>

#include "credits/credit_bank.h"
#include "platform/dialogs.h"
#include "table/table_context.h"

namespace tandora {

// "Credit Bank": how many credits to take out of the bank into the game.
class AddFromBankDialog : public DialogLogic {
public:
    AddFromBankDialog(TableContext context, CreditBank& creditBank) : ctx_(context), bank_(creditBank) {}

    DialogLayout layout() const override;
    void load(DialogWindow& window) override;
    void buttonClicked(DialogWindow& window, ControlName button) override;

private:
    void refuse(DialogWindow& window, const std::string& message);

    TableContext ctx_;
    CreditBank& bank_;
    std::int64_t bank = 0;
    std::int64_t largest = 0;
};

} // namespace tandora
