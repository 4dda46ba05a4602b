// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFontMetrics>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>

#include "DbTestSupport.h"
#include "core/CivilDay.h"
#include "db/CUsageDb.h"
#include "history/CHistoryChartView.h"
#include "history/CHistoryDialogBar.h"
#include "history/CHistoryFrame.h"
#include "livegraph/LineFont.h"
#include "report/CMultiColumnSortListView.h"

namespace {

void EnsureApplication() {
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "hourglint_history_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

class HistoryFrame : public DbTest {
  protected:
    void SetUp() override {
        DbTest::SetUp();
        EnsureApplication();
        CUsageDb(path_, settings_).LoadDb(0, 1);
        RawDb db(path_);
        // Twelve programs over November 2026, the later ones used more towards its end;
        // the 10th is a day without use. "a&<b>" tests the escaping of names.
        for (int p = 1; p <= 12; ++p) {
            const std::string name = p == 12 ? "a&<b>" : "program" + std::to_string(p);
            db.Exec("INSERT INTO titem(id, name, compunit, path) VALUES (" + std::to_string(p) +
                    ", '" + name + "', 0, '/bin/p')");
            for (int day = 1; day <= 30; ++day) {
                if (day == 10) continue;
                char d[16];
                std::snprintf(d, sizeof d, "2026-11-%02d", day);
                const int seconds = p <= 8 ? (9 - p) * 600 : (day > 20 ? p * 900 : 60);
                db.Exec("INSERT INTO ttime(itemid, d, h, seconds) VALUES (" + std::to_string(p) +
                        ", '" + d + "', " + std::to_string(8 + p) + ", " + std::to_string(seconds) +
                        ")");
            }
        }
        frame_ = std::make_unique<CHistoryFrame>(path_, nullptr, nullptr);
        frame_->setAttribute(Qt::WA_DeleteOnClose, false);
        frame_->show();
    }

    // Two dates, as a user picks them, then waits for what they show.
    void Range(const QDate& from, const QDate& to) {
        CHistoryDialogBar& bar = frame_->DialogBar();
        bar.RangeBox().setCurrentIndex(CHistoryDialogBar::kPresets);
        bar.FromEdit().setDate(from);
        bar.ToEdit().setDate(to);
        Refresh([] { return true; });
    }
    // Runs action and waits for the result it asked for.
    template <typename Action>
    void Refresh(Action action) {
        QSignalSpy refreshed(frame_.get(), &CHistoryFrame::Refreshed);
        if (action()) frame_->Refresh();
        ASSERT_TRUE(refreshed.wait(20000));
    }
    QColor ColourOf(const std::string& name) const {
        for (const HistoryChartSeries& series : frame_->ChartView().Chart().Data().series) {
            if (series.name.toStdString() == name) return series.colour;
        }
        return {};
    }
    void Key(int key) { QTest::keyClick(&frame_->ChartView(), static_cast<Qt::Key>(key)); }

    std::unique_ptr<CHistoryFrame> frame_;
};

}  // namespace

TEST_F(HistoryFrame, DaysHoursKeyboardAndColours) {
    Range(QDate(2026, 11, 1), QDate(2026, 11, 30));
    CHistoryChart& chart = frame_->ChartView().Chart();
    ASSERT_EQ(chart.Data().columns, 30);
    // Eight colours and "Other"; the day without use keeps its empty place.
    EXPECT_EQ(chart.Data().series.size(), 9u);
    EXPECT_EQ(chart.ColumnTotal(9), 0);
    EXPECT_GT(chart.ColumnTotal(10), 0);
    EXPECT_EQ(frame_->List().Model().Count(), 12);
    EXPECT_TRUE(frame_->TipOf(0).contains(QStringLiteral("in all")));
    const QColor first = ColourOf("program1");

    struct Step {
        const char* what;
        int key;  // 0: a click on column
        int column;
        CHistoryFrame::View view;
        int selected;  // the chart's chosen column afterwards
    };
    const Step steps[] = {
        {"a click opens the day's hours", 0, 20, CHistoryFrame::View::DayHours, -1},
        {"Escape goes back to the days", Qt::Key_Escape, 0, CHistoryFrame::View::Days, 20},
        {"the arrow keys move", Qt::Key_Right, 0, CHistoryFrame::View::Days, 21},
        {"Home goes to the first day", Qt::Key_Home, 0, CHistoryFrame::View::Days, 0},
        {"Enter opens it", Qt::Key_Return, 0, CHistoryFrame::View::DayHours, -1},
        {"Escape again", Qt::Key_Escape, 0, CHistoryFrame::View::Days, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const bool computes = step.view == CHistoryFrame::View::DayHours;
        if (step.key == 0) {
            Refresh([&] {
                QTest::mouseClick(&frame_->ChartView(), Qt::LeftButton, {},
                                  chart.ColumnSlot(step.column).center());
                return false;
            });
        } else if (computes) {
            Refresh([&] {
                Key(step.key);
                return false;
            });
        } else {
            Key(step.key);
        }
        EXPECT_EQ(frame_->CurrentView(), step.view);
        EXPECT_EQ(chart.Data().columns, computes ? 24 : 30);
        EXPECT_EQ(chart.Selected(), step.selected);
    }
    EXPECT_EQ(frame_->ShownDay(), DayNumber(2026, 11, 1));

    // The last ten days have other programs on top; those that stay keep their colour.
    Range(QDate(2026, 11, 21), QDate(2026, 11, 30));
    EXPECT_EQ(frame_->RangeHistory().Rows().front().name, "a&<b>");
    EXPECT_EQ(ColourOf("program1"), first);
    // An average day: the hours divided by the range's days.
    Refresh([&] {
        frame_->DialogBar().HoursRadio().click();
        return false;
    });
    EXPECT_EQ(frame_->CurrentView(), CHistoryFrame::View::AverageDay);
    EXPECT_NEAR(chart.ColumnTotal(20), 12 * 900, 1e-6);  // "a&<b>" at 20:00 every day
    EXPECT_TRUE(messages_.empty());
}

TEST_F(HistoryFrame, TextsFitTheListSortsByValueAndSaveEscapes) {
    Range(QDate(2026, 10, 1), QDate(2026, 12, 31));
    for (const QSize size : {QSize(CHistoryFrame::kWidth, 400), QSize(300, 180)}) {
        frame_->ChartView().Chart().SetSize(size);
        const QFontMetrics metrics(LineFont(13));
        for (const CHistoryChart::DrawnText& text : frame_->ChartView().Chart().Texts()) {
            EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(text.box)) << text.text.toStdString();
            EXPECT_TRUE(text.text.endsWith(QChar(0x2026)) ||
                        QFontMetrics(LineFont(16)).horizontalAdvance(text.text) <=
                            text.box.width() + 1 ||
                        metrics.horizontalAdvance(text.text) <= text.box.width() + 1)
                << text.text.toStdString();
        }
    }
    // "Total" sorts by the seconds, not by the text of its hours.
    CMultiColumnSortListView& list = frame_->List();
    list.HeadingClicked(1, false);
    const CSortListModel& model = list.Model();
    for (int r = 1; r < model.Count(); ++r) {
        EXPECT_GE(model.At(r - 1).keys[1], model.At(r).keys[1]);
    }
    list.HeadingClicked(1, false);
    EXPECT_LE(model.At(0).keys[1], model.At(model.Count() - 1).keys[1]);

    const QString page = QString::fromStdString((folder_ / "history.html").string());
    const CHtmlReportExport::Result saved = frame_->SaveTo(page);
    ASSERT_TRUE(saved.written) << saved.error.toStdString();
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    EXPECT_TRUE(html.contains("a&amp;&lt;b&gt;"));
    EXPECT_FALSE(html.contains("a&<b>"));
    EXPECT_TRUE(QFile::exists(saved.imagePath));
}
