#pragma once

#include <cstdint>

#include "platform/dialogs.h"

namespace tandora {

// The receipt of a cash out: the bank before, the credits added, the bank after.
class CashOutReceipt : public DialogLogic {
public:
    CashOutReceipt(std::int64_t oldBalance, std::int64_t added, std::int64_t newBalance)
        : OldBal(oldBalance), Added(added), NewBal(newBalance) {}

    DialogLayout layout() const override;
    void load(DialogWindow& window) override;
    void buttonClicked(DialogWindow& window, ControlName) override { window.close(); }

private:
    std::int64_t OldBal;
    std::int64_t Added;
    std::int64_t NewBal;
};

} // namespace tandora
