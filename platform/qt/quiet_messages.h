#pragma once

#include <QString>
#include <QtGlobal>

namespace tandora {

// Whether a message of Qt's is a library's complaint that the player can do nothing about: the audio
// back end finding no sound server. The game already tells the player when there is no sound device.
bool isLibraryNoise(QtMsgType type, const char* category, const QString& message);

// Drops the library's noise from the terminal; every other message goes on as before.
void installQuietMessages();

} // namespace tandora
