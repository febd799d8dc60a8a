#include "shell/deck_sound_options.h"

namespace tandora {

void DeckAndSoundOptions::OptionsMenu_SoundEffects_Click() {
    if (ctx_.platform.sound.waveOutGetNumDevs() == 0) {
        ctx_.messageBox("No Wave audio device available", MsgStyle::Information, "Sound Effects");
        return;
    }
    ctx_.state.SoundOn = ctx_.toggleOption(MenuItem::OptionsMenu_SoundEffects);
}

} // namespace tandora
