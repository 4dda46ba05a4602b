// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

#include "MainFrameFixture.h"
#include "groups/CGroupDlg.h"
#include "history/CHistoryFrame.h"
#include "report/CReportDialogBar.h"
#include "report/CReportFrame.h"
#include "shell/CAboutDlg.h"
#include "shell/CConfigDlg.h"
#include "shell/CHGView.h"

namespace {

// The controls Tab visits from the window's first one, in that order.
std::vector<QWidget*> TabChain(QWidget* window) {
    std::vector<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled() &&
            w->focusProxy() == nullptr && w->window() == window) {
            chain.push_back(w);
        }
    }
    return chain;
}

// Empty while each control comes after the one before as a page is read: on a row below
// it, to its right (the next column of a group of choices may start higher), or around it.
std::string ReadingOrderBreak(QWidget* window) {
    const std::vector<QWidget*> chain = TabChain(window);
    const auto place = [window](QWidget* w) {
        return QRect(w->mapTo(window, QPoint()), w->size());
    };
    for (size_t i = 1; i < chain.size(); ++i) {
        const QRect a = place(chain[i - 1]), b = place(chain[i]);
        const bool below = b.top() >= a.bottom() - 2;
        const bool beside = b.top() <= a.bottom() && b.left() >= a.right() - 2;
        const bool around = b.contains(a);  // a list after its own headings
        if (!below && !beside && !around) {
            return chain[i - 1]->metaObject()->className() + std::string(" then ") +
                   chain[i]->metaObject()->className() + " " +
                   chain[i]->accessibleName().toStdString();
        }
    }
    return chain.size() < 3 ? "only " + std::to_string(chain.size()) + " controls" : "";
}

class KeyboardTest : public MainFrameFixture {};

TEST_F(KeyboardTest, TabGoesThroughEveryWindowAsItReads) {
    MakeFrame();
    CUsageDb(dbPath_).LoadDbForGroup(1, 1);  // the file and its tables
    const std::pair<const char*, std::function<QWidget*()>> windows[] = {
        {"main", [&] { return frame_.get(); }},
        {"Options", [] { return new CConfigDlg(SettingsValues{}, SettingsValues{}); }},
        {"About", [&] { return new CAboutDlg(nullptr, "X11", QString::fromStdString(dbPath_)); }},
        {"Log Report", [&] { return new CReportFrame(dbPath_, {}, nullptr); }},
        {"History", [&] { return new CHistoryFrame(dbPath_, {}, nullptr); }},
        {"Edit Group", [&] { return new CGroupDlg(dbPath_); }},
    };
    for (const auto& [name, make] : windows) {
        SCOPED_TRACE(name);
        QWidget* window = make();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_EQ(ReadingOrderBreak(window), "");
        if (window != frame_.get()) {
            window->setAttribute(Qt::WA_DeleteOnClose, false);
            delete window;
        }
    }
}

// Escape closes the report and, from the days, History; Ctrl+H takes the main window out
// of the way, into the tray or (with no tray here) minimised; Return presses Refresh; Alt+Down and
// F4 open a calendar.
TEST_F(KeyboardTest, EscapeClosesTheWindowsAndCtrlHHidesTheMainOne) {
    CMainFrame& frame = MakeFrame();
    frame.show();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame.LiveView(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(frame.isMinimized());
    // Return presses a button outside a dialog too.
    CReportFrame* report = frame.Reports().Open();
    QSignalSpy refreshed(report, &CReportFrame::Refreshed);
    QTest::keyClick(&report->DialogBar().RefreshButton(), Qt::Key_Return);
    EXPECT_TRUE(refreshed.wait(20000));
    // Alt+Down and F4 open the date's calendar on its day, as a click on the arrow does.
    QDateTimeEdit& date = report->DialogBar().DatePicker();
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Down, Qt::AltModifier}, std::pair{Qt::Key_F4, Qt::NoModifier}}) {
        QTest::keyClick(&date, key, modifiers);
        QWidget* calendar = date.calendarWidget()->window();
        EXPECT_TRUE(calendar->isVisible()) << key;
        EXPECT_EQ(date.calendarWidget()->selectedDate(), date.date());
        calendar->hide();
    }

    const std::pair<const char*, std::function<QWidget*()>> windows[] = {
        {"Log Report", [&] { return frame.Reports().Open(); }},
        {"History", [&] { return frame.History().Open(); }},
    };
    for (const auto& [name, open] : windows) {
        SCOPED_TRACE(name);
        QPointer<QWidget> window = open();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_EQ(window->windowTitle(), name);
        QApplication::setActiveWindow(window);
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus != nullptr ? focus : window.data(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window, nullptr);
    }
}

}  // namespace
