#include "ui/main/instance_lock.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace zrt::test {
namespace {

TEST(InstanceLock, ASecondCopyFindsTheFirstButNotOneThatDiedNorAnUnusableFolder)
{
    QTemporaryDir runtime;
    std::optional<InstanceLock> first(std::in_place, runtime.path());
    EXPECT_FALSE(first->anotherCopyRunning());
    EXPECT_TRUE(InstanceLock(runtime.path()).anotherCopyRunning());
    first.reset();
    EXPECT_FALSE(InstanceLock(runtime.path()).anotherCopyRunning()) << "free again once the first has ended";

    QFile lock(runtime.filePath(QStringLiteral("zrtellix.lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // Above the largest process number Linux hands out.
    lock.write("4194305\nzrtellix\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    EXPECT_FALSE(InstanceLock(runtime.path()).anotherCopyRunning());
    EXPECT_FALSE(InstanceLock(QStringLiteral("/proc/zrtellix-none")).anotherCopyRunning())
        << "a folder that cannot hold the lock does not stop the program";
}

} // namespace
} // namespace zrt::test
