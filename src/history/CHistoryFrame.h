// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/IconImage.h"
#include "history/CHistoryColours.h"
#include "history/CHistoryModel.h"
#include "report/CHtmlReportExport.h"
#include "report/CReportWorker.h"

class CHistoryChartView;
class CHistoryDialogBar;
class CMultiColumnSortListView;
class QLabel;
class QSplitter;

// "History": where the days went. A range of days as one stacked bar per day, or the hours
// of one day or of an average day as 24 stacked columns, above a sortable list of the range.
// Every choice recomputes on the report worker, off the GUI thread; the newest choice wins.
// The top programs or groups get a colour each, which stays theirs while the window lives.
class CHistoryFrame : public QMainWindow {
    Q_OBJECT
  public:
    using IconSource = std::function<std::optional<IconImage>(const std::string& path)>;

    static constexpr int kWidth = 820;
    static constexpr int kHeight = 720;

    // What the chart shows.
    enum class View { Days, AverageDay, DayHours };

    CHistoryFrame(std::string databasePath, IconSource icons, QWidget* owner);
    ~CHistoryFrame() override;

    CHistoryDialogBar& DialogBar() { return *bar_; }
    CHistoryChartView& ChartView() { return *chart_; }
    CMultiColumnSortListView& List() { return *list_; }
    QLabel& InfoLine() { return *info_; }
    CReportWorker& Worker() { return worker_; }

    View CurrentView() const { return view_; }
    // The day whose hours are shown (DayHours), as a CivilDay number.
    int64_t ShownDay() const { return day_; }
    // What was computed last: the range by day, and the hours the chart shows.
    const CHistoryModel& RangeHistory() const { return range_; }
    const CHistoryModel& HoursHistory() const { return hours_; }

    // Reads the bar and recomputes; the result arrives with Refreshed().
    void Refresh();
    // The range as two dates ending on day, showing day's hours; as the report window asks.
    void ShowDay(int64_t day);
    // The hours of the range's column-th day.
    void OpenDay(int column);
    // From the hours back to the days, the day shown before chosen.
    void Back();

    // Asks for a file, writes it and offers to open it.
    void Save();
    // Writes the page to path as Save does after its dialog.
    CHtmlReportExport::Result SaveTo(const QString& path);

    // The tip of a chart column, as hovering shows it.
    QString TipOf(int column) const;

  signals:
    // A computation's result is shown.
    void Refreshed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Computed;
    void Show(Computed computed);
    void ShowChart();
    void ShowList();
    void ShowBusy(bool busy);
    void SetView(View view);
    QString ChartTitle() const;

    std::string databasePath_;
    IconSource icons_;
    CHistoryDialogBar* bar_ = nullptr;
    QLabel* info_ = nullptr;
    QLabel* busyLine_ = nullptr;
    QSplitter* splitter_ = nullptr;
    CHistoryChartView* chart_ = nullptr;
    CMultiColumnSortListView* list_ = nullptr;
    CReportWorker worker_;
    CHistoryColours colours_;
    View view_ = View::Days;
    int64_t day_ = 0;
    CHistoryModel range_;
    CHistoryModel hours_;
    std::vector<std::string> computers_;
    std::string note_;
};
