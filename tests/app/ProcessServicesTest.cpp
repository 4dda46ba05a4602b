// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSignalSpy>
#include <QTemporaryDir>
#include <csignal>

#include "ShellTestSupport.h"
#include "app/CSignalWatcher.h"
#include "app/CSingleInstance.h"

namespace {

class ProcessServicesTest : public ShellTest {};

TEST_F(ProcessServicesTest, SecondInstanceCallsTheFirstForward) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    CSingleInstance first(runtime.path());
    ASSERT_EQ(first.Claim(), CSingleInstance::Outcome::First);
    QSignalSpy activation(&first, &CSingleInstance::ActivationRequested);

    CSingleInstance second(runtime.path());
    EXPECT_EQ(second.Claim(), CSingleInstance::Outcome::HandedOver);
    EXPECT_TRUE(activation.wait(5000));
    EXPECT_EQ(activation.count(), 1);
}

TEST_F(ProcessServicesTest, SocketLeftByACrashDoesNotBlockTheNextStart) {
    QTemporaryDir runtime;
    {
        // A stale socket file, as a killed program leaves it.
        QLocalServer stale;
        stale.setSocketOptions(QLocalServer::UserAccessOption);
        ASSERT_TRUE(stale.listen(runtime.filePath("hourglint.sock")));
        stale.close();
        QFile marker(runtime.filePath("hourglint.sock"));
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    }
    CSingleInstance instance(runtime.path());
    EXPECT_EQ(instance.Claim(), CSingleInstance::Outcome::First);
}

TEST_F(ProcessServicesTest, TerminationSignalsArriveOnTheEventLoop) {
    CSignalWatcher watcher;
    ASSERT_TRUE(watcher.Installed());
    QSignalSpy signalled(&watcher, &CSignalWatcher::Signalled);
    std::raise(SIGHUP);
    std::raise(SIGTERM);
    ASSERT_TRUE(signalled.wait(5000) || signalled.count() > 0);
    while (signalled.count() < 2 && signalled.wait(5000)) {
    }
    ASSERT_EQ(signalled.count(), 2);
    EXPECT_EQ(signalled.at(0).at(0).toInt(), SIGHUP);
    EXPECT_EQ(signalled.at(1).at(0).toInt(), SIGTERM);
}

}  // namespace
