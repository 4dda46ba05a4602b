// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/IconImage.h"
#include "report/CHtmlReportExport.h"
#include "report/CReportWorker.h"
#include "report/ReportData.h"

class CReportBottomView;
class CReportDialogBar;
class CReportTopView;
class QLabel;
class QSplitter;

// "Log Report": the dialog bar, the sortable list above the top-five chart. Nothing is
// computed until Refresh, and then on the worker; Save writes what the window shows.
class CReportFrame : public QMainWindow {
    Q_OBJECT

  public:
    // A program's small icon by its executable path; nullopt when it has none.
    using IconSource = std::function<std::optional<IconImage>(const std::string& path)>;

    static constexpr int kWidth = 700;
    static constexpr int kHeight = 800;

    // owner: the main window, so the report stays above it and goes down with it.
    CReportFrame(std::string databasePath, IconSource icons, QWidget* owner);
    ~CReportFrame() override;

    CReportDialogBar& DialogBar() { return *bar_; }
    CReportTopView& List() { return *list_; }
    CReportBottomView& ChartView() { return *chart_; }
    QSplitter& Splitter() { return *splitter_; }
    // The line under the bar naming the files an all-computers report left out.
    QLabel& LeftOutLine() { return *leftOut_; }
    // The line over the list saying a report is being computed.
    QLabel& BusyLine() { return *busyLine_; }
    CReportWorker& Worker() { return worker_; }

    ReportMode Mode() const { return mode_; }
    const ReportTotals& Totals() const { return totals_; }
    // The list's rows as they are shown now.
    std::vector<ReportCells> DisplayedRows() const;

    // Starts computing the report for the picked day and mode off the GUI thread; the
    // window shows it when it is done, unless a later Refresh or the window's end came
    // first. The window shows the previous report until then.
    void Refresh();
    // Asks for a file, writes it and offers to open it. Does nothing while a Refresh runs.
    void Save();
    // Writes the report to path as Save does after its dialog.
    CHtmlReportExport::Result SaveTo(const QString& path);
    // Opens the group editor.
    void SetGroup();
    // Moves the picked day by days and refreshes: Previous day and Next day, Alt+Left and
    // Alt+Right.
    void StepDay(int days);
    // What the History button does with the picked day (a CivilDay number); without it the
    // button is hidden.
    void SetHistoryOpener(std::function<void(int64_t day)> opener);

  signals:
    // A Refresh's report is shown, its messages too.
    void Refreshed();

  protected:
    // Cancels a running Refresh: nobody is left to see it.
    void closeEvent(QCloseEvent* event) override;
    // On a short screen the list and the chart share the height, rather than the chart
    // giving up all of it.
    void showEvent(QShowEvent* event) override;

  private:
    std::function<void(int64_t)> historyOpener_;
    struct Computed;

    void ShowBusy(bool busy);
    void Show(Computed computed);

    std::string databasePath_;
    IconSource icons_;
    CReportDialogBar* bar_ = nullptr;
    QLabel* leftOut_ = nullptr;
    QLabel* busyLine_ = nullptr;
    QSplitter* splitter_ = nullptr;
    CReportTopView* list_ = nullptr;
    CReportBottomView* chart_ = nullptr;
    ReportMode mode_ = ReportMode::Process;
    ReportTotals totals_;
    bool shared_ = false;  // the panes' first sharing is done
    // Last, so it goes first: no result arrives once the widgets start going.
    CReportWorker worker_;
};
