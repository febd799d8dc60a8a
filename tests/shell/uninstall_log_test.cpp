#include <gtest/gtest.h>

#include "shell/tandora_app.h"
#include "tests/support/fake_platform.h"

namespace tandora {
namespace {

using testing_support::FakePlatform;

constexpr const char* LogPath = "/opt/tandora/st6unst.log";
const std::string SetupLines = "ACTION: Install\r\n";
constexpr const char* Warning =
    "Tandora|48|The uninstall information may be corrupt. If you decide to uninstall "
    "Tandora 2.0 you may need to do it manually. The Readme.txt file has instructions.";

std::string key(const std::string& section) {
    return R"(ACTION: RegKey: "HKEY_CURRENT_USER\Software\VB and VBA Program Settings", "Tandora\)" +
           section + "\"\r\n";
}

std::string value(const std::string& section, const std::string& name) {
    return R"(ACTION: RegValue: "HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Tandora\)" + section +
           R"(", ")" + name + "\"\r\n";
}

// The 27 designed lines as the uninstaller expects them, section by section, then the Strategy section's.
std::string expectedLines() {
    std::string text = key("MainWindow");
    for (const char* k : {"FirstTime", "Left", "Top", "WindowState"})
        text += value("MainWindow", k);
    text += key("Options");
    for (const char* k : {"BlueDeck", "DefPoints", "DeucesWild", "DoubleUp", "JacksOrBetter",
                          "JacksOrBetter96", "Jokerpoker", "LoadLastGame", "RedDeck", "SoundEffects"})
        text += value("Options", k);
    text += key("RecentFiles");
    for (const char* k : {"File 1", "File 2", "File 3", "File 4", "Title 1", "Title 2", "Title 3", "Title 4"})
        text += value("RecentFiles", k);
    text += key("Bank") + value("Bank", "Credits");
    text += key("Strategy") + value("Strategy", "ShowBestHold") + value("Strategy", "Trainer");
    text += key("PayTables");
    for (const char* k : {"jb85", "jb96", "dw", "jp"})
        text += value("PayTables", k);
    return text;
}

// One start of the program on the platform f, as a player's session would begin.
void run(FakePlatform& f) {
    ShellHooks hooks;
    TandoraApp app(f.platform, f.splash, hooks);
    ASSERT_TRUE(app.start());
}

// Guards the first run on an install with a log: the 30 lines go after what the setup wrote, once; the
// second run leaves the log alone.
TEST(UninstallLog, FirstRunAppendsTheSettingsOnce) {
    FakePlatform f;
    f.desktop.keepsUninstallLog = true;
    f.files.put(LogPath, SetupLines);
    run(f);
    EXPECT_EQ(f.files.contents(LogPath), SetupLines + expectedLines());
    EXPECT_EQ(f.settings.value("MainWindow", "FirstTime"), "False");
    const std::size_t mark = f.log.size();
    run(f);
    EXPECT_EQ(f.files.contents(LogPath), SetupLines + expectedLines());
    EXPECT_TRUE(f.log.textFrom(mark).find("file append") == std::string::npos);
    EXPECT_TRUE(f.messages.shown().empty());
}

// Guards a missing or unwritable log: the warning once, on the first run only, and the start goes on.
TEST(UninstallLog, MissingOrUnwritableLogWarnsOnce) {
    for (const bool present : {false, true}) {
        SCOPED_TRACE(present ? "log refuses the append" : "no log");
        FakePlatform f;
        f.desktop.keepsUninstallLog = true;
        if (present) {
            f.files.put(LogPath, SetupLines);
            f.files.failWrites("Permission denied");
        }
        run(f);
        EXPECT_EQ(f.messages.shown(), (std::vector<std::string>{Warning}));
        EXPECT_EQ(f.settings.value("MainWindow", "FirstTime"), "False");
        EXPECT_EQ(f.view.scene().caption, "Tandora - [untitled]") << "set-up went on";
        run(f);
        EXPECT_EQ(f.messages.shown().size(), 1u);
        EXPECT_EQ(f.files.contents(LogPath), present ? SetupLines : "");
    }
}

// Guards Linux installs, which have no uninstall log: the first run neither warns nor writes, and still
// marks itself done.
TEST(UninstallLog, LinuxHasNoLogToAppendTo) {
    FakePlatform f;
    f.files.put(LogPath, SetupLines);
    run(f);
    EXPECT_TRUE(f.messages.shown().empty());
    EXPECT_EQ(f.files.contents(LogPath), SetupLines);
    EXPECT_EQ(f.settings.value("MainWindow", "FirstTime"), "False");
}

} // namespace
} // namespace tandora
