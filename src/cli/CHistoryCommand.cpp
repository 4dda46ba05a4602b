// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CHistoryCommand.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QLocale>

#include <ostream>

#include "cli/CTerminalMessages.h"
#include "cli/CommandOutput.h"
#include "core/CShareSettings.h"
#include "core/CivilDay.h"
#include "core/Message.h"
#include "db/CUsageDb.h"
#include "history/CHistoryChart.h"
#include "history/CHistoryColours.h"
#include "history/CHistoryHtmlExport.h"
#include "history/HistoryText.h"
#include "history/HistoryTitles.h"
#include "history/MergedHistoryModel.h"

namespace {

int64_t DayOf(const CCommandLine::Date& date) {
    return DayNumber(date.year, date.month, date.day);
}

}  // namespace

// Today is fixed once, so a history run at midnight names one range throughout.
CHistoryCommand::CHistoryCommand(const CCommandLine& options) : options_(options) {
    const QDate today = QDate::currentDate();
    today_ = DayNumber(today.year(), today.month(), today.day());
}

HistoryQuery CHistoryCommand::Query() const {
    HistoryQuery query;
    query.lastDay = options_.HasTo() ? DayOf(options_.To()) : today_;
    query.firstDay = options_.HasFrom() ? DayOf(options_.From()) : query.lastDay - 6;
    query.by = options_.GetBy() == CCommandLine::By::Hour ? HistoryBy::Hour : HistoryBy::Day;
    query.mode = options_.GroupMode() ? ReportMode::Group : ReportMode::Process;
    return query;
}

int CHistoryCommand::Run(std::ostream& out, std::ostream& err) const {
    const HistoryQuery query = Query();
    // The range that needed today to be known.
    if (const UserText problem = CCommandLine::RangeProblem(query.firstDay, query.lastDay);
        !problem.Empty()) {
        err << "hourglint: " << problem.Text() << '\n' << CCommandLine::UsageHint() << '\n';
        return CCommandLine::kExitBadUse;
    }
    const std::string path = CommandDatabasePath(options_);
    if (const int refused = CheckCommandFiles(options_, path, err);
        refused != CCommandLine::kExitOk) {
        return refused;
    }

    // The database layer's failures: on the terminal, and nothing written.
    CTerminalMessages messages(err);
    const CShareSettings share = CommandShareSettings();
    std::vector<std::string> computers{share.Name()};
    std::vector<std::string> hoursFrom;
    std::string note;
    CHistoryModel history;
    bool immutable = false;
    if (options_.AllComputers() || options_.Databases().size() > 1) {
        std::vector<std::string> snapshots;
        if (!CommandSnapshots(options_, share, snapshots, err)) {
            messages.Fail();
        } else {
            MergedHistoryModel merged = ComputeMergedHistory(path, share, snapshots, query);
            // The history is that of the files that could be read; the others are named.
            WriteLeftOut(merged.leftOut, err);
            if (!merged.thisComputerError.empty()) {
                err << "hourglint: " << CannotRead(path, merged.thisComputerError) << '\n';
                messages.Fail();
            }
            if (!merged.hoursFrom.empty()) {
                note = QCoreApplication::translate(
                           "CHistoryCommand",
                           "Snapshots hold days only: the hours are this computer's.")
                           .toStdString();
                err << "hourglint: " << note << '\n';
            }
            history = std::move(merged.history);
            computers = std::move(merged.computers);
            hoursFrom = std::move(merged.hoursFrom);
        }
    } else {
        CUsageDb db(path);
        db.SetReadOnly(true);
        history = CHistoryModel::Compute(db, query);
        immutable = db.ReadImmutable();
    }
    const bool failed = messages.End();
    if (failed || !history.Complete()) {
        return CCommandLine::kExitFailure;
    }
    WriteImmutableNote(immutable, path, err);

    const bool written = WriteCommandFormat(
        options_, path, out, err, [&] { return HistoryCsv(history); },
        [&] { return HistoryJson(history, computers, hoursFrom); },
        [&] { return WriteHtml(history, computers, note, path, err); });
    return written ? CCommandLine::kExitOk : CCommandLine::kExitFailure;
}

bool CHistoryCommand::WriteHtml(const CHistoryModel& history,
                                const std::vector<std::string>& computers, const std::string& note,
                                const std::string& database, std::ostream& err) const {
    // The window's Save: the chart of its default size, the list in the history's order.
    const QLocale locale;
    const HistoryQuery& query = history.Query();
    const bool hours = query.by == HistoryBy::Hour;
    const QString title = hours ? HistoryTitles::AverageDay(locale, query.firstDay, query.lastDay)
                                : HistoryTitles::DaysOf(locale, query.firstDay, query.lastDay);
    CHistoryColours colours;
    CHistoryChart chart(locale);
    chart.SetSize(kChartSize);
    chart.SetData(CHistoryChart::FromModel(history, colours, title,
                                           hours ? static_cast<double>(query.Days()) : 1.0));
    CHistoryHtmlExport::Input input;
    input.mode = query.mode;
    input.firstDay = query.firstDay;
    input.lastDay = query.lastDay;
    input.savedAt = QDateTime::currentSecsSinceEpoch();
    input.view = title.toStdString();
    input.computers = computers;
    input.note = note;
    input.rows = HistoryList(history);
    input.totals = HistoryListTotals(history);
    input.chart = chart.Image();
    input.databasePath = database;
    const CHtmlReportExport::Result result =
        CHistoryHtmlExport::Save(QFile::decodeName(options_.Output().c_str()), input);
    if (!result.written) {
        err << "hourglint: " << CannotWrite(options_.Output(), result.error.toStdString()) << '\n';
    }
    return result.written;
}
