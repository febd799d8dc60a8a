#include "qt_message_boxes.h"

#include <QMessageBox>

namespace tandora {

namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case MsgStyle::Critical: return QMessageBox::Critical;
    case MsgStyle::Question: return QMessageBox::Question;
    case MsgStyle::Exclamation: return QMessageBox::Warning;
    case MsgStyle::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton first;
    QMessageBox::StandardButton escape;
};

ButtonSet buttonsOf(int style) {
    using B = QMessageBox;
    switch (style & 0x7) {
    case 1: return {B::Ok | B::Cancel, B::Ok, B::Cancel};
    case 2: return {B::Abort | B::Retry | B::Ignore, B::Abort, B::Abort};
    case MsgStyle::YesNoCancel: return {B::Yes | B::No | B::Cancel, B::Yes, B::Cancel};
    case MsgStyle::YesNo: return {B::Yes | B::No, B::Yes, B::No};
    case 5: return {B::Retry | B::Cancel, B::Retry, B::Cancel};
    default: return {B::Ok, B::Ok, B::Ok};
    }
}

int answerOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Abort: return 3;
    case QMessageBox::Retry: return 4;
    case QMessageBox::Ignore: return 5;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: return MsgAnswer::Cancel;
    }
}

} // namespace

int QtMessageBoxes::messageBox(const std::string& text, int style, const std::string& title) {
    const ButtonSet set = buttonsOf(style);
    QMessageBox box(iconOf(style), QString::fromStdString(title),
                    QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    set.buttons, owner_);
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(set.escape);
    // Enter answers with the first button, as the classic boxes do.
    box.setDefaultButton(set.first);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return answerOf(clicked ? box.standardButton(clicked) : set.escape);
}

} // namespace tandora
