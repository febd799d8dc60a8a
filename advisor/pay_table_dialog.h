#pragma once

#include <optional>
#include <string>
#include <variant>

#include "advisor/return_worker.h"
#include "engine/pay_table.h"
#include "platform/dialogs.h"

namespace tandora {

// Options, Pay Table: the well-known tables of the game's family, or the player's own, with the exact
// return of the table as it stands while the player edits it. Nothing changes until OK.
class PayTableDialog : public DialogLogic {
public:
    static constexpr ControlName cboTable{"cboTable"};
    static constexpr ControlName txtRoyal5{"txtRoyal5"};
    static constexpr ControlName lblReturn{"lblReturn"};
    static constexpr ControlName lblProblem{"lblProblem"};
    // The text box of each row, top row first.
    static constexpr ControlName PayBoxes[] = {
        ControlName{"txtPay1"}, ControlName{"txtPay2"},  ControlName{"txtPay3"}, ControlName{"txtPay4"},
        ControlName{"txtPay5"}, ControlName{"txtPay6"},  ControlName{"txtPay7"}, ControlName{"txtPay8"},
        ControlName{"txtPay9"}, ControlName{"txtPay10"}, ControlName{"txtPay11"}};
    static constexpr const char* CustomItem = "Custom";

    // The table in play and the bet the return is worked out for.
    PayTableDialog(GameType game, const PayTable& table, int coins);

    DialogLayout layout() const override;
    void load(DialogWindow& window) override;
    void buttonClicked(DialogWindow& window, ControlName button) override;
    void textChanged(DialogWindow& window, ControlName control) override;
    bool poll(DialogWindow& window) override;

    // After OK: the table the player chose.
    std::optional<PayTable> chosen() const { return chosen_; }

private:
    // The table the boxes spell, or the first refusal as a sentence.
    std::variant<PayTable, std::string> typedTable(const DialogWindow& window) const;
    void showTable(DialogWindow& window, const PayTable& table);
    // The boxes changed: names the table, refuses a bad entry or starts working out its return.
    void tableEdited(DialogWindow& window);
    std::string itemOf(const PayTable& table) const;

    GameType game_;
    PayTable table_;
    int coins_;
    ReturnWorker worker_;
    std::optional<PayTable> pricing_;
    bool reported_ = true;
    std::optional<PayTable> chosen_;
};

} // namespace tandora
