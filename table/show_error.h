#pragma once

#include <string>

#include "platform/message_box.h"

namespace tandora {

// Run-time errors the program reports, numbered as the player may know them.
namespace ErrorNumbers {
inline constexpr int TypeMismatch = 13;
} // namespace ErrorNumbers

// "<number>: <description>" with the exclamation icon, titled by the caller's heading.
inline void ShowError(MessageBoxes& messages, int number, const std::string& description,
                      const std::string& heading) {
    messages.messageBox(std::to_string(number) + ": " + description, MsgStyle::Exclamation, heading);
}

} // namespace tandora
