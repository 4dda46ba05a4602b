// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/CHistoryFrame.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "controls/ControlResources.h"
#include "controls/DialogUnits.h"
#include "controls/ReadingOrder.h"
#include "core/CShareSettings.h"
#include "core/CivilDay.h"
#include "core/Message.h"
#include "history/CHistoryChartView.h"
#include "history/CHistoryDialogBar.h"
#include "history/CHistoryHtmlExport.h"
#include "history/HistoryRange.h"
#include "history/HistoryText.h"
#include "history/HistoryTitles.h"
#include "history/MergedHistoryModel.h"
#include "report/CMultiColumnSortListView.h"
#include "report/MergedReportModel.h"
#include "report/ReportWindow.h"

namespace {

using HistoryTitles::DateOf;
using HistoryTitles::DayOf;

QString Span(int64_t seconds) {
    return QString::fromStdString(HistorySpanText(seconds));
}

// The tip's lines for the largest values of a column: at most five, none of 0.
QStringList TopLines(const CHistoryModel& history, int column, double divisor) {
    std::vector<std::pair<int64_t, const HistoryRow*>> values;
    for (const HistoryRow& row : history.Rows()) {
        const int64_t value = row.values[static_cast<size_t>(column)];
        if (value > 0) values.emplace_back(value, &row);
    }
    std::stable_sort(values.begin(), values.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList lines;
    for (size_t i = 0; i < values.size() && i < 5; ++i) {
        lines << CHistoryFrame::tr("%1: %2").arg(
            QString::fromStdString(values[i].second->name),
            Span(static_cast<int64_t>(values[i].first / divisor)));
    }
    if (values.size() > 5) {
        lines << CHistoryFrame::tr("and %n more", nullptr, static_cast<int>(values.size() - 5));
    }
    return lines;
}

}  // namespace

struct CHistoryFrame::Computed {
    HistoryQuery query;
    View view = View::Days;
    int64_t day = 0;
    CHistoryModel range;
    CHistoryModel hours;
    std::vector<std::string> computers;
    std::string note;  // the line under the bar: what was left out, what the hours are
    std::vector<std::string> messages;
};

CHistoryFrame::CHistoryFrame(std::string databasePath, IconSource icons, QWidget* owner)
    : QMainWindow(owner, OwnedWindowFlags(owner)),
      databasePath_(std::move(databasePath)),
      icons_(std::move(icons)) {
    setWindowTitle(tr("History"));
    setWindowIcon(ControlResources::Icon(ControlResources::kHistoryIcon));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    bar_ = new CHistoryDialogBar(client);
    column->addWidget(bar_);
    for (QLabel** line : {&info_, &busyLine_}) {
        *line = new QLabel(client);
        (*line)->setTextFormat(Qt::PlainText);  // file and program names
        (*line)->setContentsMargins(DuX(2), 0, DuX(2), 2);
        (*line)->hide();
        column->addWidget(*line);
    }
    busyLine_->setText(tr("Adding up the days\u2026"));
    splitter_ = new QSplitter(Qt::Vertical, client);
    splitter_->setChildrenCollapsible(false);
    chart_ = new CHistoryChartView(splitter_);
    list_ = new CMultiColumnSortListView(splitter_);
    splitter_->addWidget(chart_);
    splitter_->addWidget(list_);
    KeepReadingOrder(*splitter_);
    splitter_->setSizes({400, 240});
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    column->addWidget(splitter_, 1);
    setCentralWidget(client);

    list_->SetRegistryName(QStringLiteral("HistoryList"));
    list_->setAccessibleName(tr("Totals of the range"));
    list_->setIconSize(QSize(16, 16));
    list_->Model().SetColumns({QString::fromStdString(ReportModeName(ReportMode::Process)),
                               tr("Total"), tr("Daily Average"), tr("Share")},
                              {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignRight});
    const int widths[] = {260, 110, 110, 80};
    for (int i = 0; i < 4; ++i) {
        list_->FitColumn(i, widths[i]);
        if (i > 0) list_->AddNumericColumn(i);
    }
    setTabOrder(bar_, chart_);
    setTabOrder(chart_, &list_->SortHeader());
    setTabOrder(&list_->SortHeader(), list_);

    chart_->SetTipSource([this](int c) { return TipOf(c); });
    connect(chart_, &CHistoryChartView::Activated, this, [this](int c) {
        if (view_ == View::Days) OpenDay(c);
    });
    connect(chart_, &CHistoryChartView::BackRequested, this, &CHistoryFrame::Back);
    // Escape goes back from anywhere in the window, not only from the chart.
    auto* back = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(back, &QShortcut::activated, this, &CHistoryFrame::Back);
    connect(bar_, &CHistoryDialogBar::Changed, this, [this] {
        // The view radios choose between the days and the range's average day.
        if (bar_->DaysRadio().isChecked()) {
            view_ = View::Days;
        } else if (view_ == View::Days) {
            view_ = View::AverageDay;
        }
        Refresh();
    });
    connect(&bar_->SaveButton(), &QPushButton::clicked, this, [this] { Save(); });
    connect(&worker_, &CReportWorker::BusyChanged, this, [this](bool busy) { ShowBusy(busy); });

    resize(kWidth, kHeight);
}

CHistoryFrame::~CHistoryFrame() = default;

void CHistoryFrame::closeEvent(QCloseEvent* event) {
    worker_.Cancel();
    QMainWindow::closeEvent(event);
}

void CHistoryFrame::Refresh() {
    const QDate today = QDate::currentDate();
    const int preset = bar_->RangeBox().currentIndex();
    DayRange range;
    if (preset >= 0 && preset < CHistoryDialogBar::kPresets) {
        const int firstWeekday = static_cast<int>(QLocale().firstDayOfWeek()) - 1;
        range = PresetRange(static_cast<HistoryPreset>(preset), DayOf(today), firstWeekday);
        // The dates say which days a preset is, and start from there when edited.
        const QSignalBlocker quietFrom(&bar_->FromEdit());
        const QSignalBlocker quietTo(&bar_->ToEdit());
        bar_->FromEdit().setDate(DateOf(range.first));
        bar_->ToEdit().setDate(DateOf(range.last));
    } else {
        range = {DayOf(bar_->FromEdit().date()), DayOf(bar_->ToEdit().date())};
    }
    HistoryQuery query;
    query.firstDay = range.first;
    query.lastDay = range.last;
    query.mode = bar_->ProcessRadio().isChecked() ? ReportMode::Process : ReportMode::Group;
    if (range.last < range.first || range.last - range.first + 1 > kMostHistoryDays) {
        worker_.Cancel();
        info_->setText(range.last < range.first
                           ? tr("The range starts after it ends: choose a From date before the "
                                "To date.")
                           : tr("A range holds at most %1 days.").arg(kMostHistoryDays));
        info_->show();
        return;
    }
    if (view_ == View::DayHours && (day_ < range.first || day_ > range.last)) {
        view_ = View::AverageDay;
    }
    const View view = view_;
    const int64_t day = day_;
    const bool allComputers = bar_->AllComputersRadio().isChecked();
    // A copy: the worker must not read the settings the Options dialog changes.
    const CShareSettings share = TheShareSettings();
    worker_.Run(
        [path = databasePath_, share, query, view, day,
         allComputers](const std::atomic<bool>& cancel) {
            Computed computed;
            computed.query = query;
            computed.view = view;
            computed.day = day;
            HistoryQuery hours = query;
            hours.by = HistoryBy::Hour;
            if (view == View::DayHours) {
                hours.firstDay = hours.lastDay = day;
            }
            if (!allComputers) {
                computed.computers = {share.Name()};
                computed.range = CHistoryModel::Compute(path, query, &computed.messages, &cancel);
                if (view != View::Days) {
                    computed.hours =
                        CHistoryModel::Compute(path, hours, &computed.messages, &cancel);
                }
                return computed;
            }
            const std::vector<std::string> snapshots = ShareFolderSnapshots(share);
            MergedHistoryModel merged =
                ComputeMergedHistory(path, share, snapshots, query, &cancel);
            computed.range = std::move(merged.history);
            computed.computers = std::move(merged.computers);
            std::string line =
                CMergedReport::ShareNote(merged.leftOut, merged.thisComputerError, share.Sharing());
            if (view != View::Days) {
                MergedHistoryModel hourly =
                    ComputeMergedHistory(path, share, snapshots, hours, &cancel);
                computed.hours = std::move(hourly.history);
                const std::string hoursNote =
                    tr("Snapshots hold days only: the hours are this computer's.").toStdString();
                line += (line.empty() ? "" : " ") + hoursNote;
            }
            computed.note = line;
            return computed;
        },
        [this](Computed computed) { Show(std::move(computed)); });
}

void CHistoryFrame::ShowBusy(bool busy) {
    busyLine_->setVisible(busy);
    // A page never mixes one range's chart with another's list.
    ShowListBusy(*list_, bar_->SaveButton(), busy);
}

void CHistoryFrame::Show(Computed computed) {
    range_ = std::move(computed.range);
    hours_ = std::move(computed.hours);
    view_ = computed.view;
    day_ = computed.day;
    computers_ = std::move(computed.computers);
    note_ = std::move(computed.note);
    ShowNoteLine(*info_, QString::fromStdString(note_));
    {
        const QSignalBlocker quiet(&bar_->HoursRadio());
        const QSignalBlocker quietDays(&bar_->DaysRadio());
        (view_ == View::Days ? bar_->DaysRadio() : bar_->HoursRadio()).setChecked(true);
    }
    ShowList();
    ShowChart();
    for (const std::string& message : computed.messages) {
        ShowMessage(message);
    }
    emit Refreshed();
}

QString CHistoryFrame::ChartTitle() const {
    const QLocale locale;
    const HistoryQuery& query = range_.Query();
    switch (view_) {
        case View::Days:
            return HistoryTitles::DaysOf(locale, query.firstDay, query.lastDay);
        case View::AverageDay:
            return HistoryTitles::AverageDay(locale, query.firstDay, query.lastDay);
        case View::DayHours:
            return HistoryTitles::HoursOf(locale, day_);
    }
    return {};
}

void CHistoryFrame::ShowChart() {
    const bool days = view_ == View::Days;
    const CHistoryModel& shown = days ? range_ : hours_;
    const double divisor = view_ == View::AverageDay
                               ? static_cast<double>(std::max<int64_t>(range_.Query().Days(), 1))
                               : 1.0;
    chart_->SetData(CHistoryChart::FromModel(shown, colours_, ChartTitle(), divisor));
    if (days && day_ >= range_.Query().firstDay && day_ <= range_.Query().lastDay) {
        chart_->Select(static_cast<int>(day_ - range_.Query().firstDay));
    } else if (!days) {
        chart_->Select(-1);
    }
}

void CHistoryFrame::ShowList() {
    const ReportMode mode = range_.Query().mode;
    list_->Model().SetHeading(0, QString::fromStdString(ReportModeName(mode)));
    list_->FitColumn(0, list_->columnWidth(0));
    list_->Model().Clear();
    const QIcon fallback = RowFallbackIcon(mode, *this);
    const std::vector<HistoryListCells> cells = HistoryList(range_);
    for (size_t i = 0; i < cells.size(); ++i) {
        const HistoryRow& row = range_.Rows()[i];
        const int64_t total = range_.RowTotals()[i];
        CSortListModel::Row item;
        item.cells = {QString::fromStdString(ShownRowName(mode, cells[i].name)),
                      QString::fromStdString(cells[i].total),
                      QString::fromStdString(cells[i].average),
                      QString::fromStdString(cells[i].share)};
        // The numbers sort by value, not by their text.
        item.keys = {0, total, range_.DailyAverage(total), range_.ShareTenths(total)};
        item.icon = RowIcon(icons_, mode, row.path, fallback);
        item.data = row.key;
        list_->Model().Append(std::move(item));
    }
}

void CHistoryFrame::ShowDay(int64_t day) {
    {
        const QSignalBlocker quietRange(&bar_->RangeBox());
        const QSignalBlocker quietFrom(&bar_->FromEdit());
        const QSignalBlocker quietTo(&bar_->ToEdit());
        bar_->RangeBox().setCurrentIndex(CHistoryDialogBar::kPresets);
        bar_->FromEdit().setDate(DateOf(day - 29));
        bar_->ToEdit().setDate(DateOf(day));
    }
    view_ = View::DayHours;
    day_ = day;
    Refresh();
}

void CHistoryFrame::OpenDay(int column) {
    const HistoryQuery& query = range_.Query();
    if (column < 0 || column >= query.Days()) {
        return;
    }
    view_ = View::DayHours;
    day_ = query.firstDay + column;
    Refresh();
}

void CHistoryFrame::Back() {
    // Escape on the days, where there is nothing to go back to, closes the window.
    if (view_ == View::Days) {
        close();
        return;
    }
    view_ = View::Days;
    {
        const QSignalBlocker quiet(&bar_->DaysRadio());
        bar_->DaysRadio().setChecked(true);
    }
    // The days are computed already: shown again at once, the day that was open chosen.
    ShowChart();
    chart_->setFocus();
}

QString CHistoryFrame::TipOf(int column) const {
    const QLocale locale;
    QStringList lines;
    if (view_ == View::Days) {
        const HistoryQuery& query = range_.Query();
        if (column < 0 || column >= query.Days()) return {};
        const int64_t total = range_.ColumnTotals()[static_cast<size_t>(column)];
        lines << tr("%1: %2 in all")
                     .arg(HistoryTitles::LongDay(locale, query.firstDay + column), Span(total));
        lines << TopLines(range_, column, 1);
        return lines.join(QLatin1Char('\n'));
    }
    if (column < 0 || column >= 24) return {};
    const double divisor = view_ == View::AverageDay
                               ? static_cast<double>(std::max<int64_t>(range_.Query().Days(), 1))
                               : 1.0;
    const int64_t total =
        static_cast<int64_t>(hours_.ColumnTotals()[static_cast<size_t>(column)] / divisor);
    lines << tr("%1:00 to %2:00: %3 in all")
                 .arg(column, 2, 10, QLatin1Char('0'))
                 .arg(column + 1, 2, 10, QLatin1Char('0'))
                 .arg(Span(total));
    lines << TopLines(hours_, column, divisor);
    return lines.join(QLatin1Char('\n'));
}

CHtmlReportExport::Result CHistoryFrame::SaveTo(const QString& path) {
    CHistoryHtmlExport::Input input;
    const HistoryQuery& query = range_.Query();
    input.mode = query.mode;
    input.firstDay = query.firstDay;
    input.lastDay = query.lastDay;
    input.savedAt = QDateTime::currentSecsSinceEpoch();
    input.view = ChartTitle().toStdString();
    input.computers = computers_;
    input.note = note_;
    // The list as it is sorted now.
    const CSortListModel& model = list_->Model();
    for (int r = 0; r < model.Count(); ++r) {
        const QStringList& texts = model.At(r).cells;
        input.rows.push_back({texts.value(0).toStdString(), texts.value(1).toStdString(),
                              texts.value(2).toStdString(), texts.value(3).toStdString()});
    }
    input.totals = HistoryListTotals(range_);
    input.chart = chart_->Chart().SavedImage();
    input.databasePath = databasePath_;
    return CHistoryHtmlExport::Save(path, input);
}

void CHistoryFrame::Save() {
    SaveWindowPage(
        this, databasePath_, [this](const QString& path) { return SaveTo(path); },
        [](const QString& file, const QString& reason) {
            return tr("Cannot write the history file %1:\n%2").arg(file, reason);
        },
        tr("The history is saved.\n\nView it now?"));
}
