#pragma once

#include "engine/card_draw.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "platform/settings_store.h"
#include "platform/sound_device.h"
#include "platform/system_info.h"
#include "platform/table_view.h"

namespace tandora {

// Everything outside the program's logic, handed to it in one piece. Build it with designated
// initializers (Platform{.view = ..., .messages = ...}) so that no construction depends on the order.
struct Platform {
    TableView& view;
    MessageBoxes& messages;
    Dialogs& dialogs;
    FileDialogs& fileDialogs;
    FileSystem& files;
    Desktop& desktop;
    SettingsStore& settings;
    SoundDevice& sound;
    Clock& clock;
    UniformSource& random;
    SystemInfo& system;
    Printer& printer;
    HelpViewer& help;
};

} // namespace tandora
