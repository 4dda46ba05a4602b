// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBitmap>
#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <random>
#include <string>

#include "LocalInstant.h"
#include "MainFrameFixture.h"
#include "core/CLiveInputData.h"
#include "livegraph/CLiveFrame.h"
#include "livegraph/CLiveView.h"
#include "livegraph/LineFont.h"
#include "shell/CImageList.h"
#include "shell/CMainDialogBar.h"

namespace {

const QColor kCurrent(238, 60, 29);
const QColor kNormal(0, 0, 255);

// The real live view over the real hand-over holder and icon list, with a set clock.
class LiveViewTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        IconImage icon;
        icon.width = icon.height = 16;
        icon.argb.assign(256, 0xFF22AA44u);
        for (int i = 0; i < 3; ++i) images_.Add(icon);
        view_.SetClock(&clock_);
        view_.resize(400, 500);
        view_.setAttribute(Qt::WA_DontShowOnScreen);
        view_.show();
    }

    void Tick(const std::string& name, int icon = 0) {
        input_.SetCurrent(name, icon);
        clock_.Advance();
        view_.OnTick();
    }

    QColor At(int x, int y) { return view_.Picture().pixelColor(x, y); }
    // Row `row`'s bar outline top line, in window coordinates.
    int BarTopY(int row) {
        const auto& g = view_.Geom();
        return g.top + 1 + CLaneTimeline::BarTop(row, g.rowHeight);
    }
    static void ExpectWindowIsFullRepaint(CGraphOneLiveView& view) {
        const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(shown == view.FullRepaintPicture()) << "after " << view.Timeline().Total();
    }

    FakeClock clock_{LocalInstant(2026, 3, 10, 10, 23, 30)};
    CLiveInputData input_;
    CImageList images_;
    CLiveView view_{&input_, &images_};
};

TEST_F(LiveViewTest, WindowAlwaysShowsWhatAFullRepaintDraws) {
    std::mt19937 random(7);
    int fresh = 0;
    auto pick = [&] {
        const int roll = static_cast<int>(random() % 10);
        if (roll < 3 || fresh == 0) return "program" + std::to_string(fresh++);
        return "program" + std::to_string(random() % fresh);
    };
    // New programs, returns and long stretches; more than 100 programs, so row 0 is evicted.
    for (int tick = 0; tick < 400; ++tick) {
        const std::string name = pick();
        const int stretch = random() % 6 == 0 ? 1 + static_cast<int>(random() % 40) : 1;
        for (int i = 0; i < stretch; ++i) Tick(name, static_cast<int>(random() % 4) - 1);
        if (tick == 150) {
            QTest::mouseClick(&view_, Qt::LeftButton, {}, QPoint(300, 200));
            ASSERT_TRUE(view_.CursorShown());
        }
        if (tick == 240) view_.resize(520, 440);
        if (tick % 50 == 0) ExpectWindowIsFullRepaint(view_);
    }
    EXPECT_EQ(view_.Timeline().RowCount(), 100);
    ExpectWindowIsFullRepaint(view_);

    // A strip wider than the ring: long runs are cut at its left end, white columns beyond.
    CLiveView wide(&input_, &images_);
    wide.SetClock(&clock_);
    wide.setAttribute(Qt::WA_DontShowOnScreen);
    wide.resize(1500, 300);
    wide.show();
    for (int i = 0; i < 1400; ++i) {
        input_.SetCurrent(i % 300 < 150   ? "editor"
                          : i % 300 < 200 ? "mail"
                                          : "program" + std::to_string(i % 7),
                          0);
        clock_.Advance();
        wide.OnTick();
        if (i % 200 == 199) ExpectWindowIsFullRepaint(wide);
    }
}

TEST_F(LiveViewTest, BarsGrowAtTheRightEndAndChangeColourWithTheCurrentRow) {
    Tick("editor");
    const int right = view_.Geom().right;
    EXPECT_EQ(At(right - 1, BarTopY(0)), kCurrent);
    EXPECT_EQ(At(right - 2, BarTopY(0)), QColor(Qt::white));

    for (int i = 1; i < 10; ++i) Tick("editor");
    ASSERT_EQ(view_.Timeline().Runs(1000).size(), 1u);
    EXPECT_EQ(At(right - 10, BarTopY(0)), kCurrent);
    EXPECT_EQ(At(right - 11, BarTopY(0)), QColor(Qt::white));

    Tick("mail", 1);
    EXPECT_EQ(At(right - 2, BarTopY(0)), kNormal);
    EXPECT_EQ(At(right - 1, BarTopY(1)), kCurrent);
}

TEST_F(LiveViewTest, CursorFollowsItsSecondUntilEscape) {
    Tick("editor");
    const int x = view_.Geom().right - 50;
    const int y = view_.Geom().top + 5;
    QTest::mouseClick(&view_, Qt::LeftButton, {}, QPoint(x, y));
    EXPECT_EQ(At(x, y), QColor(Qt::black));
    // Any key composes the picture again, without moving the line off its second.
    QTest::keyClick(&view_, Qt::Key_A);
    EXPECT_EQ(At(x, y), QColor(Qt::black));
    Tick("editor");
    EXPECT_EQ(At(x - 1, y), QColor(Qt::black));
    EXPECT_NE(At(x, y), QColor(Qt::black));
    QTest::keyClick(&view_, Qt::Key_Escape);
    EXPECT_FALSE(view_.CursorShown());
    EXPECT_NE(At(x - 1, y), QColor(Qt::black));

    QTest::mouseClick(&view_, Qt::LeftButton, {}, QPoint(x, y));
    QTest::mouseClick(&view_, Qt::LeftButton, {}, QPoint(20, y));  // in the label column
    EXPECT_FALSE(view_.CursorShown());
}

// Each text of the window drawn unclipped in the middle of a band of its height: its ink,
// descenders and underscores too, stays inside the band.
TEST_F(LiveViewTest, EveryLineFitsItsBandAt18PixelRows) {
    const std::pair<const char*, int> lines[] = {
        {"Live Graph of Hourglint", 18}, {"10:23 gjpqy", 18 - 18 / 4}, {"zz_extremely_long", 17}};
    for (const auto& [text, band] : lines) {
        QImage image(400, 3 * band, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(LineFont(band));
        painter.drawText(QRect(0, band, 400, band), Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter.end();
        const QRect ink = QRegion(QBitmap::fromImage(image.createMaskFromColor(
                                      QColor(Qt::white).rgb(), Qt::MaskInColor)))
                              .boundingRect();
        EXPECT_TRUE(QRect(0, band, 400, band).contains(ink)) << text;
        EXPECT_GE(ink.height(), band / 2) << text;
    }

    // In the window, between its lane separators, an underscore shows.
    Tick("zz_");
    Tick("zz");
    const auto& g = view_.Geom();
    ASSERT_EQ(g.rowHeight, 18);
    const auto lane = [&](int row) {
        // Ink only: the current lane has its own colour.
        return view_.Picture()
            .copy(g.left + 31, g.top + 2 + row * 18, 130, 17)
            .createMaskFromColor(QColor(Qt::white).rgb());
    };
    EXPECT_NE(lane(0), lane(1));
}

TEST_F(LiveViewTest, NoDataSourceWarnsOnceAndSamplesAnEmptyItem) {
    CGraphOneLiveView bare;
    bare.resize(400, 300);
    for (int i = 0; i < 3; ++i) bare.OnTick();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages_, std::vector<std::string>{"No valid pInputData"});
    ASSERT_EQ(bare.Timeline().RowCount(), 1);
    EXPECT_EQ(bare.Timeline().Rows()[0].key, "");
    EXPECT_EQ(bare.Timeline().Rows()[0].icon, -1);
}

class LiveGraphWindowTest : public MainFrameFixture {};

TEST_F(LiveGraphWindowTest, ButtonOpensOneWindowFedByTheTracker) {
    CMainFrame& frame = MakeFrame();
    frame.move(300, 600);
    std::string label, key;
    int icon = 0;
    frame.Tracker().LiveInput().GetCurrent(label, key, icon);
    EXPECT_EQ(key, "");  // before the first step
    EXPECT_EQ(icon, -1);

    sampler_.SetFront("xterm", "/usr/bin/xterm", "shell");
    Tick();  // start-up load
    Tick();
    frame.Tracker().LiveInput().GetCurrent(label, key, icon);
    EXPECT_EQ(label, "xterm");
    EXPECT_EQ(icon, frame.Tracker().Current()->icon);

    QPushButton& button = frame.DialogBar().LiveGraphButton();
    ASSERT_TRUE(button.isEnabled());
    button.click();
    CLiveFrame* window = frame.LiveGraph().Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Live Graph");
    EXPECT_EQ(window->pos(), QPoint(200, 100));
    EXPECT_EQ(window->size(), QSize(400, 500));
    window->View().OnTick();
    button.click();
    EXPECT_EQ(frame.LiveGraph().Window(), window);  // shown again, history kept
    EXPECT_EQ(window->View().Timeline().Total(), 1);

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame.LiveGraph().Window(), nullptr);
    button.click();
    ASSERT_NE(frame.LiveGraph().Window(), nullptr);
    EXPECT_EQ(frame.LiveGraph().Window()->View().Timeline().Total(), 0);
}

// By the keyboard alone: Return on the bar's button, the arrows for the cursor, Escape to
// hide it and then to close the window.
TEST_F(LiveGraphWindowTest, ArrowsMoveTheCursorAndEscapeClosesOnceItIsGone) {
    CMainFrame& frame = MakeFrame();
    sampler_.SetFront("xterm", "/usr/bin/xterm", "shell");
    Tick();
    Tick();
    QTest::keyClick(&frame.DialogBar().LiveGraphButton(), Qt::Key_Return);
    QPointer<CLiveFrame> window = frame.LiveGraph().Window();
    ASSERT_NE(window, nullptr);
    CLiveView& view = window->View();
    view.OnTick();
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool cursor;
        int offset;  // while shown
        bool open;
    };
    const Step steps[] = {
        {Qt::Key_Left, {}, true, 2, true},  // shown at the newest second first
        {Qt::Key_Left, {}, true, 3, true},     {Qt::Key_Left, Qt::ShiftModifier, true, 63, true},
        {Qt::Key_Right, {}, true, 62, true},   {Qt::Key_Escape, {}, false, 0, true},
        {Qt::Key_Escape, {}, false, 0, false},
    };
    for (const Step& step : steps) {
        QTest::keyClick(&view, step.key, step.modifiers);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(window != nullptr, step.open) << step.key;
        if (!step.open) break;
        EXPECT_EQ(view.CursorShown(), step.cursor) << step.key;
        if (step.cursor) {
            EXPECT_EQ(view.CursorOffset(), step.offset) << step.key;
        }
    }
}

}  // namespace
