#include "table/double_up.h"

namespace tandora {

void DoubleUp::OptionsMenu_DoubleUp_Click() {
    TableView& view = ctx_.view();
    const bool on = !view.isMenuChecked({MenuItem::OptionsMenu_DoubleUp});
    view.setMenuChecked({MenuItem::OptionsMenu_DoubleUp}, on);
    ctx_.state.DoubleUpOn = on;
    ctx_.state.bChange = true;
}

} // namespace tandora
