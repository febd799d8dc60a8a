#include "advisor/pay_table_dialog.h"

#include <cstdio>
#include <vector>

#include "engine/known_pay_tables.h"

namespace tandora {

namespace {

constexpr ControlName lblTable{"lblTable"};
constexpr ControlName lblPays{"lblPays"};
constexpr ControlName lblRoyal5{"lblRoyal5"};
constexpr ControlName RowLabels[] = {ControlName{"lblPay1"},  ControlName{"lblPay2"}, ControlName{"lblPay3"},
                                     ControlName{"lblPay4"},  ControlName{"lblPay5"}, ControlName{"lblPay6"},
                                     ControlName{"lblPay7"},  ControlName{"lblPay8"}, ControlName{"lblPay9"},
                                     ControlName{"lblPay10"}, ControlName{"lblPay11"}};
constexpr const char* Royal5Name = "Royal flush on five coins";
constexpr const char* ReturnHeading = "Return under best play: ";

std::string percent(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f%%", value);
    return text;
}

std::string listItem(const KnownPayTable& known) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f%%", known.returnPercent);
    return std::string(known.name) + " - " + text;
}

std::string coinsText(int coins) {
    return std::to_string(coins) + (coins == 1 ? " coin" : " coins");
}

DialogControl box(ControlName name, std::string text) {
    DialogControl c;
    c.kind = DialogControlKind::TextBox;
    c.name = name;
    c.text = std::move(text);
    c.minimumWidth = 80;
    return c;
}

DialogControl rowLabel(ControlName name, std::string text) {
    DialogControl c = label(name, std::move(text));
    c.minimumWidth = 170;
    return c;
}

} // namespace

PayTableDialog::PayTableDialog(GameType game, const PayTable& table, int coins)
    : game_(game), table_(table), coins_(coins) {}

std::string PayTableDialog::itemOf(const PayTable& table) const {
    for (const KnownPayTable& known : knownPayTables(game_)) {
        if (known.table == table)
            return listItem(known);
    }
    return CustomItem;
}

DialogLayout PayTableDialog::layout() const {
    DialogLayout layout;
    layout.caption = "Pay Table - " + std::string(familyName(game_));
    DialogControl list;
    list.kind = DialogControlKind::ComboBox;
    list.name = cboTable;
    list.listOnly = true;
    for (const KnownPayTable& known : knownPayTables(game_))
        list.items.push_back(listItem(known));
    list.items.emplace_back(CustomItem);
    list.text = itemOf(table_);
    list.minimumWidth = 260;
    layout.rows.push_back({rowLabel(lblTable, "Table:"), list});
    DialogControl pays = wrappedLabel(lblPays);
    pays.text = "What each row pays for one coin (a whole number up to 10,000) and the royal flush on five "
                "coins (up to 50,000). Edit any of them to play a table of your own.";
    layout.rows.push_back({pays});
    const auto rows = payTableRows(game_);
    for (std::size_t i = 0; i < rows.size(); ++i)
        layout.rows.push_back(
            {rowLabel(RowLabels[i], std::string(rowName(rows[i], game_))),
             box(PayBoxes[i],
                 std::to_string(table_[static_cast<std::size_t>(*payTableSlot(rows[i], game_))]))});
    layout.rows.push_back(
        {rowLabel(lblRoyal5, Royal5Name), box(txtRoyal5, std::to_string(table_.royalOnMaxBet))});
    DialogControl rule;
    rule.kind = DialogControlKind::Rule;
    layout.rows.push_back({rule});
    DialogControl returns = label(lblReturn, ReturnHeading);
    returns.minimumWidth = 420;
    layout.rows.push_back({returns});
    DialogControl problem = wrappedLabel(lblProblem);
    problem.minimumWidth = 420;
    layout.rows.push_back({problem});
    layout.rows.push_back(okCancelButtons());
    return layout;
}

void PayTableDialog::load(DialogWindow& window) {
    tableEdited(window);
}

std::variant<PayTable, std::string> PayTableDialog::typedTable(const DialogWindow& window) const {
    const auto rows = payTableRows(game_);
    std::vector<std::int32_t> pays;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto pay = parsePay(window.text(PayBoxes[i]), MaxPayPerCoin);
        if (const auto* problem = std::get_if<std::string>(&pay))
            return std::string(rowName(rows[i], game_)) + " " + *problem + ".";
        pays.push_back(std::get<std::int32_t>(pay));
    }
    const auto royal = parsePay(window.text(txtRoyal5), MaxCoins * MaxPayPerCoin);
    if (const auto* problem = std::get_if<std::string>(&royal))
        return std::string(Royal5Name) + " " + *problem + ".";
    return tableOfRows(game_, pays, std::get<std::int32_t>(royal));
}

void PayTableDialog::showTable(DialogWindow& window, const PayTable& table) {
    const auto rows = payTableRows(game_);
    for (std::size_t i = 0; i < rows.size(); ++i)
        window.setText(PayBoxes[i],
                       std::to_string(table[static_cast<std::size_t>(*payTableSlot(rows[i], game_))]));
    window.setText(txtRoyal5, std::to_string(table.royalOnMaxBet));
}

void PayTableDialog::tableEdited(DialogWindow& window) {
    const auto typed = typedTable(window);
    if (const auto* problem = std::get_if<std::string>(&typed)) {
        worker_.stop();
        pricing_.reset();
        reported_ = true;
        window.setText(lblProblem, *problem);
        window.setText(lblReturn, std::string(ReturnHeading) + "-");
        return;
    }
    const PayTable& table = std::get<PayTable>(typed);
    window.setText(lblProblem, "");
    window.setText(cboTable, itemOf(table));
    if (pricing_ == table)
        return;
    pricing_ = table;
    window.setText(lblReturn, std::string(ReturnHeading) + "working it out...");
    worker_.start(game_, table, coins_);
    reported_ = false;
}

void PayTableDialog::textChanged(DialogWindow& window, ControlName control) {
    if (control == cboTable) {
        const std::string item = window.text(cboTable);
        for (const KnownPayTable& known : knownPayTables(game_)) {
            if (listItem(known) == item)
                showTable(window, known.table);
        }
        // Custom keeps the pays as they are, for the player to edit.
    }
    tableEdited(window);
}

bool PayTableDialog::poll(DialogWindow& window) {
    if (worker_.busy())
        return true;
    if (reported_)
        return false;
    reported_ = true;
    if (const auto returns = worker_.returns()) {
        std::string text =
            std::string(ReturnHeading) + percent(returns->atBet) + " with " + coinsText(returns->coins);
        if (returns->coins != 1)
            text += ", " + percent(returns->atOneCoin) + " with 1 coin";
        window.setText(lblReturn, text + ".");
    } else if (const auto failure = worker_.failure()) {
        window.setText(lblReturn, std::string(ReturnHeading) + "not available (" + *failure + ").");
    }
    return false;
}

void PayTableDialog::buttonClicked(DialogWindow& window, ControlName button) {
    if (button == btnOK) {
        const auto typed = typedTable(window);
        if (const auto* problem = std::get_if<std::string>(&typed)) {
            window.setText(lblProblem, *problem);
            return;
        }
        chosen_ = std::get<PayTable>(typed);
    }
    worker_.stop();
    window.close();
}

} // namespace tandora
