// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "ReportTestSupport.h"
#include "report/CReportWorker.h"

TEST(ReportWorker, ALaterJobAndTheWorkersEndRaiseTheRunningJobsFlagAndDropItsResult) {
    EnsureTestApplication();
    std::atomic<int> cancelled{0};
    // Returns once its flag is raised; false when the deadline came first.
    const auto untilCancelled = [&](const std::atomic<bool>& cancel) {
        const QDeadlineTimer deadline(60000);
        while (!cancel && !deadline.hasExpired()) {
            std::this_thread::yield();
        }
        cancelled += cancel ? 1 : 0;
        return cancel.load();
    };
    std::vector<int> results;
    Qt::HANDLE deliveredOn = nullptr;
    auto worker = std::make_unique<CReportWorker>();
    worker->Run(untilCancelled, [&](bool) { results.push_back(1); });
    EXPECT_TRUE(worker->Busy());
    worker->Run([](const std::atomic<bool>&) { return 2; },
                [&](int result) {
                    results.push_back(result);
                    deliveredOn = QThread::currentThreadId();
                });
    ASSERT_TRUE(QTest::qWaitFor([&] { return worker->Running() == 0; }, 60000));
    EXPECT_EQ(results, std::vector<int>{2});
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(deliveredOn, QThread::currentThreadId());
    EXPECT_FALSE(worker->Busy());

    worker->Run(untilCancelled, [&](bool) { results.push_back(3); });
    worker.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return cancelled == 2; }, 60000));
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    EXPECT_EQ(results, std::vector<int>{2});
}
