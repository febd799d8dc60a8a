#include "platform/qt/qt_dialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
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

// A report taller than any screen, like Hold Analysis on a small one.
class TallReport : public AmountDialog {
public:
    DialogLayout layout() const override {
        DialogLayout layout{"Hold Analysis", std::vector(80, std::vector{label(lblInstructions, "a line")})};
        layout.rows.push_back(okCancelButtons());
        return layout;
    }
};

// Guards dialogs on small screens: one taller than the screen scrolls its report and keeps OK on screen.
TEST(QtDialogs, TallDialogScrollsAndKeepsItsButtons) {
    test::qtApp();
    TallReport logic;
    showAndPlay(logic, [](QDialog& dialog) {
        const QRect screen = dialog.screen()->availableGeometry();
        EXPECT_LE(dialog.frameGeometry().height(), screen.height());
        auto* ok = dialog.findChild<QPushButton*>("btnOK");
        EXPECT_TRUE(screen.contains(ok->mapToGlobal(ok->rect().bottomRight())));
        dialog.findChild<QPushButton*>("btnCancel")->click();
    });
}

} // namespace
} // namespace tandora
