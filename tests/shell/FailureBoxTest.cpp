// SPDX-License-Identifier: GPL-3.0-or-later
#include <sqlite3.h>

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include "MainFrameFixture.h"
#include "core/IClock.h"
#include "report/CReportFrame.h"

namespace {

// Each reading is one second after the previous one, so every tick is a new second for
// the tracker and the store.
class SteppingClock : public IClock {
  public:
    explicit SteppingClock(int64_t start) : now_(start) {}
    int64_t Now() override { return now_++; }

  private:
    int64_t now_;
};

std::vector<QMessageBox*> OpenBoxes() {
    std::vector<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            boxes.push_back(box);
        }
    }
    return boxes;
}

class FailureBoxTest : public MainFrameFixture {};

// The real box, raised inside the timer's slot by a flush that finds the file locked.
TEST_F(FailureBoxTest, TheClockRunsOnUnderOneBoxAndEverySecondIsWrittenOnce) {
    InstallMessageBoxHandler();
    store_.values["iAutoSave"] = 5;
    settings_.Load(store_);
    CUsageDb db(dbPath_, settings_);
    db.SetBusyTimeout(100);
    SteppingClock clock(NoonTime());
    CMainFrame frame(settings_, store_, clock, sampler_, db);
    frame.show();
    frame.OnTimer();  // the start-up load, which also makes the file

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dbPath_.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    sampler_.SetFront("editor", "/usr/bin/editor", "t");
    QSignalSpy timeouts(&frame.Timer(), &QTimer::timeout);
    // The first second flushes at once and fails; so does the one five seconds later.
    ASSERT_TRUE(QTest::qWaitFor([&] { return timeouts.count() >= 7; }, 12000));
    const std::vector<QMessageBox*> boxes = OpenBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->windowTitle(), "Hourglint");
    EXPECT_EQ(boxes[0]->icon(), QMessageBox::Warning);
    EXPECT_TRUE(
        boxes[0]->text().startsWith("Fail to save data into Database!\nError Information: "));
    EXPECT_EQ(boxes[0]->parentWidget(), &frame);
    EXPECT_TRUE(boxes[0]->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(frame.Tracker().Current()->seconds, timeouts.count());

    // The lock goes; nobody presses OK. The next flush writes every second once.
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    frame.EndSession();
    const int counted = frame.Tracker().Current()->seconds;
    EXPECT_GE(counted, 7);
    int stored = 0;
    for (const UsageTotal& row : db.LoadDb(clock.Now(), 10)) stored += row.seconds;
    EXPECT_EQ(stored, counted);
}

// A failure of the report's work opens over the report window the user works in, not over
// the main window, which would come up in front of the report with it.
TEST_F(FailureBoxTest, ABoxBelongsToTheWindowTheUserWorksIn) {
    InstallMessageBoxHandler();
    CMainFrame& frame = MakeFrame();
    frame.show();
    CReportFrame* report = frame.Reports().Open();
    QApplication::setActiveWindow(report);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == report; }));
    ShowMessage("Fail to report group!\nError Information: locked");
    ASSERT_TRUE(QTest::qWaitFor([] { return !OpenBoxes().empty(); }));
    const std::vector<QMessageBox*> boxes = OpenBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->parentWidget(), report);
    EXPECT_TRUE(boxes[0]->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    delete boxes[0];
}

}  // namespace
