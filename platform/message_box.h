#pragma once

#include <string>

namespace tandora {

// Buttons plus icon, added together as the style of a message box.
namespace MsgStyle {
inline constexpr int OkOnly = 0;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
} // namespace MsgStyle

namespace MsgAnswer {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace MsgAnswer

// Modal message boxes; text lines are separated by "\r\n".
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int messageBox(const std::string& text, int style, const std::string& title) = 0;
};

} // namespace tandora
