// SPDX-License-Identifier: GPL-3.0-or-later
// Runs on an offscreen 1280 x 800 screen at 150 % (see CMakeLists.txt).
#include <QApplication>
#include <QEnterEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <set>

#include "ShellTestSupport.h"
#include "controls/BCMenu.h"
#include "controls/CDigitLabel.h"
#include "controls/CHyperLink.h"
#include "controls/CImageButton.h"
#include "controls/Contrast.h"
#include "controls/ControlResources.h"
#include "controls/TestPalette.h"
#include "core/CAppSettings.h"
#include "core/CLiveInputData.h"
#include "groups/CGroupDlg.h"
#include "history/CHistoryChartView.h"
#include "livegraph/CLiveView.h"
#include "report/CReportModel.h"
#include "report/CSortHeader.h"
#include "report/CStaticBarVView.h"
#include "shell/CAboutDlg.h"
#include "shell/CConfigDlg.h"
#include "shell/CImageList.h"

namespace {

ChartData TopFive() {
    ReportTable rows;
    for (int i = 0; i < 5; ++i) {
        rows.push_back({i, "program" + std::to_string(i), "", 3600 - 500 * i, 1800, 900, 600, 60});
    }
    return CReportModel(ReportMode::Process, rows).Chart();
}

HistoryChartData Week() {
    HistoryChartData data;
    data.firstDay = 20000;
    data.columns = 7;
    data.title = QStringLiteral("Time per day");
    // The palest of the History colours, which must still stand out.
    data.series.push_back({QStringLiteral("editor"), QColor(0xEDC948), {3600, 7200, 0, 1800}});
    data.series.push_back({QStringLiteral("mail"), QColor(0xFF9DA7), {600, 1200, 0, 300}});
    return data;
}

// The live graph, the report's chart and History's chart with some data, and the clock.
class DrawingTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        QApplication::setPalette(QApplication::style()->standardPalette());
        images_.Add(IconImage{16, 16, std::vector<uint32_t>(256, 0xFF22AA44u)});
        live_.SetClock(&clock_);
        for (const char* name : {"editor", "editor", "mail", "mail"}) {
            input_.SetCurrent(name, 0);
            clock_.Advance();
            live_.OnTick();
        }
        chart_.resize(700, 400);
        chart_.SetData(TopFive());
        history_.resize(500, 300);
        history_.SetData(Week());
        clock_label_.Start(ControlResources::kClockBackground, ControlResources::kClockLargeDigits,
                           ControlResources::kClockSmallDigits, true);
        clock_label_.SetText("01:23:45");
        // Shown, as a new palette reaches the windows that are.
        for (QWidget* part : {static_cast<QWidget*>(&live_), static_cast<QWidget*>(&chart_),
                              static_cast<QWidget*>(&history_)}) {
            Show(part);
        }
    }
    static void Show(QWidget* part) {
        part->setAttribute(Qt::WA_DontShowOnScreen);
        part->show();
    }
    void TearDown() override {
        QApplication::setPalette(QApplication::style()->standardPalette());
        ShellTest::TearDown();
    }

    FakeClock clock_{NoonTime()};
    CLiveInputData input_;
    CImageList images_;
    CLiveView live_{&input_, &images_};
    CStaticBarVView chart_;
    CHistoryChartView history_;
    CDigitLabel clock_label_;
};

TEST_F(DrawingTest, TwiceTheRatioDrawsTwiceThePixelsNotAnEnlargement) {
    const std::pair<const char*, std::function<QImage(qreal)>> parts[] = {
        {"clock", [&](qreal r) { return clock_label_.Picture(r); }},
        {"chart",
         [&](qreal r) {
             chart_.Chart().SetRatio(r);
             return chart_.Chart().Surface();
         }},
        {"live graph", [&](qreal r) { return live_.FullRepaintPicture(r); }},
    };
    for (const auto& [part, draw] : parts) {
        const QImage one = draw(1).convertToFormat(QImage::Format_RGB32);
        const QImage two = draw(2).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(two.size(), one.size() * 2) << part;
        EXPECT_FALSE(two == one.scaled(one.size() * 2)) << part << " is the 1x picture doubled";
        // Yet the same picture: made small again, nearly every pixel is close to the 1x one.
        const QImage back = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int close = 0;
        for (int y = 0; y < one.height(); ++y) {
            for (int x = 0; x < one.width(); ++x) {
                const QRgb a = one.pixel(x, y), b = back.pixel(x, y);
                close += std::abs(qGray(a) - qGray(b)) < 80;
            }
        }
        EXPECT_GT(close, one.width() * one.height() * 9 / 10) << part;
    }
    // At 125 % and 150 % a column of the empty strip holds only the background, the lane
    // rules and the frame: no rule smeared into a blend of two.
    const auto& g = live_.Geom();
    for (const qreal r : {1.25, 1.5}) {
        const QImage picture = live_.FullRepaintPicture(r);
        const int x = static_cast<int>((g.left + CGraphOneLiveView::kStripOffset + 10) * r);
        std::set<QRgb> colours;
        for (int y = static_cast<int>(g.top * r); y <= static_cast<int>(g.bottom * r); ++y) {
            colours.insert(picture.pixel(x, y));
        }
        EXPECT_EQ(colours.size(), 3u) << r;
    }
}

// What a part painted: ink is looked for in an area, against the colour at a point beside it.
struct Sample {
    const char* what;
    QImage image;
    QRect ink;
    QPoint ground;
    double least;
};

double BestContrast(const Sample& sample) {
    const QColor ground = sample.image.pixelColor(sample.ground);
    double best = 1;
    const QRect area = sample.ink.intersected(sample.image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            best = std::max(best, ContrastRatio(sample.image.pixelColor(x, y), ground));
        }
    }
    return best;
}

// A logical rectangle of a picture drawn at ratio.
QRect Pixels(const QRect& logical, qreal ratio) {
    return QRect((QRectF(logical).topLeft() * ratio).toPoint(),
                 (QSizeF(logical.size()) * ratio).toSize());
}

TEST_F(DrawingTest, TextsAndMarksStandOutUnderLightAndDarkPalettes) {
    CImageButton button(QStringLiteral("&Report"));
    button.SetUpForDialogBar(ControlResources::kReportIcon, QStringLiteral("tip"));
    button.resize(button.sizeHint());
    CHyperLink link(QStringLiteral("support@hourglint.invalid"));
    BCMenu menu;
    menu.AppendItem(QStringLiteral("&Report"), 32774);
    QAction* exit = menu.AppendItem(QStringLiteral("E&xit"), 32783);
    menu.LoadToolbar(ControlResources::kTrayToolbar, ControlResources::kTrayToolbarCommands);
    QStandardItemModel headings(0, 2);
    CSortHeader header;
    header.setModel(&headings);
    header.resize(300, 24);
    header.resizeSection(0, 150);
    header.SetArrow(0, CSortHeader::Arrow::Up);
    for (QWidget* part : {static_cast<QWidget*>(&button), static_cast<QWidget*>(&link),
                          static_cast<QWidget*>(&header)}) {
        Show(part);
    }

    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        // Changed while everything is shown: each part must repaint in the new colours.
        QApplication::setPalette(dark ? DarkTestPalette()
                                      : QApplication::style()->standardPalette());
        QApplication::processEvents();  // the palette reaches the widgets posted
        live_.OnTick();
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(&button, &enter);
        ASSERT_TRUE(button.IsHovered());
        menu.popup(QPoint(10, 10));
        menu.setActiveAction(exit);

        const qreal r = live_.devicePixelRatioF();
        const auto& g = live_.Geom();
        const QImage live = live_.Picture();
        const QPoint liveGround(1, 1);  // the margin above the title
        const int lane = CLaneTimeline::BarTop(1, g.rowHeight) + g.top + 1;
        const QImage chart = chart_.Chart().Surface();
        const QRect name = Pixels(chart_.Chart().ItemNameBoxes().at(0), chart.devicePixelRatio());
        const QImage history = history_.Chart().Image();
        const qreal hr = history.devicePixelRatio();
        const QRect slot = Pixels(history_.Chart().ColumnSlot(1), hr);
        const QRect exitRow = Pixels(menu.actionGeometry(exit), r);
        const QRect arrow = Pixels(QRect(150 - 6 - 9 - 2, 12 - 4, 12, 8), r);
        const Sample samples[] = {
            {"live graph, current lane's name", live,
             Pixels(QRect(g.left + 52, g.top + 1 + g.rowHeight, 110, g.rowHeight), r), liveGround,
             kTextContrast},
            {"live graph, other lane's name", live,
             Pixels(QRect(g.left + 52, g.top + 1, 110, g.rowHeight), r), liveGround, kTextContrast},
            {"live graph, current bar", live, Pixels(QRect(g.right - 2, lane, 1, 1), r), liveGround,
             kMarkContrast},
            {"live graph, time axis", live,
             Pixels(QRect(g.left, g.bottom + 1, g.right - g.left, g.rowHeight), r), liveGround,
             kTextContrast},
            {"live graph, lane rule", live,
             Pixels(QRect(g.left + 10, g.top + g.rowHeight + 1, 1, 1), r), liveGround,
             kMarkContrast},
            {"chart, item name", chart, name, name.topLeft(), kTextContrast},
            {"chart, front bar", chart,
             name.translated(0, -name.height() - 4 * r)
                 .adjusted(name.width() / 3, 0, -name.width() / 3, 0),
             name.topLeft(), kMarkContrast},
            {"History, title", history, Pixels(history_.Chart().Texts().at(0).box, hr),
             QPoint(1, 1), kTextContrast},
            {"History, pale bar", history, QRect(slot.center().x(), slot.bottom() - 3, 1, 1),
             QPoint(1, 1), kMarkContrast},
            {"button, hovered caption", button.grab().toImage(),
             Pixels(QRect(0, 36, button.width(), button.height() - 36), r),
             Pixels(QRect(3, button.height() - 3, 1, 1), r).topLeft(), kTextContrast},
            {"link", link.grab().toImage(), Pixels(link.rect(), r), QPoint(0, 0), kTextContrast},
            {"menu, highlighted item", menu.grab().toImage(), exitRow.adjusted(24 * r, 0, 0, 0),
             exitRow.topRight() + QPoint(-3 * r, 3 * r), kTextContrast},
            {"sort arrow", header.grab().toImage(), arrow, arrow.topLeft() - QPoint(3 * r, 0),
             kMarkContrast},
        };
        for (const Sample& sample : samples) {
            EXPECT_GE(BestContrast(sample), sample.least) << sample.what;
        }
        // A saved page's charts: logical size and light colours, whatever the screen and palette.
        for (const QImage& saved : {chart_.Chart().Picture(), history_.Chart().SavedImage()}) {
            EXPECT_EQ(saved.devicePixelRatio(), 1);
            EXPECT_EQ(saved.pixelColor(1, 1), QColor(Qt::white));
        }
        EXPECT_EQ(chart_.Chart().Picture().size(), chart_.Chart().ClientSize());
        menu.hide();
    }
}

TEST_F(DrawingTest, DialogsFitASmallScreenAt150PercentWithTheirButtonsInside) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->devicePixelRatio(), 1.5);
    const QRect room = screen->availableGeometry();
    ASSERT_EQ(room.size(), QSize(853, 533));
    QTemporaryDir folder;
    CConfigDlg options(TheSettings().Values(), TheSettings().Defaults());
    CGroupDlg groups(folder.filePath(QStringLiteral("HG.mdb")).toStdString());
    CAboutDlg about(nullptr, QStringLiteral("X11"), QStringLiteral("/tmp/HG.mdb"));
    const std::pair<QDialog*, std::vector<QPushButton*>> dialogs[] = {
        {&options, {&options.OkButton(), &options.CancelButton()}},
        {&groups, {&groups.SaveButton(), &groups.CancelButton()}},
        {&about, {about.findChild<QPushButton*>()}},
    };
    for (const auto& [dialog, buttons] : dialogs) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        EXPECT_TRUE(room.contains(dialog->frameGeometry())) << dialog->windowTitle().toStdString();
        for (QPushButton* button : buttons) {
            ASSERT_NE(button, nullptr);
            const QRect shown(button->mapToGlobal(QPoint(0, 0)), button->size());
            EXPECT_TRUE(button->isVisible() && room.contains(shown) &&
                        dialog->geometry().contains(shown))
                << dialog->windowTitle().toStdString() << ": " << button->text().toStdString();
        }
        dialog->hide();
    }
}

}  // namespace
