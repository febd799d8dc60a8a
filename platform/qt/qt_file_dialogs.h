#pragma once

#include "platform/file_dialogs.h"

class QWidget;

namespace tandora {

// The platform's own open and save dialogs.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* owner = nullptr) : owner_(owner) {}

    std::optional<std::string> openFileName(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override;

private:
    QWidget* owner_;
};

} // namespace tandora
