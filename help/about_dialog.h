#pragma once

#include "platform/dialogs.h"
#include "platform/platform.h"

namespace tandora {

// frmAbout: the program's name, version and icon, and a way to the system's information tool.
class AboutDialog : public DialogLogic {
public:
    explicit AboutDialog(Platform& platform) : platform_(platform) {}

    DialogLayout layout() const override;
    void load(DialogWindow& window) override;
    void buttonClicked(DialogWindow& window, ControlName button) override;

    // Starts the system's information tool, or says that there is none.
    void StartSysInfo();

private:
    Platform& platform_;
};

} // namespace tandora
