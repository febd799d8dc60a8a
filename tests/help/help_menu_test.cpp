#include <gtest/gtest.h>

#include "help/help_menu.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

struct ShellRow {
    std::string name;
    int result;
    std::string message; // empty: none
};

void PrintTo(const ShellRow& row, std::ostream* os) {
    *os << "shell result " << row.result;
}

constexpr const char* Denied = "Access was denied. The file may be in use by another application.";
constexpr const char* Memory = "Not enough memory available.";

class ReadmeFile : public ::testing::TestWithParam<ShellRow> {};

// Guards the readme's shell answers: 5, 8, 27 and 31 have their designed messages, success and any other
// code none.
TEST_P(ReadmeFile, TranslatesTheShellsAnswer) {
    FakePlatform f;
    GameState state;
    f.files.put("/opt/tandora/readme.txt", "Tandora");
    f.desktop.result(GetParam().result);
    HelpMenu({f.platform, state}).HelpMenu_Readme_Click();
    EXPECT_EQ(f.log.matching("open document"),
              (std::vector<std::string>{"open document /opt/tandora/readme.txt"}));
    const std::vector<std::string> expected = GetParam().message.empty()
                                                  ? std::vector<std::string>{}
                                                  : std::vector{"Tandora|48|" + GetParam().message};
    EXPECT_EQ(f.messages.shown(), expected);
}

constexpr const char* NoTextProgram = "A program association for text files could not be found.";
constexpr const char* NoWebProgram = "A program association for Web pages could not be found.";

INSTANTIATE_TEST_SUITE_P(Results, ReadmeFile,
                         ::testing::Values(ShellRow{"AccessDenied", 5, Denied},
                                           ShellRow{"OutOfMemory", 8, Memory},
                                           ShellRow{"AssociationIncomplete", 27, NoTextProgram},
                                           ShellRow{"NoAssociation", 31, NoTextProgram},
                                           ShellRow{"Success", 42, ""}, ShellRow{"OtherFailure", 2, ""}),
                         testing_support::RowName{});

// Guards the missing readme: its own message, and the shell is never asked.
TEST(ReadmeFileMissing, SaysSoWithoutCallingTheShell) {
    FakePlatform f;
    GameState state;
    HelpMenu({f.platform, state}).HelpMenu_Readme_Click();
    EXPECT_EQ(f.messages.shown(),
              (std::vector<std::string>{"Tandora|48|The Readme.txt file could not be found."}));
    EXPECT_TRUE(f.log.matching("open").empty());
}

// Guards the support and store items: each opens its own page beside the program as a file:// address,
// translates the shell's answers for web pages, and names a page that is missing without calling the shell.
TEST(ShippedPages, OpenThePageAndTranslateTheShellsAnswer) {
    const std::tuple<void (HelpMenu::*)(), std::string, int, std::string> cases[] = {
        {&HelpMenu::HelpMenu_Support_Click, "support.html", 5, Denied},
        {&HelpMenu::HelpMenu_Support_Click, "support.html", 27, NoWebProgram},
        {&HelpMenu::HelpMenu_OrrinSoft_Click, "store.html", 31, NoWebProgram},
        {&HelpMenu::HelpMenu_OrrinSoft_Click, "store.html", 42, ""},
        {&HelpMenu::HelpMenu_Support_Click, "", 0, "The Technical Support page could not be found."},
        {&HelpMenu::HelpMenu_OrrinSoft_Click, "", 0, "The store page could not be found."},
    };
    for (const auto& [command, file, result, message] : cases) {
        SCOPED_TRACE(file + " " + std::to_string(result));
        FakePlatform f;
        GameState state;
        if (!file.empty())
            f.files.put("/opt/tandora/" + file, "<html></html>");
        f.desktop.result(result);
        HelpMenu menu({f.platform, state});
        (menu.*command)();
        EXPECT_EQ(f.log.matching("open address"),
                  file.empty() ? std::vector<std::string>{}
                               : std::vector{"open address file:///opt/tandora/" + file});
        EXPECT_EQ(f.messages.shown(),
                  message.empty() ? std::vector<std::string>{} : std::vector{"Tandora|48|" + message});
    }
}

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
