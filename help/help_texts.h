#pragma once

#include <array>
#include <string>

#include "engine/game_type.h"

namespace tandora {

// The fixed texts of the Help menu, word for word; line breaks are CR LF.

inline constexpr const char* GettingStartedTitle = "Getting Started";
std::string gettingStartedText();

// "Hands Defined - Jacks Or Better" (both pay tables), "- Deuces Wild" or "- Joker Poker".
std::string handsDefinedTitle(GameType game);
// The hands that pay in the game, a TAB or two between name and description, then the note.
std::string handsDefinedText(GameType game);

// The Keyboard Shortcuts window: four columns of eight lines, side by side.
inline constexpr int ShortcutColumns = 4;
inline constexpr int ShortcutLines = 8;
using ShortcutColumn = std::array<const char*, ShortcutLines>;
const std::array<ShortcutColumn, ShortcutColumns>& keyShortcutColumns();

// The About box: title, version, what the program is, who made it and what a player may do with it.
inline constexpr const char* AboutComments = "A video poker game for the desktop.";
inline constexpr const char* AboutCopyright = "Copyright (C) 2026 The Tandora developers";
inline constexpr const char* AboutTrademarks =
    "Tandora is free software under the GNU General Public License, version 3 or later.";
std::string versionText();
std::string aboutDescription();

} // namespace tandora
