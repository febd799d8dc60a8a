#include "platform/qt/qt_help_window.h"

#include <QListWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "qt_test_app.h"

namespace tandora {
namespace {

HelpBook smallBook() {
    return {
        "Tandora Help",
        {{"welcome", "Welcome", "<h1>Welcome</h1><p>See <a href=\"help:double-up\">the Double Up</a>.</p>"},
         {"how-to-play", "How to Play", "<h1>How to Play</h1><p>Bet, deal, hold, draw.</p>"},
         {"double-up", "The Double Up", "<h1>The Double Up</h1><p>Higher card doubles.</p>"}}};
}

// Guards the help window: it opens at the asked page beside the table, lists every page, and the contents
// list and the links between pages both turn the page.
TEST(QtHelpWindow, ShowsThePageAndFollowsContentsAndLinks) {
    test::qtApp();
    QtHelpWindow window;
    window.showHelp(smallBook(), "how-to-play");
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(window.windowTitle(), "Tandora Help");
    auto* contents = window.findChild<QListWidget*>("contents");
    auto* page = window.findChild<QTextBrowser*>("page");
    ASSERT_NE(contents, nullptr);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(contents->count(), 3);
    EXPECT_EQ(window.currentPage(), "how-to-play");
    EXPECT_TRUE(page->toPlainText().contains("Bet, deal, hold, draw."));

    contents->setCurrentRow(0);
    EXPECT_TRUE(page->toPlainText().contains("See the Double Up."));
    emit page->anchorClicked(QUrl("help:double-up"));
    EXPECT_EQ(window.currentPage(), "double-up");
    EXPECT_TRUE(page->toPlainText().contains("Higher card doubles."));

    // Asked again (F1 once more), the open window turns to the page without doubling its contents.
    window.showHelp(smallBook(), "no-such-page");
    EXPECT_EQ(contents->count(), 3);
    EXPECT_EQ(window.currentPage(), "welcome");
}

} // namespace
} // namespace tandora
