#include "platform/qt/qt_dialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>

#include "qt_test_app.h"

namespace tandora {
namespace {

// A dialog like the bank's: a label set at load, a text box, OK (default) and Cancel. OK closes only for
// a number; every press is recorded.
constexpr ControlName txtAmount{"txtAmount"};
constexpr ControlName Combo1{"Combo1"};
constexpr ControlName lblInstructions{"lblInstructions"};

class AmountDialog : public DialogLogic {
public:
    DialogLayout layout() const override {
        DialogControl amount;
        amount.kind = DialogControlKind::TextBox;
        amount.name = txtAmount;
        DialogControl points;
        points.kind = DialogControlKind::ComboBox;
        points.name = Combo1;
        points.items = {"5", "10", "20"};
        points.text = "10";
        return {"Credit Bank", {{label(lblInstructions, "")}, {amount, points}, okCancelButtons()}};
    }
    void load(DialogWindow& window) override {
        window.setText(lblInstructions, "first line\r\nsecond line");
        window.setText(txtAmount, "25");
        window.selectAll(txtAmount);
    }
    void buttonClicked(DialogWindow& window, ControlName button) override {
        presses.push_back(std::string(button.text()) + ":" + window.text(txtAmount) + ":" +
                          window.text(Combo1));
        if (button == btnCancel ||
            window.text(txtAmount).find_first_not_of("0123456789") == std::string::npos)
            window.close();
    }
    std::vector<std::string> presses;
};

// Runs player once the dialog is up, then shows it; returns when it has closed.
void showAndPlay(DialogLogic& logic, const std::function<void(QDialog&)>& player) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        player(*dialog);
    });
    QtDialogs().showModal(logic);
}

// Guards the humble view: it shows what the logic set, hands the typed text and every button to the logic,
// stays open until the logic closes it, and Enter presses the default button.
TEST(QtDialogs, ReportsButtonsAndStaysOpenUntilTheLogicCloses) {
    test::qtApp();
    AmountDialog logic;
    showAndPlay(logic, [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Credit Bank");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblInstructions")->text(), "first line\nsecond line");
        auto* amount = dialog.findChild<QLineEdit*>("txtAmount");
        EXPECT_EQ(amount->selectedText(), "25") << "the whole text is selected for typing over";
        QTest::keyClicks(amount, "abc");
        dialog.findChild<QPushButton*>("btnOK")->click();
        EXPECT_TRUE(dialog.isVisible()) << "the logic refused the text";
        amount->setText("40");
        QTest::keyClick(amount, Qt::Key_Return);
    });
    EXPECT_EQ(logic.presses, (std::vector<std::string>{"btnOK:abc:10", "btnOK:40:10"}));
}

// A dialog that works off the interface thread: it hears each edit and pick, and is polled while open.
class LiveDialog : public AmountDialog {
public:
    DialogLayout layout() const override {
        DialogLayout layout = AmountDialog::layout();
        layout.rows[1][1].listOnly = true;
        return layout;
    }
    void textChanged(DialogWindow& window, ControlName control) override {
        changes.push_back(std::string(control.text()) + "=" + window.text(control));
    }
    bool poll(DialogWindow& window) override {
        if (++polls == 2)
            window.setText(Combo1, "20");
        return false;
    }
    std::vector<std::string> changes;
    int polls = 0;
};

// Guards the live dialog's view: typing and picking reach the logic, the logic's own texts do not come back
// as edits, a list-only combo box takes no typing, and the logic is polled while the dialog is open.
TEST(QtDialogs, ReportsEditsAndPicksAndPollsWhileOpen) {
    test::qtApp();
    LiveDialog logic;
    showAndPlay(logic, [&](QDialog& dialog) {
        auto* combo = dialog.findChild<QComboBox*>("Combo1");
        EXPECT_FALSE(combo->isEditable());
        QTest::keyClicks(dialog.findChild<QLineEdit*>("txtAmount"), "7");
        QTest::qWait(5 * DialogPollInterval.count());
        EXPECT_EQ(combo->currentText(), "20") << "set by the logic while polled";
        combo->setCurrentIndex(0);
        emit combo->activated(0);
        dialog.findChild<QPushButton*>("btnCancel")->click();
    });
    EXPECT_EQ(logic.changes, (std::vector<std::string>{"txtAmount=7", "Combo1=5"}));
}

// Guards the ways out: Escape and the close box press the cancel button, whose logic closes the dialog.
TEST(QtDialogs, EscapeAndCloseBoxPressCancel) {
    test::qtApp();
    for (const bool escape : {true, false}) {
        AmountDialog logic;
        showAndPlay(logic, [escape](QDialog& dialog) {
            dialog.findChild<QComboBox*>("Combo1")->setEditText("20");
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.close();
        });
        EXPECT_EQ(logic.presses, (std::vector<std::string>{"btnCancel:25:20"}))
            << (escape ? "Escape" : "close box");
    }
}

} // namespace
} // namespace tandora
