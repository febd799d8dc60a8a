#pragma once

#include "platform/dialogs.h"

namespace tandora {

// frmKeyShortcuts: every key of the game in four columns, and OK.
class KeyShortcutsDialog : public DialogLogic {
public:
    DialogLayout layout() const override;
    void load(DialogWindow& window) override;
    void buttonClicked(DialogWindow& window, ControlName button) override;
};

} // namespace tandora
