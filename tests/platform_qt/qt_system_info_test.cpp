#include "platform/qt/qt_system_info.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "qt_test_app.h"

namespace tandora {
namespace {

// Sets an environment variable (or removes it) for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<QByteArray>& value)
        : name_(name), old_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
        set(value);
    }
    ~ScopedEnv() { set(old_); }

private:
    void set(const std::optional<QByteArray>& value) {
        if (value)
            qputenv(name_, *value);
        else
            qunsetenv(name_);
    }
    const char* name_;
    std::optional<QByteArray> old_;
};

// Guards against a second copy not being refused, and against the lock outliving the copy that held it.
TEST(QtSystemInfo, ASecondLockSeesTheFirstUntilItGoes) {
    test::qtApp();
    QTemporaryDir dir;
    const QString path = dir.filePath("tandora-test.lock");
    auto first = std::make_unique<QtSystemInfo>(path);
    EXPECT_FALSE(first->previousInstance());
    EXPECT_FALSE(first->previousInstance()) << "asking again must not find itself";
    EXPECT_TRUE(QtSystemInfo(path).previousInstance());
    first.reset();
    EXPECT_FALSE(QtSystemInfo(path).previousInstance());
}

// Guards the hand-over between copies: the running copy hears a later one's game file, or nothing, and a
// later copy that finds no running copy to hear it says so.
TEST(QtSystemInfo, ALaterCopyHandsItsFileToTheRunningOne) {
    test::qtApp();
    QTemporaryDir dir;
    const QString path = dir.filePath("tandora-test.lock");
    EXPECT_FALSE(QtSystemInfo(path).handToRunningCopy("/g/a.tn2")) << "nobody listens yet";
    QtSystemInfo first(path);
    ASSERT_FALSE(first.previousInstance());
    std::vector<std::string> heard;
    first.listenForOtherCopies([&heard](const std::string& file) { heard.push_back(file); });
    QtSystemInfo later(path);
    ASSERT_TRUE(later.previousInstance());
    EXPECT_TRUE(later.handToRunningCopy("/home/ann/my games/\xC3\xA9t\xC3\xA9.tn2"));
    EXPECT_TRUE(later.handToRunningCopy(""));
    EXPECT_TRUE(QTest::qWaitFor([&heard] { return heard.size() == 2; }, 3000));
    EXPECT_EQ(heard, (std::vector<std::string>{"/home/ann/my games/\xC3\xA9t\xC3\xA9.tn2", ""}));
}

// Guards against the lock sitting in the shared temporary folder under a name taken from $USER: with the
// variable unset every user shared one lock, and one user's copy refused another's.
TEST(QtSystemInfo, TheDefaultLockIsInTheUsersRuntimeFolderWhateverUserSays) {
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "XDG_RUNTIME_DIR names the runtime folder on Linux only";
#endif
    test::qtApp();
    QTemporaryDir runtime; // made owner-only, as a runtime folder must be
    ASSERT_TRUE(
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString named = QtSystemInfo::defaultLockPath();
    EXPECT_EQ(QFileInfo(named).absolutePath(), QFileInfo(runtime.path()).absoluteFilePath());
    {
        const ScopedEnv user("USER", std::nullopt);
        const ScopedEnv userName("USERNAME", std::nullopt);
        EXPECT_EQ(QtSystemInfo::defaultLockPath(), named) << "the lock must not depend on $USER";
    }

    QtSystemInfo first;
    EXPECT_EQ(first.lockPath(), named);
    EXPECT_FALSE(first.previousInstance());
    EXPECT_TRUE(QtSystemInfo().previousInstance());
}

} // namespace
} // namespace tandora
