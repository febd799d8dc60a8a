#include "platform/qt/qt_settings_store.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "qt_test_app.h"

namespace tandora {
namespace {

struct Stored {
    const char* section;
    const char* key;
    const char* value;
};

// Values the game really writes, plus the texts an INI file likes to mangle (commas, quotes, @, blanks).
const Stored storedValues[] = {
    {"Options", "LoadLastGame", "True"},
    {"Options", "DefPoints", "80"},
    {"RecentFiles", "File 1", "/home/player/My Games/night, late.tn2"},
    {"RecentFiles", "Title 1", "night, late"},
    {"RecentFiles", "Title 2", "\"quoted\" = @odd;"},
    {"MainWindow", "Top", "-50"},
    {"Bank", "Credits", "999999"},
    {"Bank", "Empty", ""},
};

// Guards against values or keys with spaces not coming back as written, against a second store (the next
// run of the program) not seeing what the first saved, and against absent keys not giving the default.
TEST(QtSettingsStore, ValuesComeBackThroughASecondStoreOnTheSameFolder) {
    test::qtApp();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        QtSettingsStore first(dir.path());
        for (const Stored& s : storedValues) {
            first.saveSetting("Tandora", s.section, s.key, s.value);
        }
    }
    QtSettingsStore second(dir.path());
    for (const Stored& s : storedValues) {
        EXPECT_EQ(second.getSetting("Tandora", s.section, s.key, "absent"), s.value)
            << s.section << "/" << s.key;
    }
    // A missing key gives the caller's default, never empty text; applications and sections stay apart.
    EXPECT_EQ(second.getSetting("Tandora", "Options", "SoundEffects", "True"), "True");
    EXPECT_EQ(second.getSetting("Tandora", "Options", "Credits", "0"), "0");
    EXPECT_EQ(second.getSetting("Other", "Options", "LoadLastGame", "False"), "False");
}

} // namespace
} // namespace tandora
