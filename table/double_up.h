#pragma once

#include "table/table_context.h"

namespace tandora {

// The Double Up gamble of a winning hand; for now its option.
class DoubleUp {
public:
    explicit DoubleUp(TableContext context) : ctx_(context) {}

    void OptionsMenu_DoubleUp_Click();

private:
    TableContext ctx_;
};

} // namespace tandora
