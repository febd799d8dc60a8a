#include "credits/default_credits_dialog.h"

#include <algorithm>
#include <string>

#include "platform/settings_keys.h"
#include "table/value_text.h"

namespace tandora {

namespace {

constexpr ControlName Label1{"Label1"};
constexpr ControlName Combo1{"Combo1"};

} // namespace

DialogLayout DefaultCreditsDialog::layout() const {
    DialogControl amounts;
    amounts.kind = DialogControlKind::ComboBox;
    amounts.name = Combo1;
    for (const int choice : Settings::DefPointsChoices)
        amounts.items.push_back(std::to_string(choice));
    return {"Add Credits Default", {{wrappedLabel(Label1)}, {amounts}, okCancelButtons()}};
}

void DefaultCreditsDialog::load(DialogWindow& window) {
    window.setText(Label1, std::string("Select the amount you want to be ") +
                               "the default number of credits added each " +
                               "time you select Add Default from the " +
                               "Add Credits menu or when you click on the " + "Dollar Sign button. ");
    window.setText(Combo1, std::to_string(ctx_.state.options.iDefaultPoints));
}

void DefaultCreditsDialog::buttonClicked(DialogWindow& window, ControlName button) {
    if (button != btnOK) {
        window.close();
        return;
    }
    // A typed amount must be one of the list's: a game file keeps no other.
    const auto typed = parseNumber(window.text(Combo1));
    const auto* choice =
        std::find_if(std::begin(Settings::DefPointsChoices), std::end(Settings::DefPointsChoices),
                     [&](int c) { return typed && *typed == c; });
    if (choice == std::end(Settings::DefPointsChoices)) {
        ctx_.messageBox(
            "Please choose one of the amounts in the list: 5, 10, 20, 40, 50, 80, 100, 200 or 400.",
            MsgStyle::Exclamation, "Add Credits Default");
        window.selectAll(Combo1);
        return;
    }
    ctx_.state.options.iDefaultPoints = static_cast<std::int16_t>(*choice);
    ctx_.state.bChange = true;
    window.close();
}

} // namespace tandora
