#pragma once

#include "resources/sounds/synth_blocks.h"

// One recipe per sound number; each returns the dry-to-wet mix before it is finished to 16-bit.
namespace tandora::recipes {

synth::Buffer creditsArrive();      // 1
synth::Buffer softTick();           // 2
synth::Buffer cardFlip();           // 3
synth::Buffer startUp();            // 8
synth::Buffer doubleUpWon();        // 9
synth::Buffer doubleUpLost();       // 10
synth::Buffer doubleUpTie();        // 20
synth::Buffer winJingle(int level); // 11..19 as level 1..9

} // namespace tandora::recipes
