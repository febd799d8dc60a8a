#include <QByteArray>
#include <gtest/gtest.h>

namespace tandora {
namespace {

// Guards the tests' own set-up: ctest once passed only the first entry of every test's environment on,
// silently, so settings after it (Qt's logging rules here) never reached a test.
TEST(TestEnvironment, EveryEntryReachesTheTest) {
    if (!qEnvironmentVariableIsSet("TANDORA_CTEST"))
        GTEST_SKIP() << "run outside ctest";
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "offscreen");
    EXPECT_EQ(qgetenv("QT_LOGGING_RULES"), "qt.multimedia*=false");
}

} // namespace
} // namespace tandora
