// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDateTime>
#include <QDateTimeEdit>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>

#include "ReportTestSupport.h"
#include "report/CReportBottomView.h"
#include "report/CReportDialogBar.h"
#include "report/CReportFrame.h"
#include "report/CReportLauncher.h"
#include "report/CReportModel.h"
#include "report/CReportTopView.h"

namespace {

class ReportFrame : public ReportTest {
  protected:
    std::unique_ptr<CReportFrame> Frame() {
        auto frame = std::make_unique<CReportFrame>(path_, nullptr, nullptr);
        frame->setAttribute(Qt::WA_DeleteOnClose, false);
        frame->DialogBar().DatePicker().setDateTime(QDateTime::fromSecsSinceEpoch(anchor_));
        return frame;
    }
    static std::vector<std::string> Names(CReportFrame& frame) {
        std::vector<std::string> names;
        for (const ReportCells& row : frame.DisplayedRows()) names.push_back(row[0]);
        return names;
    }
    static std::string Heading(CReportFrame& frame) {
        return frame.List()
            .Model()
            .headerData(0, Qt::Horizontal, Qt::DisplayRole)
            .toString()
            .toStdString();
    }
};

}  // namespace

TEST_F(ReportFrame, RefreshListsTheRowsInReportOrderWithTheirValuesTotalsAndChart) {
    AddItem(1, "seventy", 0);
    AddTime(1, 0, 70);
    AddItem(2, "early", 0);
    AddTime(2, 20, 700);
    AddItem(3, "before", 0);
    AddTime(3, 1, 50);
    AddTime(3, 7, 21);  // in the month, not the week

    auto frame = Frame();
    EXPECT_TRUE(frame->DisplayedRows().empty());  // nothing before the first Refresh
    ASSERT_TRUE(RefreshAndWait(*frame));

    const std::vector<ReportCells> expected = {{"seventy", "70", "0", "10", "2", "0"},
                                               {"before", "0", "50", "7", "2", "0"},
                                               {"early", "0", "0", "0", "23", "1"}};
    EXPECT_EQ(frame->DisplayedRows(), expected);
    EXPECT_EQ(frame->Totals(), (ReportTotals{70, 50, 17, 27, 1}));
    EXPECT_EQ(Heading(*frame), "Process");
    EXPECT_TRUE(frame->ChartView().Chart().HasData());

    const ChartData chart = CReportModel::Compute(path_, anchor_, ReportMode::Process).Chart();
    EXPECT_EQ(chart.items, (std::vector<std::string>{"seventy", "before", "early"}));
    EXPECT_EQ(chart.values[3], (std::vector<int32_t>{2, 2, 23}));
    EXPECT_EQ(chart.title, "Top 5 Processes");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ReportFrame, TheModeChangesOnlyAtRefreshAndTotalsNeverAccumulate) {
    Exec("INSERT INTO tgroup(id, name) VALUES (1, 'Work')");
    AddItem(1, "editor", 1);
    AddTime(1, 0, 300);
    AddItem(2, "orphan", 7);  // group 7 has no row
    AddTime(2, 0, 40);
    AddItem(3, "shell", 0);
    AddTime(3, 0, 100);

    auto frame = Frame();
    ASSERT_TRUE(RefreshAndWait(*frame));
    const auto processRows = frame->DisplayedRows();
    frame->DialogBar().GroupRadio().setChecked(true);
    EXPECT_EQ(frame->DisplayedRows(), processRows);
    EXPECT_EQ(Heading(*frame), "Process");

    frame->Refresh();  // superseded by the next
    ASSERT_TRUE(RefreshAndWait(*frame));
    EXPECT_EQ(Heading(*frame), "Group");
    EXPECT_EQ(frame->Mode(), ReportMode::Group);
    EXPECT_EQ(Names(*frame), (std::vector<std::string>{"Work", "Default", ""}));
    EXPECT_EQ(frame->Totals().today, 440);
    EXPECT_EQ(CReportModel::Compute(path_, anchor_, ReportMode::Group).Chart().title,
              "Top 5 Groups");

    frame->DialogBar().ProcessRadio().setChecked(true);
    ASSERT_TRUE(RefreshAndWait(*frame));
    EXPECT_EQ(frame->DisplayedRows(), processRows);
    EXPECT_EQ(frame->Totals().today, 440);
}

TEST_F(ReportFrame, ADatabaseFailureIsShownAndLeavesTheWindowUsable) {
    // A folder where the file should be: the connection fails.
    auto frame = std::make_unique<CReportFrame>(folder_.string(), nullptr, nullptr);
    ASSERT_TRUE(RefreshAndWait(*frame));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(frame->DisplayedRows().empty());
    EXPECT_EQ(frame->Totals(), ReportTotals{});
}

TEST_F(ReportFrame, SaveOntoTheDatabaseIsRefusedWithTheDialogKeptOpen) {
    AddItem(1, "editor", 0);
    AddTime(1, 0, 70);
    const auto bytes = [this] {
        QFile file(QString::fromStdString(path_));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = bytes();
    auto frame = Frame();
    frame->show();
    ASSERT_TRUE(RefreshAndWait(*frame));
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
        dialog->selectFile(QString::fromStdString(path_));
        static_cast<QDialog*>(dialog)->accept();  // as the Save button does
        stayedOpen = dialog->isVisible();
        dialog->reject();
    });
    frame->Save();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages_, std::vector<std::string>{"Cannot write the report file " + path_ +
                                                  ":\nit is the database in use"});
    EXPECT_EQ(bytes(), before);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "HG.jpg"));
}

TEST_F(ReportFrame, TheLauncherPlacesOneWindowAndTheListSavesItsWidthsOnClose) {
    EXPECT_EQ(CReportLauncher::InitialGeometry(QRect(1000, 50, 435, 500)),
              QRect(300, 50, 700, 800));
    EXPECT_EQ(CReportLauncher::InitialGeometry(QRect(100, 900, 435, 500)),
              QRect(200, 100, 700, 800));

    QWidget owner;
    CReportLauncher launcher(&owner, path_, nullptr);
    CReportFrame* first = launcher.Open();
    EXPECT_EQ(launcher.Open(), first);
    EXPECT_EQ(first->parentWidget(), &owner);
    EXPECT_TRUE(first->DialogBar().SetGroupButton().isEnabled());
    // The described widths, or what a heading and its arrow need where that is more.
    QString widths;
    const int described[] = {160, 85, 95, 100, 100, 100};
    for (int i = 0; i < 6; ++i) {
        const int fitting = first->List().SortHeader().FittingWidth(i);
        widths += QString::number(std::max(described[i], fitting)) + u',';
    }
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(launcher.Window(), nullptr);

    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Hourglint", "Hourglint");
    EXPECT_EQ(settings.value("ColumnWidths/ReportTopView").toString(), widths);
}

TEST_F(ReportFrame, DayStepsByButtonAndKeyRefreshTheShownDay) {
    AddItem(1, "today", 0);
    AddTime(1, 0, 30);
    AddItem(2, "yesterday", 0);
    AddTime(2, 1, 40);
    auto frame = Frame();
    frame->show();

    // Each step is taken by the button or the key, and shows its day's first row.
    const QDate shown = frame->DialogBar().DatePicker().date();
    struct Step {
        std::function<void()> take;
        int days;
        const char* first;
    };
    const std::vector<Step> steps = {
        {[&] { frame->DialogBar().PreviousDayButton().click(); }, -1, "yesterday"},
        {[&] { QTest::keyClick(frame.get(), Qt::Key_Right, Qt::AltModifier); }, 0, "today"},
        {[&] { QTest::keyClick(frame.get(), Qt::Key_Left, Qt::AltModifier); }, -1, "yesterday"},
        {[&] { frame->DialogBar().NextDayButton().click(); }, 0, "today"},
    };
    for (const Step& step : steps) {
        QSignalSpy refreshed(frame.get(), &CReportFrame::Refreshed);
        step.take();
        ASSERT_TRUE(refreshed.count() > 0 || refreshed.wait(10000));
        EXPECT_EQ(frame->DialogBar().DatePicker().date(), shown.addDays(step.days));
        ASSERT_FALSE(frame->DisplayedRows().empty());
        EXPECT_EQ(frame->DisplayedRows()[0][0], step.first);
    }
}
