#include "platform/qt/qt_message_boxes.h"

#include <QMessageBox>
#include <QRegularExpression>
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

// Guards texts with TABs (Hands Defined): the part after the TABs lines up in a second column whatever the
// font, lines without a TAB stay whole, and the text's own characters are never taken for markup.
TEST(QtMessageBoxes, TabbedLinesShowInTwoColumns) {
    test::qtApp();
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        shown = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QtMessageBoxes().messageBox("Flush\t\tFive <b>cards</b>.\r\nRoyal w/Deuce\tWild.\r\n\r\nNote:", 64,
                                "Hands");
    EXPECT_EQ(format, Qt::RichText);
    EXPECT_TRUE(
        shown.contains(QRegularExpression("<td[^>]*>Flush</td><td>Five &lt;b&gt;cards&lt;/b&gt;.</td>")))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(QRegularExpression("<td[^>]*>Royal w/Deuce</td><td>Wild.</td>")));
    EXPECT_TRUE(shown.contains(QRegularExpression("</table><p[^>]*>&nbsp;</p><p[^>]*>Note:</p>$")));
}

} // namespace
} // namespace tandora
