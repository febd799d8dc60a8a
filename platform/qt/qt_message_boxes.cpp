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

// Classic boxes line up the text after a TAB on fixed tab stops; with a proportional font a table does
// that. The first TAB of a line starts the second column; further TABs only moved text to the column.
QString tabbedAsTable(const QString& text) {
    QString html;
    bool inTable = false;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            if (inTable)
                html += QStringLiteral("</table>");
            inTable = false;
            html += QStringLiteral("<p style=\"margin:0\">%1</p>")
                        .arg(line.isEmpty() ? QStringLiteral("&nbsp;") : line.toHtmlEscaped());
            continue;
        }
        if (!inTable)
            html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
        inTable = true;
        const QString rest = line.mid(tab).remove(QLatin1Char('\t'));
        html += QStringLiteral("<tr><td width=\"1%\" style=\"white-space:pre; padding-right:12px\">%1</td>"
                               "<td>%2</td></tr>")
                    .arg(line.left(tab).toHtmlEscaped(), rest.toHtmlEscaped());
    }
    if (inTable)
        html += QStringLiteral("</table>");
    return html;
}

} // namespace

int QtMessageBoxes::messageBox(const std::string& text, int style, const std::string& title) {
    const ButtonSet set = buttonsOf(style);
    const QString message = QString::fromStdString(text);
    const bool tabbed = message.contains(QLatin1Char('\t'));
    QMessageBox box(iconOf(style), QString::fromStdString(title),
                    tabbed ? tabbedAsTable(message)
                           : QString(message).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    set.buttons, owner_);
    box.setTextFormat(tabbed ? Qt::RichText : Qt::PlainText);
    if (tabbed) {
        // Room for both columns, so that the descriptions do not wrap.
        box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: 430px; }"));
    }
    box.setEscapeButton(set.escape);
    // Enter answers with the first button, as the classic boxes do.
    box.setDefaultButton(set.first);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return answerOf(clicked ? box.standardButton(clicked) : set.escape);
}

} // namespace tandora
