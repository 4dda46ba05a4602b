// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <memory>

#include "MainFrameFixture.h"
#include "ShellTestSupport.h"
#include "controls/CDigitLabel.h"
#include "core/CAppSettings.h"
#include "core/CivilDay.h"
#include "db/CUsageDb.h"
#include "history/CHistoryFrame.h"
#include "report/CReportDialogBar.h"
#include "shell/CAlarmView.h"
#include "shell/CHGView.h"
#include "shell/CMainDialogBar.h"
#include "shell/CMainFrame.h"

namespace {

int64_t TotalToday(CUsageDb& db, int64_t day) {
    int64_t total = 0;
    for (const UsageTotal& row : db.LoadDb(day, 1000)) {
        total += row.seconds;
    }
    return total;
}

class MainFrameTest : public MainFrameFixture {};

TEST_F(MainFrameTest, WindowIsTheSmallTopmostTranslucentHourglint) {
    CMainFrame& frame = MakeFrame();
    frame.show();
    EXPECT_EQ(frame.windowTitle(), "Hourglint");
    // 435 wide, or as wide as the clock and the buttons where their captions need more.
    EXPECT_EQ(frame.size(), QSize(std::max(435, frame.minimumSizeHint().width()), 500));
    EXPECT_TRUE(frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_NEAR(frame.windowOpacity(), 200 / 255.0, 0.005);
    EXPECT_TRUE(frame.Timer().isActive());
    EXPECT_EQ(frame.Timer().interval(), 1000);
    EXPECT_EQ(frame.DialogBar().height(), 72);
    EXPECT_EQ(frame.Splitter().orientation(), Qt::Vertical);
    EXPECT_EQ(frame.Splitter().widget(0), &frame.LiveView());
    EXPECT_EQ(frame.Splitter().widget(1), &frame.AlarmView());
    EXPECT_EQ(frame.Splitter().sizes().value(0), 300);
    // Every caption at the bar's own size: a button is as wide as its caption needs.
    CMainDialogBar& bar = frame.DialogBar();
    for (CImageButton* button :
         {&bar.LiveGraphButton(), &bar.ReportButton(), &bar.ConfigButton(), &bar.AboutButton()}) {
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        EXPECT_LE(button->geometry().right(), bar.width()) << button->text().toStdString();
    }
}

TEST_F(MainFrameTest, StoredAlphaIsTheWindowOpacity) {
    store_.values["iALPHA"] = 128;
    EXPECT_NEAR(MakeFrame().windowOpacity(), 128 / 255.0, 0.005);
}

TEST_F(MainFrameTest, AHandEditedZeroAlphaStillLeavesTheWindowVisible) {
    store_.values["iALPHA"] = 0;
    EXPECT_NEAR(MakeFrame().windowOpacity(), 63 / 255.0, 0.005);
}

TEST_F(MainFrameTest, ListColumns) {
    CMainFrame& frame = MakeFrame();
    struct Expected {
        const char* heading;
        int width;
        Qt::Alignment alignment;
    };
    const auto check = [](CReportListView& view, const std::vector<Expected>& columns) {
        ASSERT_EQ(view.Model().columnCount(), static_cast<int>(columns.size()));
        for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
            SCOPED_TRACE(columns[i].heading);
            EXPECT_EQ(view.Model().headerData(i, Qt::Horizontal).toString(), columns[i].heading);
            // The described width, or what the heading needs where the font makes it wider.
            EXPECT_EQ(view.header()->sectionSize(i),
                      std::max(columns[i].width, view.header()->sectionSizeHint(i)));
            const auto alignment = view.Model()
                                       .headerData(i, Qt::Horizontal, Qt::TextAlignmentRole)
                                       .value<Qt::Alignment>();
            EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask, columns[i].alignment);
        }
        EXPECT_EQ(view.selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_FALSE(view.isSortingEnabled());
    };
    check(frame.LiveView(), {{"Process", 120, Qt::AlignLeft},
#ifdef _WIN32
                             {"Windows Title", 200, Qt::AlignLeft},
#else
                             {"Window Title", 200, Qt::AlignLeft},
#endif
                             {"Running Time", 85, Qt::AlignHCenter}});
    check(frame.AlarmView(), {{"Process", 120, Qt::AlignLeft},
                              {"Running Time", 85, Qt::AlignLeft},
                              {"Alarm Time", 85, Qt::AlignLeft}});
}

TEST_F(MainFrameTest, RowsFollowTheTrackerMostRecentFirst) {
    CMainFrame& frame = MakeFrame();
    CHGView& live = frame.LiveView();
    frame.OnTimer();  // the start-up load: nothing credited
    EXPECT_EQ(live.Model().rowCount(), 0);

    sampler_.SetFront("editor", "/usr/bin/editor", "notes.txt - Editor");
    Tick();
    Tick();
    sampler_.SetFront("shell", "/usr/bin/shell", "~");
    Tick();
    ASSERT_EQ(live.Model().rowCount(), 2);
    EXPECT_EQ(Cell(live, 0, 0), "shell");
    EXPECT_EQ(Cell(live, 1, 0), "editor");
    EXPECT_EQ(Cell(live, 1, 1), "notes.txt - Editor");
    EXPECT_EQ(Cell(live, 1, 2), "__:__:02");
    EXPECT_EQ(frame.DialogBar().Clock().Digits(), "00 00 01");

    sampler_.SetFront("editor", "/usr/bin/editor", "todo.txt - Editor");
    Tick();
    EXPECT_EQ(Cell(live, 0, 0), "editor");
    EXPECT_EQ(Cell(live, 0, 1), "todo.txt - Editor");
    EXPECT_EQ(Cell(live, 0, 2), "__:__:03");
    EXPECT_EQ(Cell(live, 1, 0), "shell");
    EXPECT_FALSE(live.Model().index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_EQ(live.Model().index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

TEST_F(MainFrameTest, ClickingAHeadingDoesNotSort) {
    CMainFrame& frame = MakeFrame();
    frame.show();
    frame.OnTimer();
    for (const char* name : {"b", "c", "a"}) {
        sampler_.SetFront(name, std::string("/bin/") + name, name);
        Tick();
    }
    CHGView& live = frame.LiveView();
    QHeaderView* header = live.header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionPosition(0) + 10, header->height() / 2));
    EXPECT_EQ(Cell(live, 0, 0), "a");
    EXPECT_EQ(Cell(live, 1, 0), "c");
    EXPECT_EQ(Cell(live, 2, 0), "b");
}

TEST_F(MainFrameTest, AlarmLineWhenALoadedTotalReachesTheStep) {
    // 7199 seconds of today already in the database, default step of 120 minutes.
    {
        CUsageDb seed(dbPath_, settings_);
        for (int i = 0; i < 7199; ++i) {
            seed.AddSecond(clock_.Now(), "editor", "/usr/bin/editor");
        }
        seed.Flush(clock_.Now(), clock_.Now());
    }
    CMainFrame& frame = MakeFrame();
    frame.OnTimer();
    ASSERT_EQ(frame.LiveView().Model().rowCount(), 1);
    EXPECT_EQ(Cell(frame.LiveView(), 0, 1), "");
    EXPECT_EQ(Cell(frame.LiveView(), 0, 2), "01:59:59");
    EXPECT_EQ(frame.AlarmView().Model().rowCount(), 0);

    sampler_.SetFront("editor", "/usr/bin/editor", "x");
    Tick();
    ASSERT_EQ(frame.AlarmView().Model().rowCount(), 1);
    EXPECT_EQ(Cell(frame.AlarmView(), 0, 0), "editor");
    EXPECT_EQ(Cell(frame.AlarmView(), 0, 1), "02:00:00");
    EXPECT_EQ(Cell(frame.AlarmView(), 0, 2), "12:00:01");
}

TEST_F(MainFrameTest, ToolTipIsThePathCutTo79CharactersAndNoneBelowTheLastRow) {
    // 100 characters, two bytes each in UTF-8: the cut must count characters.
    std::string longPath = "/";
    for (int i = 0; i < 99; ++i) {
        longPath += "\xC3\xA9";
    }
    CMainFrame& frame = MakeFrame();
    frame.show();
    frame.OnTimer();
    sampler_.SetFront("long", longPath, "t");
    Tick();
    sampler_.SetFront("short", "/usr/bin/short", "t");
    Tick();

    CHGView& live = frame.LiveView();
    EXPECT_EQ(live.Model().index(0, 1).data(Qt::ToolTipRole).toString(), "/usr/bin/short");
    const QString cut = live.Model().index(1, 0).data(Qt::ToolTipRole).toString();
    EXPECT_EQ(cut.size(), 79);
    EXPECT_EQ(cut, QString::fromStdString(longPath).left(79));

    // Hovering: the empty area below the rows shows nothing, a row shows its path.
    const QRect second = live.visualRect(live.Model().index(1, 1));
    const QPoint below(second.center().x(), second.bottom() + 3 * second.height());
    ASSERT_FALSE(live.indexAt(below).isValid());
    QHelpEvent offRows(QEvent::ToolTip, below, live.viewport()->mapToGlobal(below));
    QApplication::sendEvent(live.viewport(), &offRows);
    EXPECT_FALSE(QToolTip::isVisible());
    QHelpEvent onRow(QEvent::ToolTip, second.center(),
                     live.viewport()->mapToGlobal(second.center()));
    QApplication::sendEvent(live.viewport(), &onRow);
    EXPECT_EQ(QToolTip::text(), cut);
    QToolTip::hideText();
}

TEST_F(MainFrameTest, CancelOnTheExitQuestionKeepsEverythingRunning) {
    CMainFrame& frame = MakeFrame();
    frame.show();
    const bool trayVisible = frame.Tray().IsVisible();
    QSignalSpy finished(&frame, &CMainFrame::Finished);
    answer_ = false;
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(questions_, QStringList{"Do you want to exit the program?"});
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(frame.Timer().isActive());
    EXPECT_EQ(frame.Tray().IsVisible(), trayVisible);
    EXPECT_EQ(finished.count(), 0);

    // The tray's Exit asks the same question.
    frame.Tray().ExitAction().trigger();
    EXPECT_EQ(questions_.size(), 2);
    EXPECT_TRUE(frame.isVisible());
}

TEST_F(MainFrameTest, ConfirmedExitWritesTheSecondsSinceTheLastSave) {
    CMainFrame& frame = MakeFrame();
    frame.show();
    frame.OnTimer();
    sampler_.SetFront("editor", "/usr/bin/editor", "t");
    for (int i = 0; i < 7; ++i) {
        Tick();
    }
    QSignalSpy finished(&frame, &CMainFrame::Finished);
    answer_ = true;
    frame.close();
    EXPECT_EQ(questions_.size(), 1);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_FALSE(frame.Timer().isActive());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(TotalToday(*db_, clock_.Now()), 7);
}

TEST_F(MainFrameTest, SessionEndFlushesWithoutAsking) {
    CMainFrame& frame = MakeFrame();
    frame.show();
    frame.OnTimer();
    sampler_.SetFront("editor", "/usr/bin/editor", "t");
    for (int i = 0; i < 3; ++i) {
        Tick();
    }
    QSignalSpy finished(&frame, &CMainFrame::Finished);
    frame.EndSession();
    frame.EndSession();  // a signal after the session end changes nothing
    EXPECT_TRUE(questions_.isEmpty());
    EXPECT_FALSE(frame.isVisible());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(TotalToday(*db_, clock_.Now()), 3);
}

TEST_F(MainFrameTest, WithoutATrayMinimiseStaysAnOrdinaryMinimise) {
    ASSERT_FALSE(CShellTray::Available());
    CMainFrame& frame = MakeFrame();
    frame.show();
    frame.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(frame.isMinimized());
    EXPECT_TRUE(frame.Tray().IsVisible());
    // Nor can the tray toggle hide it.
    frame.Tray().Toggle();
    EXPECT_TRUE(frame.isVisible());
}

TEST_F(MainFrameTest, WithoutATrayMinimizeOnStartupLeavesTheWindowShown) {
    store_.values["bMinimizeOnStartup"] = 1;
    CMainFrame& frame = MakeFrame();
    EXPECT_FALSE(frame.StartsHidden());
}

TEST_F(MainFrameTest, TrayMenuNamesTheToggleByTheWindowState) {
    CMainFrame& frame = MakeFrame();
    frame.show();
    emit frame.Tray().Menu().aboutToShow();
    EXPECT_EQ(frame.Tray().ToggleAction().text(), "&Hide Hourglint");
    QStringList texts;
    for (QAction* action : frame.Tray().Menu().actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(texts, (QStringList{"&Hide Hourglint", "-", "&Report", "H&istory", "&Config", "-",
                                  "&About", "E&xit"}));
    EXPECT_EQ(frame.Tray().Icon().toolTip(), "Hourglint");
}

}  // namespace

TEST_F(MainFrameTest, ReportButtonAndTrayMenuOpenOneReportWindowAboveTheFrame) {
    CMainFrame& frame = MakeFrame();
    ASSERT_TRUE(frame.DialogBar().ReportButton().isEnabled());
    ASSERT_TRUE(frame.Tray().ReportAction().isEnabled());
    frame.DialogBar().ReportButton().click();
    CReportFrame* report = frame.Reports().Window();
    ASSERT_NE(report, nullptr);
    frame.Tray().ReportAction().trigger();
    EXPECT_EQ(frame.Reports().Window(), report);
    EXPECT_EQ(report->parentWidget(), &frame);
    EXPECT_TRUE(report->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(MainFrameTest, HistoryOpensFromTheBarTheTrayAndTheReportsDay) {
    CMainFrame& frame = MakeFrame();
    frame.DialogBar().HistoryButton().click();
    CHistoryFrame* history = frame.History().Window();
    ASSERT_NE(history, nullptr);
    frame.Tray().HistoryAction().trigger();
    EXPECT_EQ(frame.History().Window(), history);
    EXPECT_EQ(history->parentWidget(), &frame);
    EXPECT_TRUE(history->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // The report's History button shows the hours of the report's day.
    frame.DialogBar().ReportButton().click();
    CReportFrame* report = frame.Reports().Window();
    ASSERT_NE(report, nullptr);
    report->DialogBar().DatePicker().setDate(QDate(2026, 3, 29));
    QSignalSpy refreshed(history, &CHistoryFrame::Refreshed);
    ASSERT_TRUE(report->DialogBar().HistoryButton().isVisibleTo(report));
    report->DialogBar().HistoryButton().click();
    EXPECT_EQ(frame.History().Window(), history);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return history->CurrentView() == CHistoryFrame::View::DayHours &&
                   history->RangeHistory().Query().lastDay == DayNumber(2026, 3, 29);
        },
        20000));
    EXPECT_EQ(history->ShownDay(), DayNumber(2026, 3, 29));
}
