// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CReportFrame.h"
#include "controls/ControlResources.h"
#include "controls/DialogUnits.h"
#include "controls/ReadingOrder.h"
#include "groups/CGroupDlg.h"

#include <QApplication>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <atomic>
#include <utility>

#include "core/CShareSettings.h"
#include "core/CivilDay.h"
#include "core/Message.h"
#include "report/CReportBottomView.h"
#include "report/CReportDialogBar.h"
#include "report/CReportModel.h"
#include "report/CReportTopView.h"
#include "report/MergedReportModel.h"
#include "report/ReportWindow.h"

// What a Refresh computed, handed from the worker to the window.
struct CReportFrame::Computed {
    ReportMode mode = ReportMode::Process;
    CReportModel report;
    QString leftOut;
    std::vector<std::string> messages;  // shown by the window, never by the worker
};

namespace {

// Restores the cursor however the work ends.
// The panes' described heights.
constexpr int kListHeight = 320;
constexpr int kChartHeight = 300;

struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

CReportFrame::CReportFrame(std::string databasePath, IconSource icons, QWidget* owner)
    : QMainWindow(owner, OwnedWindowFlags(owner)),
      databasePath_(std::move(databasePath)),
      icons_(std::move(icons)) {
    setWindowTitle(tr("Log Report"));
    setWindowIcon(ControlResources::Icon(ControlResources::kReportIcon));
    // Closing ends this report; the next Open starts afresh.
    setAttribute(Qt::WA_DeleteOnClose);

    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    bar_ = new CReportDialogBar(client);
    column->addWidget(bar_);
    leftOut_ = new QLabel(client);
    leftOut_->setContentsMargins(DuX(2), 0, DuX(2), 2);
    leftOut_->setTextFormat(Qt::PlainText);  // file names from the share folder
    leftOut_->hide();
    column->addWidget(leftOut_);
    splitter_ = new QSplitter(Qt::Vertical, client);
    splitter_->setChildrenCollapsible(false);
    list_ = new CReportTopView(splitter_);
    // Over the list, outside any layout: showing it must not move the panes, or the chart
    // would be drawn and saved at another size.
    busyLine_ = new QLabel(tr("Computing the report\u2026"), list_);
    busyLine_->setTextFormat(Qt::PlainText);
    busyLine_->setAutoFillBackground(true);
    busyLine_->setMargin(2);
    busyLine_->hide();
    chart_ = new CReportBottomView(splitter_);
    splitter_->addWidget(list_);
    splitter_->addWidget(chart_);
    KeepReadingOrder(*splitter_);
    splitter_->setSizes({kListHeight, kChartHeight});
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    column->addWidget(splitter_, 1);
    setCentralWidget(client);

    list_->SetRegistryName(QStringLiteral("ReportTopView"));
    list_->setAccessibleName(tr("Report"));
    list_->setIconSize(QSize(16, 16));
    QStringList headings{QString::fromStdString(ReportModeName(mode_))};
    for (const std::string& heading : ReportValueHeadings()) {
        headings.append(QString::fromStdString(heading));
    }
    list_->Model().SetColumns(headings, {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight,
                                         Qt::AlignRight, Qt::AlignRight, Qt::AlignRight});
    const int widths[] = {160, 85, 95, 100, 100, 100};
    for (int i = 0; i < 6; ++i) {
        list_->FitColumn(i, widths[i]);
        if (i > 0) {
            list_->AddNumericColumn(i);
        }
    }

    connect(&bar_->RefreshButton(), &QPushButton::clicked, this, [this] { Refresh(); });
    connect(&bar_->SaveButton(), &QPushButton::clicked, this, [this] { Save(); });
    connect(&bar_->SetGroupButton(), &QPushButton::clicked, this, [this] { SetGroup(); });
    connect(&bar_->PreviousDayButton(), &QToolButton::clicked, this, [this] { StepDay(-1); });
    connect(&bar_->NextDayButton(), &QToolButton::clicked, this, [this] { StepDay(1); });
    for (const auto& [keys, days] :
         {std::pair{Qt::ALT | Qt::Key_Left, -1}, std::pair{Qt::ALT | Qt::Key_Right, 1}}) {
        auto* step = new QShortcut(QKeySequence(keys), this);
        connect(step, &QShortcut::activated, this, [this, days = days] { StepDay(days); });
    }
    // Escape closes the window, as it does a dialog; the calendar takes its own first.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    bar_->HistoryButton().hide();
    connect(&bar_->HistoryButton(), &QPushButton::clicked, this, [this] {
        if (historyOpener_) {
            const QDate date = bar_->DatePicker().date();
            historyOpener_(DayNumber(date.year(), date.month(), date.day()));
        }
    });
    connect(&worker_, &CReportWorker::BusyChanged, this, [this](bool busy) { ShowBusy(busy); });

    resize(kWidth, kHeight);
    // The keyboard starts in the list, what the window is for; Shift+Tab reaches its headings.
    list_->setFocus();
}

CReportFrame::~CReportFrame() = default;

void CReportFrame::Refresh() {
    const ReportMode mode =
        bar_->ProcessRadio().isChecked() ? ReportMode::Process : ReportMode::Group;
    const int64_t anchor = bar_->DatePicker().dateTime().toSecsSinceEpoch();
    const bool allComputers = bar_->AllComputersRadio().isChecked();
    // A copy: the worker must not read the settings the Options dialog changes.
    const CShareSettings share = TheShareSettings();
    worker_.Run(
        [path = databasePath_, share, anchor, mode, allComputers](const std::atomic<bool>& cancel) {
            Computed computed;
            computed.mode = mode;
            if (!allComputers) {
                computed.report =
                    CReportModel::Compute(path, anchor, mode, &computed.messages, &cancel);
                return computed;
            }
            // One line for whatever could not be read, never a box per file per Refresh.
            MergedReportModel merged = ComputeMergedReport(path, share, ShareFolderSnapshots(share),
                                                           anchor, mode, &cancel);
            computed.report = std::move(merged.report);
            std::string line =
                CMergedReport::ShareNote(merged.leftOut, merged.thisComputerError, share.Sharing());
            computed.leftOut = QString::fromStdString(line);
            return computed;
        },
        [this](Computed computed) { Show(std::move(computed)); });
}

void CReportFrame::closeEvent(QCloseEvent* event) {
    worker_.Cancel();
    QMainWindow::closeEvent(event);
}

void CReportFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shared_) {
        return;
    }
    shared_ = true;
    const QList<int> sizes = splitter_->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (total > 0 && total < kListHeight + kChartHeight) {
        const int list = total * kListHeight / (kListHeight + kChartHeight);
        splitter_->setSizes({list, total - list});
    }
}

void CReportFrame::ShowBusy(bool busy) {
    if (busy) {
        // Below the header, where the first rows are.
        busyLine_->adjustSize();
        busyLine_->move(list_->viewport()->geometry().topLeft() + QPoint(DuX(2), 2));
        busyLine_->raise();
    }
    busyLine_->setVisible(busy);
    // Never one Refresh's rows under another's mode.
    ShowListBusy(*list_, bar_->SaveButton(), busy);
}

void CReportFrame::Show(Computed computed) {
    mode_ = computed.mode;
    list_->Model().SetHeading(0, QString::fromStdString(ReportModeName(mode_)));
    list_->FitColumn(0, list_->columnWidth(0));
    list_->Model().Clear();
    ShowNoteLine(*leftOut_, computed.leftOut);
    const QIcon fallback = RowFallbackIcon(mode_, *this);
    const CReportModel& report = computed.report;
    for (const ReportRow& row : report.Rows()) {
        CSortListModel::Row item;
        ReportCells cells = CReportModel::Cells(row);
        cells[0] = ShownRowName(mode_, cells[0]);
        for (const std::string& cell : cells) {
            item.cells.append(QString::fromStdString(cell));
        }
        item.icon = RowIcon(icons_, mode_, row.path, fallback);
        item.data = row.key;
        list_->Model().Append(std::move(item));
    }
    totals_ = report.Totals();
    ChartData chart = report.Chart();
    for (std::string& item : chart.items) {
        item = ShownRowName(mode_, item);
    }
    chart_->SetData(chart);
    for (const std::string& message : computed.messages) {
        ShowMessage(message);
    }
    emit Refreshed();
}

std::vector<ReportCells> CReportFrame::DisplayedRows() const {
    std::vector<ReportCells> rows;
    const CSortListModel& model = list_->Model();
    rows.reserve(static_cast<size_t>(model.Count()));
    for (int r = 0; r < model.Count(); ++r) {
        ReportCells cells;
        const QStringList& texts = model.At(r).cells;
        for (size_t c = 0; c < cells.size() && static_cast<int>(c) < texts.size(); ++c) {
            cells[c] = texts[static_cast<int>(c)].toStdString();
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

CHtmlReportExport::Result CReportFrame::SaveTo(const QString& path) {
    BusyCursor busy;
    CHtmlReportExport::Input input;
    input.mode = mode_;
    // The day shown now, even if changed since the last Refresh; mode and totals are that
    // Refresh's.
    input.reportDay = bar_->DatePicker().dateTime().toSecsSinceEpoch();
    input.savedAt = QDateTime::currentSecsSinceEpoch();
    input.totals = totals_;
    input.rows = DisplayedRows();
    input.chart = chart_->Chart().Picture();
    input.databasePath = databasePath_;
    return CHtmlReportExport::Save(path, input);
}

void CReportFrame::Save() {
    if (worker_.Busy()) {
        return;
    }
    SaveWindowPage(
        this, databasePath_, [this](const QString& path) { return SaveTo(path); },
        [](const QString& file, const QString& reason) {
            return tr("Cannot write the report file %1:\n%2").arg(file, reason);
        },
        tr("Report generated successfully!\n\nView Now?"));
}

void CReportFrame::StepDay(int days) {
    QDateTimeEdit& picker = bar_->DatePicker();
    picker.setDate(picker.date().addDays(days));
    Refresh();
}

void CReportFrame::SetHistoryOpener(std::function<void(int64_t day)> opener) {
    historyOpener_ = std::move(opener);
    bar_->HistoryButton().setVisible(static_cast<bool>(historyOpener_));
}

void CReportFrame::SetGroup() {
    // Modal, on this window's database; the report shows the new groups at the next
    // Refresh, not before.
    CGroupDlg dialog(databasePath_, icons_, this);
    dialog.exec();
}
