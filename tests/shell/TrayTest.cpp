// SPDX-License-Identifier: GPL-3.0-or-later
#include <xcb/xcb.h>

#include <QAction>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "MainFrameFixture.h"
#include "XvfbSession.h"
#include "shell/CShellTray.h"

namespace {

// True once a tray (trayer here) owns the system-tray selection of screen 0.
bool TrayOwned(xcb_connection_t* c) {
    const char name[] = "_NET_SYSTEM_TRAY_S0";
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr),
        &std::free);
    if (!atom) {
        return false;
    }
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}

// The main window on a real X server with openbox and a tray. The server lives as long as
// the test process: the Qt application, made once, must never lose its display.
class TrayTest : public MainFrameFixture {
  protected:
    static void SetUpTestSuite() {
        static bool started = [] {
            std::string error;
            if (!Session().Start(error) || !Session().StartWindowManager(error)) {
                ADD_FAILURE() << error;
                return false;
            }
            StartTray();
            setenv("DISPLAY", Session().Display().c_str(), 1);
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            return true;
        }();
        (void)started;
    }

    static XvfbSession& Session() {
        static auto* session = new XvfbSession;
        return *session;
    }

    static pid_t& TrayPid() {
        static pid_t pid = 0;
        return pid;
    }

    static void StartTray() {
        TrayPid() = Session().Spawn({"trayer", "--edge", "top", "--align", "right", "--widthtype",
                                     "pixel", "--width", "100"});
        for (int i = 0; i < 250 && !TrayOwned(Session().Connection()); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    static void StopTray() {
        Session().Stop(TrayPid());
        for (int i = 0; i < 250 && TrayOwned(Session().Connection()); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    // Shows the frame and waits until the window manager has mapped it.
    CMainFrame& ShownFrame() {
        CMainFrame& frame = MakeFrame();
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        return frame;
    }

    // Until the window and openbox are done with every change under way; a window never
    // made has none. The native window's own id: a change of flags makes a new one.
    static void Settle(const QWidget& window) {
        if (const QWindow* native = window.windowHandle(); native && native->handle()) {
            EXPECT_TRUE(Session().Settle(static_cast<uint32_t>(native->winId()),
                                         [] { QCoreApplication::processEvents(); }));
        }
    }

    // A person clicks some time after the last change; openbox's own answers to a
    // minimise or a map arrive late, and must not be mistaken for new requests.
    static void ClickTrayIcon(CMainFrame& frame) {
        Settle(frame);
        emit frame.Tray().Icon().activated(QSystemTrayIcon::Trigger);
        Settle(frame);
    }

    static QString ToggleText(CMainFrame& frame) {
        emit frame.Tray().Menu().aboutToShow();
        return frame.Tray().ToggleAction().text();
    }
};

TEST_F(TrayTest, LeftClicksHideAndShowTheWindow) {
    ASSERT_TRUE(CShellTray::Available());
    CMainFrame& frame = ShownFrame();
    EXPECT_TRUE(frame.Tray().Icon().isVisible());
    EXPECT_EQ(ToggleText(frame), "&Hide Hourglint");

    ClickTrayIcon(frame);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_EQ(ToggleText(frame), "&Show Hourglint");

    ClickTrayIcon(frame);
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.isVisible(); }));
    EXPECT_EQ(ToggleText(frame), "&Hide Hourglint");
}

TEST_F(TrayTest, MinimiseHidesIntoTheTrayAndAMaximisedWindowComesBackMaximised) {
    ASSERT_TRUE(CShellTray::Available());
    CMainFrame& frame = ShownFrame();
    frame.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.isMaximized(); }));

    frame.showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.isVisible(); }));
    EXPECT_EQ(ToggleText(frame), "&Show Hourglint");
    ClickTrayIcon(frame);
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.isVisible() && frame.isMaximized(); }));

    // After a restore it comes back at its normal size.
    frame.showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame.isMaximized(); }));
    frame.showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.isVisible(); }));
    ClickTrayIcon(frame);
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.isVisible(); }));
    EXPECT_FALSE(frame.isMaximized());
    EXPECT_FALSE(frame.isMinimized());
}

// openbox places a window that comes back without a position of its own anew.
TEST_F(TrayTest, TheWindowComesBackWhereTheUserLeftIt) {
    ASSERT_TRUE(CShellTray::Available());
    CMainFrame& frame = ShownFrame();
    // Moved and sized by another client, as a drag on the title bar would: the program
    // itself never set a position.
    const QString id = QString::number(frame.winId());
    for (const QStringList& args : {QStringList{"windowmove", id, "633", "307"},
                                    QStringList{"windowsize", id, "470", "520"}}) {
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), args), 0);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.size() == QSize(470, 520); }));
    Settle(frame);
    const QRect placed = frame.geometry();
    // Each round moved it further before: a drift would show in the second.
    for (int round = 0; round < 2; ++round) {
        ClickTrayIcon(frame);
        ASSERT_FALSE(frame.isVisible());
        ClickTrayIcon(frame);
        EXPECT_TRUE(QTest::qWaitFor([&] { return frame.geometry() == placed; })) << round;
        frame.showMinimized();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !frame.isVisible(); }));
        ClickTrayIcon(frame);
        EXPECT_TRUE(QTest::qWaitFor([&] { return frame.geometry() == placed; })) << round;
    }
}

TEST_F(TrayTest, MinimizeOnStartupShowsOnlyTheTrayIconUntilTheFirstClick) {
    ASSERT_TRUE(CShellTray::Available());
    store_.values["bMinimizeOnStartup"] = 1;
    CMainFrame& frame = MakeFrame();
    EXPECT_TRUE(frame.StartsHidden());
    EXPECT_FALSE(frame.isVisible());
    EXPECT_TRUE(frame.Tray().Icon().isVisible());

    ClickTrayIcon(frame);
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.isVisible(); }));
    // The described size, or wider where the bar's captions need it in this font.
    EXPECT_EQ(frame.size(),
              QSize(CMainFrame::kWidth, CMainFrame::kHeight).expandedTo(frame.minimumSizeHint()));
}

TEST_F(TrayTest, ExitFromTheTrayAsksAlsoWhileHiddenAndCancelKeepsTheIcon) {
    ASSERT_TRUE(CShellTray::Available());
    CMainFrame& frame = ShownFrame();
    ClickTrayIcon(frame);
    ASSERT_FALSE(frame.isVisible());

    answer_ = false;
    frame.Tray().ExitAction().trigger();
    EXPECT_EQ(questions_, QStringList{"Do you want to exit the program?"});
    EXPECT_TRUE(frame.Tray().Icon().isVisible());
    EXPECT_TRUE(frame.Timer().isActive());
}

TEST_F(TrayTest, ATrayStartedLaterGetsTheIconAndAGoneTrayGivesTheWindowBack) {
    StopTray();
    ASSERT_FALSE(CShellTray::Available());
    CMainFrame& frame = ShownFrame();
    frame.showMinimized();
    Settle(frame);
    EXPECT_TRUE(frame.isVisible()) << "hidden into a tray that does not exist";
    frame.showNormal();

    StartTray();
    ASSERT_TRUE(CShellTray::Available());
    const auto docked = [&] { return !frame.Tray().Icon().geometry().isEmpty(); };
    EXPECT_TRUE(QTest::qWaitFor(docked, 5000)) << "the icon never docked";
    EXPECT_TRUE(frame.Tray().IconShown());
    frame.showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.isVisible(); }));

    // The tray goes away with the window in it: the window comes back; so does the icon
    // when the tray restarts.
    StopTray();
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.isVisible(); }, 5000));
    StartTray();
    EXPECT_TRUE(QTest::qWaitFor(docked, 5000));
}

TEST_F(TrayTest, RightClickOnTheIconOpensTheDrawnMenuWithItsPictures) {
    ASSERT_TRUE(CShellTray::Available());
    CMainFrame& frame = ShownFrame();
    // Docked: the icon reads 0,0 until the tray has placed it, so wait for a position away
    // from the origin that holds over several reads.
    QRect icon;
    int sameReads = 0;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QRect now = frame.Tray().Icon().geometry();
            sameReads = now == icon ? sameReads + 1 : 0;
            icon = now;
            return icon.isValid() && icon.topLeft() != QPoint(0, 0) && sameReads >= 5;
        },
        20000));
    const QPoint at = icon.center();
    ASSERT_EQ(
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("mousemove"), QString::number(at.x()),
                           QString::number(at.y()), QStringLiteral("click"), QStringLiteral("3")}),
        0);
    BCMenu& menu = frame.Tray().Menu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu.isVisible(); }, 20000));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));

    // On the screen, the Exit row carries its red picture at the left, once the menu is drawn.
    const auto redPixels = [&] {
        QRect row = menu.actionGeometry(&frame.Tray().ExitAction());
        row.moveTopLeft(menu.mapToGlobal(row.topLeft()));
        const QImage shown =
            menu.screen()->grabWindow(0, row.x(), row.y(), 26, row.height()).toImage();
        int red = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                red += c.red() > 150 && c.green() < 90 && c.blue() < 90;
            }
        }
        return red;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return redPixels() > 20; }, 20000));
    menu.hide();
}

// A flush that fails while Qt has not yet read that a terminal took the focus: the box must
// not take it back, because the user's typing and the measured seconds go to the terminal.
TEST_F(TrayTest, AFailureBoxLeavesTheFocusWithTheProgramInFront) {
    CMainFrame& frame = ShownFrame();
    ASSERT_TRUE(Session().Activate(static_cast<uint32_t>(frame.winId())));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &frame; }));
    pid_t xterm = 0;
    const uint32_t terminal = Session().StartXterm("Terminal in front", &xterm);
    ASSERT_NE(terminal, 0u);
    ASSERT_TRUE(Session().Activate(terminal));
    ASSERT_EQ(QApplication::activeWindow(), &frame);  // no event read yet: Qt lags behind

    InstallMessageBoxHandler();
    ShowMessage("Fail to save data into Database!");
    // The box on screen, and openbox done with its showing: it would have moved the focus.
    QWidget* shown = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto boxes = frame.findChildren<QMessageBox*>();
            shown = boxes.isEmpty() ? nullptr : boxes[0];
            return shown != nullptr && shown->windowHandle() != nullptr &&
                   shown->windowHandle()->isExposed();
        },
        20000));
    Settle(*shown);
    std::string active;
    Session().Run({"xdotool", "getactivewindow"}, &active);
    EXPECT_EQ(active, std::to_string(terminal) + "\n");
    const auto boxes = frame.findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0]->isVisible());
    EXPECT_EQ(boxes[0]->windowModality(), Qt::NonModal);
    Session().Stop(xterm);
}

}  // namespace
