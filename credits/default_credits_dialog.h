#pragma once

#include "platform/dialogs.h"
#include "table/table_context.h"

namespace tandora {

// "Add Credits Default": the credits Add Default and the dollar button add.
class DefaultCreditsDialog : public DialogLogic {
public:
    explicit DefaultCreditsDialog(TableContext context) : ctx_(context) {}

    DialogLayout layout() const override;
    void load(DialogWindow& window) override;
    void buttonClicked(DialogWindow& window, ControlName button) override;

private:
    TableContext ctx_;
};

} // namespace tandora
