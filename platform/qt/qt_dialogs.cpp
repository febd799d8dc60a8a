#include "qt_dialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace tandora {

namespace {

QString fromText(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

Qt::Alignment alignmentOf(TextAlign align) {
    switch (align) {
    case TextAlign::Right: return Qt::AlignRight | Qt::AlignTop;
    case TextAlign::Center: return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// A label beside a text or combo box lines up with the box's text.
bool hasInput(const std::vector<DialogControl>& row) {
    for (const DialogControl& c : row) {
        if (c.kind == DialogControlKind::TextBox || c.kind == DialogControlKind::ComboBox)
            return true;
    }
    return false;
}

bool isButtonRow(const std::vector<DialogControl>& row) {
    for (const DialogControl& c : row) {
        if (c.kind != DialogControlKind::Button)
            return false;
    }
    return !row.empty();
}

// The dialog window: it knows its controls by name and reports buttons; every decision is the logic's.
class FormDialog : public QDialog, public DialogWindow {
public:
    FormDialog(QWidget* owner, DialogLogic& logic, const PictureSource& pictures)
        : QDialog(owner), logic_(logic) {
        const DialogLayout layout = logic.layout();
        setWindowTitle(fromText(layout.caption));
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
        auto* column = new QVBoxLayout(this);
        column->setSpacing(10);
        column->setContentsMargins(16, 14, 16, 14);
        // Everything above the last button rows scrolls when the dialog would be taller than the screen; the
        // buttons stay below it, always reachable.
        scroll_ = new QScrollArea(this);
        scroll_->setFrameShape(QFrame::NoFrame);
        scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll_->setWidgetResizable(true);
        auto* content = new QWidget(scroll_);
        auto* body = new QVBoxLayout(content);
        body->setSpacing(10);
        body->setContentsMargins(0, 0, 0, 0);
        scroll_->setWidget(content);
        column->addWidget(scroll_);
        std::size_t footer = layout.rows.size();
        while (footer > 0 && isButtonRow(layout.rows[footer - 1]))
            --footer;
        for (std::size_t r = 0; r < layout.rows.size(); ++r) {
            const auto& row = layout.rows[r];
            auto* line = new QHBoxLayout;
            line->setSpacing(isButtonRow(row) ? 8 : 14);
            if (isButtonRow(row))
                line->addStretch(1);
            for (const DialogControl& control : row)
                line->addWidget(build(control, pictures, hasInput(row)),
                                control.kind == DialogControlKind::TextBox ||
                                        control.kind == DialogControlKind::ComboBox
                                    ? 1
                                    : 0);
            if (isButtonRow(row))
                line->addStretch(1);
            (r < footer ? body : column)->addLayout(line);
        }
        column->setSizeConstraint(QLayout::SetFixedSize);
        // Work the logic runs off this thread reports here; the dialog keeps answering meanwhile.
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] { logic_.poll(*this); });
        timer->start(DialogPollInterval);
        fitToScreen();
    }

    // The scrolling part takes the height its rows need, up to what the screen leaves beside the buttons,
    // the margins and the window's caption.
    void fitToScreen() {
        constexpr int CaptionAllowance = 40;
        const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        const int available = screen ? screen->availableGeometry().height() : 600;
        QWidget* content = scroll_->widget();
        content->adjustSize();
        const QSize wanted = content->sizeHint();
        const QMargins margins = layout()->contentsMargins();
        int others = margins.top() + margins.bottom() + CaptionAllowance;
        for (int i = 1; i < layout()->count(); ++i)
            others += layout()->itemAt(i)->sizeHint().height() + layout()->spacing();
        const int room = std::max(120, available - others);
        const bool scrolls = wanted.height() > room;
        const int bar = scrolls ? scroll_->verticalScrollBar()->sizeHint().width() : 0;
        scroll_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        scroll_->setFixedSize(wanted.width() + bar, std::min(wanted.height(), room));
    }

    void setCaption(const std::string& caption) override { setWindowTitle(fromText(caption)); }

    void setText(ControlName name, const std::string& text) override {
        QWidget* widget = find(name);
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(fromText(text));
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            edit->setText(fromText(text));
        else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEditable())
            combo->setEditText(fromText(text));
        else if (combo)
            combo->setCurrentIndex(combo->findText(fromText(text)));
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            button->setText(fromText(text));
        fitToScreen();
    }

    std::string text(ControlName name) const override {
        QWidget* widget = find(name);
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            text = edit->text();
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            text = combo->currentText();
        return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
    }

    void selectAll(ControlName name) override {
        QWidget* widget = find(name);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setFocus();
            edit->selectAll();
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            combo->setFocus();
            if (combo->lineEdit())
                combo->lineEdit()->selectAll();
        }
    }

    void close() override { closed_ = true; }

    void press(ControlName button) {
        logic_.buttonClicked(*this, button);
        if (closed_)
            done(QDialog::Accepted);
    }

protected:
    // Escape and the close box press the cancel button; without one they close the dialog.
    void reject() override {
        if (cancel_.empty())
            QDialog::reject();
        else
            press(cancel_);
    }

private:
    QWidget* build(const DialogControl& c, const PictureSource& pictures, bool besideInput) {
        QWidget* widget = nullptr;
        switch (c.kind) {
        case DialogControlKind::Label: {
            auto* label = new QLabel(fromText(c.text), this);
            label->setAlignment(besideInput
                                    ? (alignmentOf(c.align) & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter
                                    : alignmentOf(c.align));
            label->setWordWrap(c.wrap);
            label->setTextFormat(Qt::PlainText);
            if (c.fixedPitch)
                label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
            if (c.wrap && c.minimumWidth == 0)
                label->setMinimumWidth(300);
            widget = label;
            break;
        }
        case DialogControlKind::TextBox: {
            auto* edit = new QLineEdit(fromText(c.text), this);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, name = c.name] { logic_.textChanged(*this, name); });
            widget = edit;
            break;
        }
        case DialogControlKind::ComboBox: {
            auto* combo = new QComboBox(this);
            combo->setEditable(!c.listOnly);
            combo->setInsertPolicy(QComboBox::NoInsert);
            for (const std::string& item : c.items)
                combo->addItem(fromText(item));
            if (c.listOnly) {
                combo->setCurrentIndex(combo->findText(fromText(c.text)));
                connect(combo, &QComboBox::activated, this,
                        [this, name = c.name] { logic_.textChanged(*this, name); });
            } else {
                combo->setEditText(fromText(c.text));
            }
            widget = combo;
            break;
        }
        case DialogControlKind::Button: {
            auto* button = new QPushButton(fromText(c.text), this);
            button->setDefault(c.isDefault);
            button->setAutoDefault(c.isDefault);
            button->setMinimumWidth(84);
            if (c.isCancel)
                cancel_ = c.name;
            connect(button, &QPushButton::clicked, this, [this, name = c.name] { press(name); });
            widget = button;
            break;
        }
        case DialogControlKind::Picture: {
            auto* label = new QLabel(this);
            const QImage image = pictures(c.picture, label->devicePixelRatioF());
            if (!image.isNull())
                label->setPixmap(QPixmap::fromImage(image));
            label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
            widget = label;
            break;
        }
        case DialogControlKind::Rule: {
            auto* rule = new QFrame(this);
            rule->setFrameShape(QFrame::HLine);
            rule->setFrameShadow(QFrame::Sunken);
            widget = rule;
            break;
        }
        }
        if (c.minimumWidth > 0)
            widget->setMinimumWidth(c.minimumWidth);
        widget->setObjectName(
            QString::fromUtf8(c.name.text().data(), static_cast<qsizetype>(c.name.text().size())));
        controls_[c.name] = widget;
        return widget;
    }

    QWidget* find(ControlName name) const {
        const auto found = controls_.find(name);
        return found == controls_.end() ? nullptr : found->second;
    }

    DialogLogic& logic_;
    QScrollArea* scroll_ = nullptr;
    std::map<ControlName, QWidget*> controls_;
    ControlName cancel_;
    bool closed_ = false;
};

} // namespace

void QtDialogs::showModal(DialogLogic& logic) {
    FormDialog dialog(owner_, logic, pictures_);
    logic.load(dialog);
    dialog.exec();
}

} // namespace tandora
