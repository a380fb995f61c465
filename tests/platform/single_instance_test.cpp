#include "platform/qt/single_instance.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSignalSpy>

#include "temp_home.h"

namespace {

using platform::SingleInstance;

TEST(SingleInstanceTest, ASecondCopyAsksTheFirstToComeForward) {
    testing_support::TempHome home;
    SingleInstance first;
    ASSERT_EQ(first.acquire(), SingleInstance::Result::First);
    EXPECT_TRUE(first.lockPath().startsWith(QString::fromStdString(home.root().string())));
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);

    SingleInstance second;
    EXPECT_EQ(second.acquire(1000), SingleInstance::Result::AnotherRunning);
    EXPECT_TRUE(raised.wait(2000) || raised.count() == 1);
    EXPECT_EQ(raised.count(), 1);
}

TEST(SingleInstanceTest, TheLockIsFreeAgainWhenTheFirstCopyEnds) {
    testing_support::TempHome home;
    {
        SingleInstance first;
        ASSERT_EQ(first.acquire(), SingleInstance::Result::First);
    }
    SingleInstance next;
    EXPECT_EQ(next.acquire(), SingleInstance::Result::First);
    EXPECT_TRUE(QFileInfo::exists(next.socketPath()));
}

TEST(SingleInstanceTest, ASecondCopyWithNobodyListeningStillEnds) {
    testing_support::TempHome home;
    SingleInstance first(QStringLiteral("other-name"));
    ASSERT_EQ(first.acquire(), SingleInstance::Result::First);
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    // A lock held by a copy whose socket is gone: the later copy gives up in time.
    QFile::remove(first.socketPath());
    SingleInstance second(QStringLiteral("other-name"));
    EXPECT_EQ(second.acquire(300), SingleInstance::Result::AnotherRunning);
    EXPECT_EQ(raised.count(), 0);
}

}  // namespace
