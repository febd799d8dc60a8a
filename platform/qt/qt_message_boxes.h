#pragma once

#include "platform/message_box.h"

class QWidget;

namespace tandora {

// Modal message boxes in the classic style numbering: buttons + icon in, answer number out.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}

    int messageBox(const std::string& text, int style, const std::string& title) override;

private:
    QWidget* owner_;
};

} // namespace tandora
