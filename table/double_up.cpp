#include "table/double_up.h"

namespace tandora {

void DoubleUp::OptionsMenu_DoubleUp_Click() {
    GameState& s = ctx_.state;
    s.options.DoubleUpOn = !s.options.DoubleUpOn;
    ctx_.view().setMenuChecked({MenuItem::OptionsMenu_DoubleUp}, s.options.DoubleUpOn);
    s.bChange = true;
}

} // namespace tandora
