#include "table/sound_effects.h"

namespace tandora {

void SoundEffects::PlayResSound(int id, bool inBackground) {
    if (device_.waveOutGetNumDevs() == 0)
        return;
    device_.play(id, inBackground);
    if (inBackground)
        view_.repaint();
}

void SoundEffects::StopSound() {
    if (device_.waveOutGetNumDevs() == 0)
        return;
    device_.stop();
}

} // namespace tandora
