#include <gtest/gtest.h>

#include "shell/tandora_app.h"
#include "tests/support/fake_platform.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

struct CommandRow {
    std::string name;
    MenuItem item;
    std::string firstEffect; // the start of the first transcript line the command leaves
};

void PrintTo(const CommandRow& row, std::ostream* os) {
    *os << menuItemName(row.item);
}

class MenuCommands : public ::testing::TestWithParam<CommandRow> {};

// Guards the menu bar: the statistics and every Help item reach their own command.
TEST_P(MenuCommands, ReachTheirCommand) {
    FakePlatform f;
    ShellHooks hooks;
    TandoraApp app(f.platform, f.splash, hooks);
    ASSERT_TRUE(app.start());
    const std::size_t mark = f.log.size();
    app.menuClick({GetParam().item});
    ASSERT_GT(f.log.size(), mark);
    const std::string& first = f.log.lines()[mark];
    EXPECT_EQ(first.substr(0, GetParam().firstEffect.size()), GetParam().firstEffect) << first;
}

INSTANTIATE_TEST_SUITE_P(
    Items, MenuCommands,
    ::testing::Values(
        CommandRow{"Stats", MenuItem::GameMenu_Stats, "dialog Game Statistics for - [untitled] shown"},
        CommandRow{"Contents", MenuItem::HelpMenu_Contents, "help welcome"},
        CommandRow{"KeyShortcuts", MenuItem::HelpMenu_KeyShortcuts, "dialog Keyboard Shortcuts shown"},
        CommandRow{"Readme", MenuItem::HelpMenu_Readme,
                   "message Tandora: The Readme.txt file could not be found."},
        CommandRow{"GettingStarted", MenuItem::HelpMenu_GettingStarted, "message Getting Started: Step 1"},
        CommandRow{"Hands", MenuItem::HelpMenu_Hands, "message Hands Defined - Jacks Or Better: Royal Flush"},
        CommandRow{"Support", MenuItem::HelpMenu_Support, "message Tandora: The Technical Support page"},
        CommandRow{"Store", MenuItem::HelpMenu_OrrinSoft, "message Tandora: The store page"},
        CommandRow{"About", MenuItem::HelpMenu_AboutTND, "dialog About Tandora shown"}),
    testing_support::RowName{});

} // namespace
} // namespace tandora
