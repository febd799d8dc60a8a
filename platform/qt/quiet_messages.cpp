#include "platform/qt/quiet_messages.h"

#include <cstring>

namespace tandora {

namespace {

QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (isLibraryNoise(type, context.category, message))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

bool isLibraryNoise(QtMsgType type, const char* category, const QString& message) {
    if (type != QtWarningMsg && type != QtInfoMsg && type != QtDebugMsg)
        return false;
    if (category && std::strncmp(category, "qt.multimedia", 13) == 0)
        return true;
    // Qt Multimedia's PulseAudio back end reports a missing sound server outside any category.
    return message.startsWith(QLatin1String("PulseAudioService:"));
}

void installQuietMessages() {
    previousHandler = qInstallMessageHandler(quietHandler);
}

} // namespace tandora
