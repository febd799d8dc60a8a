#pragma once

#include "engine/card_draw.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "platform/sound_device.h"
#include "platform/system_info.h"
#include "platform/table_view.h"

namespace tandora {

// Everything outside the program's logic, handed to it in one piece.
struct Platform {
    TableView& view;
    MessageBoxes& messages;
    SettingsStore& settings;
    SoundDevice& sound;
    Clock& clock;
    UniformSource& random;
    SystemInfo& system;
};

} // namespace tandora
