// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CReportCommand.h"

#include <QDateTime>
#include <QFile>
#include <QTime>

#include <ostream>

#include "cli/CTerminalMessages.h"
#include "cli/CommandOutput.h"
#include "cli/ReportText.h"
#include "core/CShareSettings.h"
#include "core/Message.h"
#include "db/CUsageDb.h"
#include "report/CBarChart.h"
#include "report/CHtmlReportExport.h"
#include "report/CReportModel.h"
#include "report/MergedReportModel.h"

// Today is fixed once, so a report run at midnight names one day throughout.
CReportCommand::CReportCommand(const CCommandLine& options)
    : options_(options),
      date_(options.HasDate() ? QDate(options.Year(), options.Month(), options.Day())
                              : QDate::currentDate()) {}

std::string CReportCommand::DatabasePath() const {
    return CommandDatabasePath(options_);
}

int64_t CReportCommand::Anchor() const {
    return QDateTime(date_, QTime(12, 0)).toSecsSinceEpoch();
}

std::string CReportCommand::DateText() const {
    return date_.toString(Qt::ISODate).toStdString();
}

int CReportCommand::Run(std::ostream& out, std::ostream& err) const {
    const std::string path = DatabasePath();
    if (const int refused = CheckCommandFiles(options_, path, err);
        refused != CCommandLine::kExitOk) {
        return refused;
    }

    // The database layer's failures: on the terminal, and nothing written.
    CTerminalMessages messages(err);
    const ReportMode mode = options_.GroupMode() ? ReportMode::Group : ReportMode::Process;
    const CShareSettings share = CommandShareSettings();
    std::vector<std::string> computers{share.Name()};
    CReportModel report;
    bool immutable = false;
    if (options_.AllComputers() || options_.Databases().size() > 1) {
        if (!ComputeAllComputers(path, share, mode, report, computers, err)) {
            messages.Fail();
        }
    } else {
        CUsageDb db(path);
        db.SetReadOnly(true);
        report = CReportModel::Compute(db, Anchor(), mode);
        immutable = db.ReadImmutable();
    }
    const bool failed = messages.End();
    if (failed) {
        return CCommandLine::kExitFailure;
    }
    WriteImmutableNote(immutable, path, err);

    const bool written = WriteCommandFormat(
        options_, path, out, err, [&] { return ReportCsv(report); },
        [&] { return ReportJson(DateText(), report, computers); },
        [&] { return WriteHtml(report, path, err); });
    return written ? CCommandLine::kExitOk : CCommandLine::kExitFailure;
}

bool CReportCommand::ComputeAllComputers(const std::string& path, const CShareSettings& share,
                                         ReportMode mode, CReportModel& report,
                                         std::vector<std::string>& computers,
                                         std::ostream& err) const {
    std::vector<std::string> snapshots;
    if (!CommandSnapshots(options_, share, snapshots, err)) {
        return false;
    }
    MergedReportModel merged = ComputeMergedReport(path, share, snapshots, Anchor(), mode);
    // The report is that of the files that could be read; the others are named.
    WriteLeftOut(merged.leftOut, err);
    if (!merged.thisComputerError.empty()) {
        err << "hourglint: " << CannotRead(path, merged.thisComputerError) << '\n';
        return false;
    }
    report = std::move(merged.report);
    computers = std::move(merged.computers);
    return true;
}

bool CReportCommand::WriteHtml(const CReportModel& report, const std::string& database,
                               std::ostream& err) const {
    // The report window's Save, with the chart at about its pane's size in a new window.
    CBarChart chart;
    chart.SetClientSize(kChartSize);
    chart.SetData(report.Chart());
    CHtmlReportExport::Input input;
    input.mode = report.Mode();
    input.reportDay = Anchor();
    input.savedAt = QDateTime::currentSecsSinceEpoch();
    input.totals = report.Totals();
    for (const ReportRow& row : report.Rows()) {
        ReportCells cells = CReportModel::Cells(row);
        // As the report list holds the name: as text, with broken bytes replaced.
        cells[0] = QString::fromStdString(cells[0]).toStdString();
        input.rows.push_back(std::move(cells));
    }
    input.chart = chart.Picture();
    input.databasePath = database;
    const CHtmlReportExport::Result result =
        CHtmlReportExport::Save(QFile::decodeName(options_.Output().c_str()), input);
    if (!result.written) {
        err << "hourglint: " << CannotWrite(options_.Output(), result.error.toStdString()) << '\n';
    }
    return result.written;
}
