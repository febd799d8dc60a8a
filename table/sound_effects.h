#pragma once

#include "engine/game_type.h"
#include "engine/hand_category.h"
#include "platform/sound_device.h"
#include "platform/table_view.h"

namespace tandora {

// The numbered WAVE resources and when they play.
namespace Waves {
inline constexpr int CreditsArrive = 1;
inline constexpr int CardFlip = 3;
inline constexpr int StartUp = 8;
inline constexpr int DoubleUpWon = 9;
inline constexpr int DoubleUpLost = 10;
inline constexpr int DoubleUpTie = 20;
} // namespace Waves

// The WAVE (11 to 19) a paying category's win plays in the game; 0 when the category does not pay there.
int winSound(HandCategory category, GameType game);

// Plays the program's sounds; callers decide by SoundOn whether to call at all.
class SoundEffects {
public:
    SoundEffects(SoundDevice& device, TableView& view) : device_(device), view_(view) {}

    void PlayResSound(int id, bool inBackground);
    void StopSound();

private:
    SoundDevice& device_;
    TableView& view_;
};

} // namespace tandora
