#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>

#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_help_window.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_splash_window.h"
#include "qt_test_app.h"

namespace tandora {
namespace {

// Runs player on the modal window once it is up, while show() runs; returns show()'s answer.
template <typename Window, typename Show>
auto whileShown(const std::function<void(Window&)>& player, Show show) {
    test::qtApp();
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        player(*window);
    });
    return show();
}

// A dialog like the bank's: a label set at load, a text box, a combo box (list-only when asked), maybe a
// report of many lines, OK (default) and Cancel. OK closes only for a number; every press, edit and pick is
// recorded, and a list-only dialog works off the interface thread: its second poll picks "20".
constexpr ControlName txtAmount{"txtAmount"};
constexpr ControlName Combo1{"Combo1"};
constexpr ControlName lblInstructions{"lblInstructions"};

class AmountDialog : public DialogLogic {
public:
    DialogLayout layout() const override {
        using K = DialogControlKind;
        const DialogControl amount{.kind = K::TextBox, .name = txtAmount, .text = "", .items = {}};
        DialogControl points{.kind = K::ComboBox, .name = Combo1, .text = "10", .items = {"5", "10", "20"}};
        points.listOnly = listOnly;
        DialogLayout layout{"Credit Bank", {{label(lblInstructions, "")}, {amount, points}}};
        layout.rows.insert(layout.rows.end(), reportLines, {label(ControlName{"lblLine"}, "a line")});
        layout.rows.push_back(okCancelButtons());
        return layout;
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
    void textChanged(DialogWindow& window, ControlName control) override {
        changes.push_back(std::string(control.text()) + "=" + window.text(control));
    }
    bool poll(DialogWindow& window) override {
        if (listOnly && ++polls == 2)
            window.setText(Combo1, "20");
        return false;
    }
    bool listOnly = false;
    std::size_t reportLines = 0;
    std::vector<std::string> presses, changes;
    int polls = 0;
};

// Guards the humble view: it shows what the logic set, hands the typed text and every button to the logic,
// stays open until the logic closes it, and Enter presses the default button; Escape and the close box
// press the cancel button, whose logic closes the dialog.
TEST(QtDialogs, ReportsButtonsAndStaysOpenUntilTheLogicCloses) {
    AmountDialog logic;
    whileShown<QDialog>(
        [](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Credit Bank");
            EXPECT_EQ(dialog.findChild<QLabel*>("lblInstructions")->text(), "first line\nsecond line");
            auto* amount = dialog.findChild<QLineEdit*>("txtAmount");
            EXPECT_EQ(amount->selectedText(), "25") << "the whole text is selected for typing over";
            QTest::keyClicks(amount, "abc");
            dialog.findChild<QPushButton*>("btnOK")->click();
            EXPECT_TRUE(dialog.isVisible()) << "the logic refused the text";
            amount->setText("40");
            QTest::keyClick(amount, Qt::Key_Return);
        },
        [&] { QtDialogs().showModal(logic); });
    for (const bool escape : {true, false})
        whileShown<QDialog>(
            [escape](QDialog& dialog) {
                dialog.findChild<QComboBox*>("Combo1")->setEditText("20");
                escape ? QTest::keyClick(&dialog, Qt::Key_Escape) : void(dialog.close());
            },
            [&] { QtDialogs().showModal(logic); });
    EXPECT_EQ(logic.presses, (std::vector<std::string>{"btnOK:abc:10", "btnOK:40:10", "btnCancel:25:20",
                                                       "btnCancel:25:20"}));
}

// Guards the live dialog's view: typing and picking reach the logic, the logic's own texts do not come back
// as edits, a list-only combo box takes no typing, and the logic is polled while the dialog is open; and
// dialogs on small screens: a report taller than the screen (Hold Analysis) scrolls and keeps OK on screen.
TEST(QtDialogs, ReportsEditsAndPicksPollsWhileOpenAndKeepsATallDialogsButtonsOnScreen) {
    AmountDialog logic;
    logic.listOnly = true;
    logic.reportLines = 80;
    whileShown<QDialog>(
        [&](QDialog& dialog) {
            const QRect screen = dialog.screen()->availableGeometry();
            EXPECT_LE(dialog.frameGeometry().height(), screen.height());
            auto* ok = dialog.findChild<QPushButton*>("btnOK");
            EXPECT_TRUE(screen.contains(ok->mapToGlobal(ok->rect().bottomRight())));
            auto* combo = dialog.findChild<QComboBox*>("Combo1");
            EXPECT_FALSE(combo->isEditable());
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtAmount"), "7");
            QTest::qWait(5 * DialogPollInterval.count());
            EXPECT_EQ(combo->currentText(), "20") << "set by the logic while polled";
            combo->setCurrentIndex(0);
            emit combo->activated(0);
            dialog.findChild<QPushButton*>("btnCancel")->click();
        },
        [&] { QtDialogs().showModal(logic); });
    EXPECT_EQ(logic.changes, (std::vector<std::string>{"txtAmount=7", "Combo1=5"}));
}

// Guards against a wrong icon or button set for a style, and against Escape or Enter giving an answer the
// game does not expect (Escape must never mean Yes); and texts with TABs (Hands Defined): the part after the
// TABs lines up in a second column whatever the font, lines without a TAB stay whole, and the text's own
// characters are never taken for markup.
TEST(QtMessageBoxes, StyleGivesIconButtonsAndAnswersAndTabbedLinesShowInTwoColumns) {
    using B = QMessageBox;
    const std::tuple<int, B::Icon, B::StandardButtons, int, int> rows[] = {
        {0, B::NoIcon, B::Ok, 1, 1},
        {16, B::Critical, B::Ok, 1, 1},
        {48, B::Warning, B::Ok, 1, 1},
        {64, B::Information, B::Ok, 1, 1},
        {36, B::Question, B::Yes | B::No, 7, 6},
        {35, B::Question, B::Yes | B::No | B::Cancel, 2, 6}};
    for (const auto& [style, icon, buttons, onEscape, onEnter] : rows)
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            SCOPED_TRACE(std::to_string(style) + (key == Qt::Key_Escape ? " Escape" : " Enter"));
            const int given = whileShown<QMessageBox>(
                [&](QMessageBox& box) {
                    EXPECT_EQ(box.icon(), icon);
                    EXPECT_EQ(box.standardButtons(), buttons);
                    EXPECT_EQ(box.text(), "first\nsecond");
                    QTest::keyClick(&box, key);
                },
                [&] { return QtMessageBoxes().messageBox("first\r\nsecond", style, "Tandora"); });
            EXPECT_EQ(given, key == Qt::Key_Escape ? onEscape : onEnter);
        }
    whileShown<QMessageBox>(
        [](QMessageBox& box) {
            EXPECT_EQ(box.textFormat(), Qt::RichText);
            EXPECT_TRUE(box.text().contains(
                QRegularExpression("<td[^>]*>Flush</td><td>Five "
                                   "&lt;b&gt;cards&lt;/b&gt;.</td></tr><tr><td[^>]*>Royal w/Deuce</td>"
                                   "<td>Wild.</td></tr></table><p[^>]*>&nbsp;</p><p[^>]*>Note:</p>$")))
                << box.text().toStdString();
            QTest::keyClick(&box, Qt::Key_Return);
        },
        [] {
            return QtMessageBoxes().messageBox(
                "Flush\t\tFive <b>cards</b>.\r\nRoyal w/Deuce\tWild.\r\n\r\nNote:", 64, "Hands");
        });
}

// Guards the help window: it opens at the asked page beside the table, lists every page, the contents list
// and the links between pages both turn the page, and asked again (F1 once more) the open window turns to
// the page without doubling its contents.
TEST(QtHelpWindow, ShowsThePageAndFollowsContentsAndLinks) {
    test::qtApp();
    const HelpBook book{
        "Tandora Help",
        {{"welcome", "Welcome", "<h1>Welcome</h1><p>See <a href=\"help:double-up\">the Double Up</a>.</p>"},
         {"how-to-play", "How to Play", "<h1>How to Play</h1><p>Bet, deal, hold, draw.</p>"},
         {"double-up", "The Double Up", "<h1>The Double Up</h1><p>Higher card doubles.</p>"}}};
    QtHelpWindow window;
    window.showHelp(book, "how-to-play");
    EXPECT_TRUE(window.isVisible() && !window.isModal());
    EXPECT_EQ(window.windowTitle(), "Tandora Help");
    auto* contents = window.findChild<QListWidget*>("contents");
    auto* page = window.findChild<QTextBrowser*>("page");
    ASSERT_TRUE(contents && page);
    EXPECT_EQ(contents->count(), 3);
    EXPECT_EQ(window.currentPage(), "how-to-play");
    EXPECT_TRUE(page->toPlainText().contains("Bet, deal, hold, draw."));
    contents->setCurrentRow(0);
    EXPECT_TRUE(page->toPlainText().contains("See the Double Up."));
    emit page->anchorClicked(QUrl("help:double-up"));
    EXPECT_EQ(window.currentPage(), "double-up");
    EXPECT_TRUE(page->toPlainText().contains("Higher card doubles."));
    window.showHelp(book, "no-such-page");
    EXPECT_EQ(contents->count(), 3);
    EXPECT_EQ(window.currentPage(), "welcome");
}

// Guards against the main window being shown twice or never, whichever way the splash goes (its timer, a
// click, Escape, closed twice), and against the timer still firing after the player closed the splash.
TEST(QtSplashWindow, ClosingRunsTheUnloadHandlerOnce) {
    test::qtApp();
    for (const std::string by : {"timer", "click", "escape", "closeTwice"}) {
        SCOPED_TRACE(by);
        QtSplashWindow splash([](int) { return QImage(390, 191, QImage::Format_RGB32); });
        int ticks = 0, unloads = 0;
        splash.setUnloadHandler([&] { ++unloads; });
        splash.showSplash();
        splash.startTimer(by == "timer" ? 10 : 100, [&] { ++ticks, splash.closeSplash(); });
        EXPECT_EQ(splash.size(), QSize(410, 211));
        if (by == "click")
            QTest::mouseClick(&splash, Qt::LeftButton);
        else if (by == "escape")
            QTest::keyClick(&splash, Qt::Key_Escape);
        else if (by == "closeTwice")
            splash.closeSplash(), splash.closeSplash();
        QTest::qWait(200);
        EXPECT_EQ(unloads, 1);
        EXPECT_EQ(ticks, by == "timer");
        EXPECT_FALSE(splash.isVisible());
    }
}

} // namespace
} // namespace tandora
