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

// Guards against values or keys with spaces not coming back as written, and against a second store
// (the next run of the program) not seeing what the first saved.
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
}

// Guards against a missing key reading as empty text instead of the caller's default, and against
// applications or sections sharing values.
TEST(QtSettingsStore, AbsentKeysGiveTheDefault) {
    test::qtApp();
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    store.saveSetting("Tandora", "Options", "DoubleUp", "False");
    EXPECT_EQ(store.getSetting("Tandora", "Options", "SoundEffects", "True"), "True");
    EXPECT_EQ(store.getSetting("Tandora", "Bank", "DoubleUp", "0"), "0");
    EXPECT_EQ(store.getSetting("Other", "Options", "DoubleUp", "True"), "True");
    EXPECT_EQ(store.getSetting("Tandora", "Options", "DoubleUp", "True"), "False");
}

} // namespace
} // namespace tandora
