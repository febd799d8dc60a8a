#include <gtest/gtest.h>

#include "help/help_menu.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

struct OpenRow {
    std::string name;
    void (HelpMenu::*command)();
    std::string file; // shipped beside the program; empty: missing
    int result;       // the shell's answer
    std::string message;
    bool inHelpWindow; // shown in the program's own help window as well
};

void PrintTo(const OpenRow& row, std::ostream* os) {
    *os << row.name;
}

constexpr auto Readme = &HelpMenu::HelpMenu_Readme_Click;
constexpr auto Support = &HelpMenu::HelpMenu_Support_Click;
constexpr auto Store = &HelpMenu::HelpMenu_OrrinSoft_Click;

class ShippedFile : public ::testing::TestWithParam<OpenRow> {};

// Guards the readme, support and store items: each opens its own file (the readme as a document, the pages
// as file:// addresses), translates the shell's answer (5, 8, 27 and 31 have messages, success and other
// codes none), names a missing file without calling the shell, and shows the file in the help window when
// no program or no launcher could show it.
TEST_P(ShippedFile, OpensAndTranslatesTheShellsAnswer) {
    const OpenRow& r = GetParam();
    FakePlatform f;
    GameState state;
    if (!r.file.empty())
        f.files.put("/opt/tandora/" + r.file, "Tandora <&> rules");
    f.desktop.result(r.result);
    HelpMenu menu({f.platform, state});
    (menu.*r.command)();
    const std::string opened =
        r.command == Readme ? "open document /opt/tandora/" : "open address file:///opt/tandora/";
    EXPECT_EQ(f.log.matching("open"),
              r.file.empty() ? std::vector<std::string>{} : std::vector{opened + r.file});
    EXPECT_EQ(f.messages.shown(),
              r.message.empty() ? std::vector<std::string>{} : std::vector{"Tandora|48|" + r.message});
    EXPECT_EQ(f.log.matching("help").size(), r.inHelpWindow ? 1u : 0u);
    if (r.inHelpWindow) {
        const std::string shown = f.help.book.pages.at(0).html;
        EXPECT_EQ(shown, r.command == Readme
                             ? "<pre style=\"white-space: pre-wrap\">Tandora &lt;&amp;&gt; rules</pre>"
                             : "Tandora <&> rules");
    }
}

const std::string Denied = "Access was denied. The file may be in use by another application.";
const std::string NoTextProgram = "A program association for text files could not be found.";
const std::string NoWebProgram = "A program association for Web pages could not be found.";

INSTANTIATE_TEST_SUITE_P(
    Items, ShippedFile,
    ::testing::Values(
        OpenRow{"ReadmeAccessDenied", Readme, "readme.txt", 5, Denied, false},
        OpenRow{"ReadmeOutOfMemory", Readme, "readme.txt", 8, "Not enough memory available.", false},
        OpenRow{"ReadmeAssociationIncomplete", Readme, "readme.txt", 27, NoTextProgram, true},
        OpenRow{"ReadmeNoAssociation", Readme, "readme.txt", 31, NoTextProgram, true},
        OpenRow{"ReadmeWithoutALauncher", Readme, "readme.txt", ShellResult::NoLauncher, "", true},
        OpenRow{"ReadmeOpened", Readme, "readme.txt", 42, "", false},
        OpenRow{"ReadmeOtherFailure", Readme, "readme.txt", 2, "", false},
        OpenRow{"ReadmeMissing", Readme, "", 0, "The Readme.txt file could not be found.", false},
        OpenRow{"SupportAssociationIncomplete", Support, "support.html", 27, NoWebProgram, true},
        OpenRow{"SupportWithoutALauncher", Support, "support.html", ShellResult::NoLauncher, "", true},
        OpenRow{"SupportMissing", Support, "", 0, "The Technical Support page could not be found.", false},
        OpenRow{"StoreNoAssociation", Store, "store.html", 31, NoWebProgram, true},
        OpenRow{"StoreOpened", Store, "store.html", 42, "", false},
        OpenRow{"StoreMissing", Store, "", 0, "The store page could not be found.", false}),
    testing_support::RowName{});

// Guards addresses of folders a browser must be able to open: blanks and non-ASCII bytes escaped, Windows
// paths with their drive and forward slashes.
TEST(FileUrl, EscapesWhatAnAddressCannotHold) {
    EXPECT_EQ(fileUrlOf("/opt/tandora/support.html"), "file:///opt/tandora/support.html");
    EXPECT_EQ(fileUrlOf("/home/ann/my games/store.html"), "file:///home/ann/my%20games/store.html");
    EXPECT_EQ(fileUrlOf("/home/zo\xC3\xAB/x#1.html"), "file:///home/zo%C3%AB/x%231.html");
    EXPECT_EQ(fileUrlOf("C:\\Program Files\\Tandora/support.html"),
              "file:///C:/Program%20Files/Tandora/support.html");
}

} // namespace
} // namespace tandora
