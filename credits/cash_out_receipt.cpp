#include "credits/cash_out_receipt.h"

#include "table/value_text.h"

namespace tandora {

namespace {

constexpr ControlName Label1{"Label1"};
constexpr ControlName Label2{"Label2"};

} // namespace

DialogLayout CashOutReceipt::layout() const {
    DialogControl amounts = label(Label2, "", TextAlign::Right);
    amounts.minimumWidth = 70;
    return {"frmCashOut", {{label(Label1, ""), amounts}, {button(btnOK, "OK", true, true)}}};
}

void CashOutReceipt::load(DialogWindow& window) {
    window.setCaption("Credit Bank");
    window.setText(Label1, "Old Balance:\r\nCredits Added:\r\nNew Balance:");
    window.setText(Label2,
                   groupedOrEmpty(OldBal) + "\r\n" + groupedOrEmpty(Added) + "\r\n" + groupedOrEmpty(NewBal));
}

} // namespace tandora
