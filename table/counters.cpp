#include "table/counters.h"

#include <algorithm>
#include <string>

#include "engine/ascii_text.h"
#include "platform/table_layout.h"

namespace tandora {

namespace {

void refuseAmount(TableContext& ctx) {
    ctx.messageBox("Invalid parameter: NewAmt", MsgStyle::Exclamation, "UpdateNumbers");
}

} // namespace

// digits: the amount's decimal text, at least four characters; its last character goes to index 4.
void Counters::showDigits(Control control, const std::string& digits) {
    const int first = Layout::CounterDigits - static_cast<int>(digits.size()) + 1;
    for (int i = first; i <= Layout::CounterDigits; ++i)
        ctx_.view().setPicture({control, i},
                               DigitPictureBase + (digits[static_cast<std::size_t>(i - first)] - '0'));
}

void Counters::showCreditDigits(std::int64_t amount) {
    std::string digits = std::to_string(amount);
    if (digits.size() < Layout::CounterDigits)
        digits.insert(0, Layout::CounterDigits - digits.size(), '0');
    const int extra = static_cast<int>(digits.size()) - Layout::CounterDigits;
    showDigits(Control::Credits, digits);
    // Extra digits come and go only when the amount crosses a power of ten.
    for (int k = 1; k <= std::max(extra, extraCreditDigits_); ++k)
        if ((k <= extra) != (k <= extraCreditDigits_))
            ctx_.view().setVisible({Control::Credits, 1 - k}, k <= extra);
    extraCreditDigits_ = extra;
}

void Counters::UpdateNumbers(std::string_view LCD, std::int64_t NewAmt) {
    const std::string name = toUpperAscii(LCD);
    TableView& view = ctx_.view();
    if (name == "CREDITS" || name == "PAID") {
        const bool credits = name == "CREDITS";
        // Wins can take the credits past 9,999; the counter grows rather than refuse what the game paid.
        const std::int64_t largest = credits ? MaxShownCredits : MaxGameCredits;
        if (NewAmt < 0 || NewAmt > largest) {
            refuseAmount(ctx_);
            return;
        }
        if (credits) {
            showCreditDigits(NewAmt);
        } else {
            std::string digits = std::to_string(NewAmt);
            digits.insert(0, Layout::CounterDigits - digits.size(), '0');
            showDigits(Control::Paid, digits);
        }
        view.repaint();
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
