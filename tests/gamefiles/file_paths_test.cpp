#include <gtest/gtest.h>

#include <tuple>

#include "platform/file_paths.h"
#include "tests/support/printers.h"

namespace tandora {
namespace {

constexpr std::string_view Linux = "/";
constexpr std::string_view Windows = "/\\";

// Guards the split at the last separator of the system, and a path without one; and the system's own
// separators, which the game uses when none are named.
TEST(PathSplit, GivesFolderAndNameAtTheSystemsSeparators) {
    using Row = std::tuple<std::string_view, const char*, const char*, const char*>;
    for (const auto& [separators, path, folder, file] :
         {Row{Windows, "C:\\Games\\my.tn2", "C:\\Games\\", "my.tn2"},
          Row{Windows, "C:/Games\\sub/my.tn2", "C:/Games\\sub/", "my.tn2"},
          Row{Linux, "/home/p/my.tn2", "/home/p/", "my.tn2"},
          Row{Linux, "/home/p/a\\b.tn2", "/home/p/", "a\\b.tn2"}, Row{Linux, "my.tn2", "", ""}}) {
        EXPECT_EQ(GetFilePath(path, separators), folder) << path;
        EXPECT_EQ(GetFileName(path, separators), file) << path;
    }
    // Without separators named, the system's own: a backslash ends a folder on Windows only (this test
    // runs in the Windows cross-build under Wine too).
#ifdef _WIN32
    EXPECT_EQ(GetFileName("C:\\Games\\my.tn2"), "my.tn2");
    EXPECT_EQ(GetFilePath("C:\\Games\\my.tn2"), "C:\\Games\\");
    EXPECT_EQ(pathRoot("\\\\server\\share\\games\\my.tn2"), "\\\\server\\share\\");
#else
    EXPECT_EQ(GetFileName("/home/p/a\\b.tn2"), "a\\b.tn2");
    EXPECT_EQ(pathRoot("/home/p/my.tn2"), "/");
#endif
}

const std::string Folder34 = "/home/player/Documents/games/2024/";
const std::string Name45 = std::string(41, 'n') + ".tn2";
const std::string Accents38 = std::string(36, 'a') + "\xC3\xA9\xC3\xA9"; // 40 bytes
const std::string Accents40 = std::string(38, 'a') + "\xC3\xA9\xC3\xA9";

// Guards the menu text of a recent file: whole up to 40 characters, else root, "..." and the name cut at
// 40 characters, never inside one.
TEST(RecentCaption, ShowsThePathOrShortensIt) {
    const std::tuple<std::string_view, std::string, std::string, std::string> rows[] = {
        {Linux, "-", "-", "-"},
        {Linux, Folder34 + "ab.tn2", "ab.tn2", "&2 " + Folder34 + "ab.tn2"},
        {Linux, Folder34 + "abc.tn2", "abc.tn2", "&2 /.../abc.tn2"},
        {Windows, "C:\\Program Files\\Tandora\\Saved Games\\a.tn2", "a.tn2", "&2 C:\\...\\a.tn2"},
        {Windows, "\\\\server\\share\\games\\of\\the\\week\\saved\\a.tn2", "a.tn2",
         "&2 \\\\server\\share\\...\\a.tn2"},
        {Linux, "/g/" + Name45, Name45, "&2 /.../" + Name45.substr(0, 40) + "..."},
        {Linux, "/" + Accents38 + "/", "x", "&2 /" + Accents38 + "/"},
        {Linux, "/g/" + Accents40 + "\xC3\xA9.tn2", Accents40 + "\xC3\xA9.tn2",
         "&2 /.../" + Accents40 + "..."},
        {Linux, "/g/R&D.tn2", "R&D.tn2", "&2 /g/R&&D.tn2"},
    };
    for (const auto& [separators, path, title, caption] : rows)
        EXPECT_EQ(recentCaption(2, path, title, separators), caption) << path;
}

} // namespace
} // namespace tandora
