#include "table/sound_effects.h"

#include <span>

#include "engine/pay_table.h"

namespace tandora {

int winSound(HandCategory category, GameType game) {
    // By pay-table row, top row first.
    static constexpr int JacksOrBetter[] = {19, 17, 18, 16, 14, 13, 15, 12, 11};
    static constexpr int DeucesWild[] = {19, 17, 18, 16, 14, 13, 15, 12, 12, 11};
    static constexpr int JokerPoker[] = {19, 17, 18, 16, 14, 13, 15, 12, 12, 11, 11};
    const auto row = payTableRow(category, game);
    if (!row)
        return 0;
    std::span<const int> sounds = JacksOrBetter;
    if (game == GameType::DeucesWild)
        sounds = DeucesWild;
    else if (game == GameType::JokerPoker)
        sounds = JokerPoker;
    return sounds[static_cast<std::size_t>(*row)];
}

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
