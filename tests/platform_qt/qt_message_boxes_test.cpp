#include "platform/qt/qt_message_boxes.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "qt_test_app.h"

namespace tandora {
namespace {

struct BoxCase {
    const char* name;
    int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    Qt::Key key;
    int answer;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << c.name;
}

class QtMessageBoxesTest : public testing::TestWithParam<BoxCase> {};

// Guards against a wrong icon or button set for a style, and against Escape or Enter giving an answer the
// game does not expect (Escape must never mean Yes).
TEST_P(QtMessageBoxesTest, StyleGivesIconButtonsAndAnswers) {
    test::qtApp();
    const BoxCase& c = GetParam();
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        buttons = box->standardButtons();
        text = box->text();
        QTest::keyClick(box, c.key);
    });
    EXPECT_EQ(QtMessageBoxes().messageBox("first\r\nsecond", c.style, "Tandora"), c.answer);
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, c.buttons);
    EXPECT_EQ(text, "first\nsecond");
}

using B = QMessageBox;
INSTANTIATE_TEST_SUITE_P(
    Rows, QtMessageBoxesTest,
    testing::Values(
        BoxCase{"PlainOkEscape", 0, B::NoIcon, B::Ok, Qt::Key_Escape, 1},
        BoxCase{"CriticalOkEnter", 16, B::Critical, B::Ok, Qt::Key_Return, 1},
        BoxCase{"ExclamationOkEscape", 48, B::Warning, B::Ok, Qt::Key_Escape, 1},
        BoxCase{"InformationOkEnter", 64, B::Information, B::Ok, Qt::Key_Return, 1},
        BoxCase{"YesNoEscapeIsNo", 36, B::Question, B::Yes | B::No, Qt::Key_Escape, 7},
        BoxCase{"YesNoEnterIsYes", 36, B::Question, B::Yes | B::No, Qt::Key_Return, 6},
        BoxCase{"YesNoCancelEscapeIsCancel", 35, B::Question, B::Yes | B::No | B::Cancel, Qt::Key_Escape, 2},
        BoxCase{"YesNoCancelEnterIsYes", 35, B::Question, B::Yes | B::No | B::Cancel, Qt::Key_Return, 6}),
    [](const testing::TestParamInfo<BoxCase>& row) { return std::string(row.param.name); });

} // namespace
} // namespace tandora
