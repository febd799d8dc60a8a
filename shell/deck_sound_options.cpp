#include "shell/deck_sound_options.h"

namespace tandora {

void DeckAndSoundOptions::OptionsMenu_SoundEffects_Click() {
    if (ctx_.platform.sound.waveOutGetNumDevs() == 0) {
        ctx_.messageBox("No Wave audio device available", MsgStyle::Information, "Sound Effects");
        return;
    }
    GameState& s = ctx_.state;
    s.options.SoundEffects = !s.options.SoundEffects;
    s.SoundOn = s.options.SoundEffects;
    ctx_.view().setMenuChecked({MenuItem::OptionsMenu_SoundEffects}, s.options.SoundEffects);
    s.bChange = true;
}

} // namespace tandora
