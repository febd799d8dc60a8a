#include "table/double_up.h"

namespace tandora {

void DoubleUp::OptionsMenu_DoubleUp_Click() {
    ctx_.state.DoubleUpOn = ctx_.toggleOption(MenuItem::OptionsMenu_DoubleUp);
}

} // namespace tandora
