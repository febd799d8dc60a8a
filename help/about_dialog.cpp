#include "help/about_dialog.h"

#include "help/help_texts.h"
#include "platform/pictures.h"
#include "table/game_state.h"

namespace tandora {

namespace {

constexpr ControlName picIcon{"picIcon"};
constexpr ControlName lblDescription{"lblDescription"};
constexpr ControlName lblDisclaimer{"lblDisclaimer"};
constexpr ControlName cmdOK{"cmdOK"};
constexpr ControlName cmdSysInfo{"cmdSysInfo"};
constexpr ControlName upperRule{"Line1(0)"};
constexpr ControlName lowerRuleName{"Line1(1)"};

} // namespace

DialogLayout AboutDialog::layout() const {
    DialogControl icon;
    icon.kind = DialogControlKind::Picture;
    icon.name = picIcon;
    icon.picture = WindowIconPicture;
    DialogControl description = label(lblDescription, "");
    description.minimumWidth = 300;
    DialogControl rule;
    rule.kind = DialogControlKind::Rule;
    rule.name = upperRule;
    DialogControl lowerRule = rule;
    lowerRule.name = lowerRuleName;
    return {"About",
            {{icon, description},
             {rule},
             {label(lblDisclaimer, " ")},
             {lowerRule},
             {button(cmdOK, "OK", true, true), button(cmdSysInfo, "&System Info...")}}};
}

void AboutDialog::load(DialogWindow& window) {
    window.setCaption(std::string("About ") + AppTitle);
    window.setText(lblDescription, aboutDescription());
}

void AboutDialog::buttonClicked(DialogWindow& window, ControlName button) {
    if (button == cmdOK)
        window.close();
    else if (button == cmdSysInfo)
        StartSysInfo();
}

void AboutDialog::StartSysInfo() {
    const std::string tool = platform_.desktop.systemInformationTool();
    if (tool.empty() || !platform_.desktop.startProgram(tool, {}))
        platform_.messages.messageBox("System Information Is Unavailable At This Time", MsgStyle::OkOnly,
                                      AppTitle);
}

} // namespace tandora
