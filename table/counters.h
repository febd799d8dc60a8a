#pragma once

#include <cstdint>
#include <string_view>

#include "platform/pictures.h"
#include "table/table_context.h"

namespace tandora {

// The CREDITS, PAID and COINS counters, drawn from the digit pictures.
class Counters {
public:
    explicit Counters(TableContext context) : ctx_(context) {}

    // LCD names the counter in any letter case: "Credits", "Paid" or "Coins". CREDITS shows every amount
    // the game can produce: beyond 9,999 it lights more digits to the left.
    void UpdateNumbers(std::string_view LCD, std::int64_t NewAmt);

private:
    void showDigits(Control control, const std::string& digits);
    void showCreditDigits(std::int64_t amount);

    TableContext ctx_;
    int extraCreditDigits_ = 0;
};

} // namespace tandora
