// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "ReportTestSupport.h"
#include "core/CShareSettings.h"
#include "core/ISettingsStore.h"
#include "db/CMergedReport.h"
#include "db/CSnapshotWriter.h"
#include "report/CReportDialogBar.h"
#include "report/CReportFrame.h"
#include "report/CReportTopView.h"

namespace {

struct NullStore : ISettingsStore {
    std::optional<long long> ReadInt(const std::string&) const override { return {}; }
    void WriteInt(const std::string&, long long) override {}
};

class ShareReport : public ReportTest {
  protected:
    void TearDown() override {
        NullStore store;
        TheShareSettings().Apply("", "", store);
        ReportTest::TearDown();
    }

    // This computer's editor ran 100 s today, the laptop's 50 s; its snapshot is in the
    // share folder with two cut copies, one under a name that looks like markup.
    void ShareWithLaptop() {
        AddItem(1, "editor", 0);
        AddTime(1, 0, 100);
        const std::string own = path_;
        path_ = (folder_ / "other.mdb").string();
        CUsageDb(path_).LoadDb(0, 1);
        AddItem(7, "editor", 0);
        AddTime(7, 0, 50);
        const std::filesystem::path share = folder_ / "share";
        std::filesystem::create_directories(share);
        const auto snapshot = CSnapshotWriter::Write(
            path_, share.string(), "laptop-aaaaaaaa.hgshare", "aaaaaaaa", "laptop");
        ASSERT_EQ(snapshot.status, CSnapshotWriter::Status::Written) << snapshot.error;
        for (const char* name : {"old-bbbbbbbb.hgshare", "<b>a&b.hgshare"}) {
            std::filesystem::copy_file(snapshot.file, share / name);
            std::filesystem::resize_file(share / name,
                                         std::filesystem::file_size(share / name) / 2);
        }
        path_ = own;
        NullStore store;
        TheShareSettings().Apply(share.string(), "desk", store);
    }
    void AllComputers(CReportFrame& frame) {
        frame.DialogBar().DatePicker().setDateTime(QDateTime::fromSecsSinceEpoch(anchor_));
        frame.DialogBar().AllComputersRadio().setChecked(true);
    }
};

// Holds every report job at the snapshots it opens while held.
class SnapshotGate {
  public:
    SnapshotGate() {
        CMergedReport::SetOpenedHook([this](const std::string&) {
            std::unique_lock lock(mutex_);
            ++waiting_;
            // A deadline, so a window that waits for its worker fails instead of hanging.
            changed_.wait_for(lock, std::chrono::seconds(60), [this] { return !held_; });
            --waiting_;
        });
    }
    ~SnapshotGate() {
        Release();
        QThreadPool::globalInstance()->waitForDone();
        CMergedReport::SetOpenedHook({});
    }
    // Jobs held now.
    int Waiting() {
        std::lock_guard lock(mutex_);
        return waiting_;
    }
    void Hold(bool held) {
        std::lock_guard lock(mutex_);
        held_ = held;
        changed_.notify_all();
    }
    void Release() { Hold(false); }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int waiting_ = 0;
    bool held_ = true;
};

}  // namespace

TEST_F(ShareReport, AllComputersAddsTheOthersAndNamesTheFileItLeftOut) {
    ShareWithLaptop();
    CReportFrame frame(path_, {}, nullptr);
    AllComputers(frame);
    ASSERT_TRUE(RefreshAndWait(frame));
    ASSERT_EQ(frame.DisplayedRows().size(), 1u);
    EXPECT_EQ(frame.DisplayedRows()[0][1], "150");
    EXPECT_TRUE(frame.LeftOutLine().isVisibleTo(&frame));
    EXPECT_TRUE(frame.LeftOutLine().text().contains("old-bbbbbbbb.hgshare"));
    EXPECT_FALSE(frame.LeftOutLine().text().contains("laptop"));
    // A file name is text, never markup.
    EXPECT_EQ(frame.LeftOutLine().textFormat(), Qt::PlainText);
    EXPECT_TRUE(frame.LeftOutLine().text().contains("<b>a&b.hgshare"));
    EXPECT_TRUE(frame.LeftOutLine().toolTip().contains("&lt;b&gt;a&amp;b.hgshare"));

    frame.DialogBar().ThisComputerRadio().setChecked(true);
    ASSERT_TRUE(RefreshAndWait(frame));
    EXPECT_EQ(frame.DisplayedRows()[0][1], "100");
    EXPECT_FALSE(frame.LeftOutLine().isVisibleTo(&frame));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ShareReport, ASlowSnapshotHoldsOnlyTheWorkerWhileTheWindowAndTheClockGoOn) {
    ShareWithLaptop();
    SnapshotGate gate;
    QPointer<CReportFrame> frame = new CReportFrame(path_, {}, nullptr);
    AllComputers(*frame);
    QSignalSpy shown(frame.data(), &CReportFrame::Refreshed);
    std::vector<qint64> ticks;
    QElapsedTimer elapsed;
    QTimer clock;
    clock.setTimerType(Qt::PreciseTimer);
    QObject::connect(&clock, &QTimer::timeout, [&] { ticks.push_back(elapsed.elapsed()); });
    elapsed.start();
    clock.start(1000);

    frame->Refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate.Waiting() == 1; }, 60000));
    EXPECT_TRUE(frame->BusyLine().isVisibleTo(frame));
    EXPECT_FALSE(frame->DialogBar().SaveButton().isEnabled());
    EXPECT_TRUE(frame->DialogBar().RefreshButton().isEnabled());
    EXPECT_EQ(frame->List().cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() >= 3; }, 60000));
    for (size_t i = 0; i < ticks.size(); ++i) {
        // Later than this and a second would have gone uncounted.
        EXPECT_LT(ticks[i] - (i > 0 ? ticks[i - 1] : 0), 2000) << "tick " << i;
    }

    // A Refresh in the other mode supersedes the held one: only its report is shown.
    frame->DialogBar().GroupRadio().setChecked(true);
    frame->DialogBar().RefreshButton().click();
    gate.Release();
    ASSERT_TRUE(shown.wait(60000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->Worker().Running() == 0; }, 60000));
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(frame->Mode(), ReportMode::Group);
    ASSERT_EQ(frame->DisplayedRows().size(), 1u);
    EXPECT_EQ(frame->DisplayedRows()[0][0], "Default");
    EXPECT_EQ(frame->DisplayedRows()[0][1], "150");
    EXPECT_FALSE(frame->BusyLine().isVisibleTo(frame));
    EXPECT_TRUE(frame->DialogBar().SaveButton().isEnabled());
    EXPECT_FALSE(frame->List().testAttribute(Qt::WA_SetCursor));

    // Closing goes at once while the worker is still held.
    gate.Hold(true);
    frame->Refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate.Waiting() == 1; }, 60000));
    frame->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.isNull(); }, 60000));
    EXPECT_EQ(gate.Waiting(), 1);
    EXPECT_TRUE(messages_.empty());
}
