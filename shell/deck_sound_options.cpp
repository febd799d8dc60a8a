#include "shell/deck_sound_options.h"

namespace tandora {

void DeckAndSoundOptions::OptionsMenu_SoundEffects_Click() {
    if (ctx_.platform.sound.waveOutGetNumDevs() == 0) {
        ctx_.messageBox("No Wave audio device available", MsgStyle::Information, "Sound Effects");
        return;
    }
    TableView& view = ctx_.view();
    const bool on = !view.isMenuChecked({MenuItem::OptionsMenu_SoundEffects});
    view.setMenuChecked({MenuItem::OptionsMenu_SoundEffects}, on);
    ctx_.state.SoundOn = on;
    ctx_.state.bChange = true;
}

} // namespace tandora
