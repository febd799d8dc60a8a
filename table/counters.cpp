#include "table/counters.h"

#include <string>

#include "engine/ascii_text.h"

namespace tandora {

namespace {

void refuseAmount(TableContext& ctx) {
    ctx.messageBox("Invalid parameter: NewAmt", MsgStyle::Exclamation, "UpdateNumbers");
}

} // namespace

void Counters::showDigits(Control control, std::int64_t amount) {
    std::string text = std::to_string(amount);
    while (text.size() < 4)
        text.insert(text.begin(), '0');
    for (int i = 1; i <= 4; ++i)
        ctx_.view().setPicture({control, i},
                               DigitPictureBase + (text[static_cast<std::size_t>(i - 1)] - '0'));
    ctx_.view().repaint();
}

void Counters::UpdateNumbers(std::string_view LCD, std::int64_t NewAmt) {
    const std::string name = toUpperAscii(LCD);
    TableView& view = ctx_.view();
    if (name == "CREDITS" || name == "PAID") {
        if (NewAmt < 0 || NewAmt > MaxGameCredits) {
            refuseAmount(ctx_);
            return;
        }
        const bool credits = name == "CREDITS";
        showDigits(credits ? Control::Credits : Control::Paid, NewAmt);
        if (credits) {
            // Only the update made while a hand is being finished offers Cash Out.
            ctx_.setButton(Control::CashOut, CashOutPictures,
                           ctx_.state.HandState == HandStates::Dealt && NewAmt > 0);
            view.repaint();
        }
        return;
    }
    if (name == "COINS") {
        if (NewAmt < 0 || NewAmt > 9)
            refuseAmount(ctx_);
        else
            view.setPicture({Control::Coins}, DigitPictureBase + static_cast<int>(NewAmt));
        view.repaint();
        return;
    }
    ctx_.messageBox("Invalid parameter: LCD", MsgStyle::Exclamation, "UpdateNumbers");
}

} // namespace tandora
