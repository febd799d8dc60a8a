#pragma once

#include "table/table_context.h"

namespace tandora {

// The Options menu's deck choice and sound switch.
class DeckAndSoundOptions {
public:
    explicit DeckAndSoundOptions(TableContext context) : ctx_(context) {}

    void OptionsMenu_SoundEffects_Click();

private:
    TableContext ctx_;
};

} // namespace tandora
