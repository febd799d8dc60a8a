#include "platform/qt/qt_system_info.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "qt_test_app.h"

namespace tandora {
namespace {

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

} // namespace
} // namespace tandora
