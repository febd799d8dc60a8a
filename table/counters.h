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

    // LCD names the counter in any letter case: "Credits", "Paid" or "Coins".
    void UpdateNumbers(std::string_view LCD, std::int64_t NewAmt);

private:
    void showDigits(Control control, std::int64_t amount);

    TableContext ctx_;
};

} // namespace tandora
