// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CReportCommand.h"

#include <sys/stat.h>
#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QTime>

#include <ostream>

#include "cli/ReportText.h"
#include "core/CAppSettings.h"
#include "core/CShareSettings.h"
#include "core/Message.h"
#include "db/CUsageDb.h"
#include "platform/system/CQtSettingsStore.h"
#include "platform/system/ProgramFolder.h"
#include "report/CBarChart.h"
#include "report/CHtmlReportExport.h"
#include "report/CReportModel.h"
#include "report/MergedReportModel.h"
#include "report/OutputFile.h"

// Today is fixed once, so a report run at midnight names one day throughout.
CReportCommand::CReportCommand(const CCommandLine& options)
    : options_(options),
      date_(options.HasDate() ? QDate(options.Year(), options.Month(), options.Day())
                              : QDate::currentDate()) {}

std::string CReportCommand::DatabasePath() const {
    if (!options_.Database().empty()) {
        return options_.Database();
    }
    CAppSettings settings;
    settings.SetProgramFolder(ProgramFolder());  // names the folder, never makes it
    return settings.DatabasePath();
}

int64_t CReportCommand::Anchor() const {
    return QDateTime(date_, QTime(12, 0)).toSecsSinceEpoch();
}

std::string CReportCommand::DateText() const {
    return date_.toString(Qt::ISODate).toStdString();
}

int CReportCommand::Run(std::ostream& out, std::ostream& err) const {
    const std::string path = DatabasePath();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        err << "hourglint: no database at " << path << '\n';
        return CCommandLine::kExitFailure;
    }
    // Opening a pipe would wait for a writer for ever; a folder or device is no database.
    // Every file named on the command line is held to this; a share folder's odd files are
    // only left out.
    std::vector<std::string> named = options_.Databases();
    named.push_back(path);
    for (const std::string& file : named) {
        if (::stat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
            err << "hourglint: the database " << file << " is not a regular file\n";
            return CCommandLine::kExitFailure;
        }
    }
    // Before any work, so a refused output costs nothing.
    if (const int refused = CheckOutput(path, err); refused != CCommandLine::kExitOk) {
        return refused;
    }

    // The database layer reports its failures through ShowMessage: here they go to the
    // terminal and make the report count as failed, so nothing partial is written.
    bool failed = false;
    MessageHandler previous = SetMessageHandler([&](const std::string& text) {
        err << "hourglint: " << text << '\n';
        failed = true;
    });
    const ReportMode mode = options_.GroupMode() ? ReportMode::Group : ReportMode::Process;
    CShareSettings share;
    share.Load(CQtSettingsStore(), QSysInfo::machineHostName().toStdString());
    std::vector<std::string> computers{share.Name()};
    CReportModel report;
    bool immutable = false;
    if (options_.AllComputers() || options_.Databases().size() > 1) {
        if (!ComputeAllComputers(path, share, mode, report, computers, err)) {
            failed = true;
        }
    } else {
        CUsageDb db(path);
        db.SetReadOnly(true);
        report = CReportModel::Compute(db, Anchor(), mode);
        immutable = db.ReadImmutable();
    }
    SetMessageHandler(std::move(previous));
    if (failed) {
        return CCommandLine::kExitFailure;
    }
    if (immutable) {
        err << "hourglint: " << path
            << " was read as an unchanging file: its folder cannot be written\n";
    }

    bool written = false;
    switch (options_.GetFormat()) {
        case CCommandLine::Format::Csv:
            written = WriteText(ReportCsv(report), path, out, err);
            break;
        case CCommandLine::Format::Json:
            written = WriteText(ReportJson(DateText(), report, computers), path, out, err);
            break;
        case CCommandLine::Format::Html:
            written = WriteHtml(report, path, err);
            break;
    }
    return written ? CCommandLine::kExitOk : CCommandLine::kExitFailure;
}

bool CReportCommand::ComputeAllComputers(const std::string& path, const CShareSettings& share,
                                         ReportMode mode, CReportModel& report,
                                         std::vector<std::string>& computers,
                                         std::ostream& err) const {
    std::vector<std::string> snapshots(
        options_.Databases().begin() + (options_.Databases().empty() ? 0 : 1),
        options_.Databases().end());
    if (options_.AllComputers()) {
        if (!share.Sharing()) {
            err << "hourglint: no share folder is set in the Options\n";
            return false;
        }
        const std::vector<std::string> shared = ShareFolderSnapshots(share);
        snapshots.insert(snapshots.end(), shared.begin(), shared.end());
    }
    MergedReportModel merged = ComputeMergedReport(path, share, snapshots, Anchor(), mode);
    // The report is that of the files that could be read; the others are named.
    for (const CMergedReport::LeftOut& file : merged.leftOut) {
        // Some days of a file, or one of two files of one computer: the file is only named.
        const bool onlyNamed = file.why == LeftOutReason::ImplausibleDays ||
                               file.why == LeftOutReason::SameComputerTwice ||
                               file.why == LeftOutReason::SameDaySums;
        err << "hourglint: " << (onlyNamed ? "" : "left out ") << file.file << ": " << file.reason
            << '\n';
    }
    if (!merged.thisComputerError.empty()) {
        err << "hourglint: cannot read " << path << ": " << merged.thisComputerError << '\n';
        return false;
    }
    report = std::move(merged.report);
    computers = std::move(merged.computers);
    return true;
}

int CReportCommand::CheckOutput(const std::string& database, std::ostream& err) const {
    const std::string& output = options_.Output();
    if (output.empty()) {
        return CCommandLine::kExitOk;
    }
    const bool html = options_.GetFormat() == CCommandLine::Format::Html;
    std::string file = output;
    OutputTarget target;
    if (!html) {
        target = CheckOutputTarget(output, database);
    } else if (const auto refusal =
                   CHtmlReportExport::Check(QFile::decodeName(output.c_str()), database)) {
        file = QFile::encodeName(refusal->path).toStdString();
        target = refusal->target;
    }
    switch (target.kind) {
        case OutputTarget::Kind::New:
        case OutputTarget::Kind::Regular:
        case OutputTarget::Kind::Stream:
            return CCommandLine::kExitOk;
        case OutputTarget::Kind::Database:
            err << "hourglint: output " << file << " is the database\n";
            return CCommandLine::kExitFailure;
        case OutputTarget::Kind::ForeignLink:
            err << "hourglint: output " << file << " is a link owned by another user\n";
            return CCommandLine::kExitFailure;
        case OutputTarget::Kind::NotAFile:
            err << "hourglint: cannot write " << file << ": " << target.reason << '\n';
            // The page and its chart are files; naming anything else is bad use.
            if (html) {
                err << CCommandLine::UsageHint() << '\n';
                return CCommandLine::kExitBadUse;
            }
            return CCommandLine::kExitFailure;
        case OutputTarget::Kind::Unwritable:
            err << "hourglint: cannot write " << file << ": " << target.reason << '\n';
            return CCommandLine::kExitFailure;
    }
    return CCommandLine::kExitFailure;
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
        err << "hourglint: cannot write " << options_.Output() << ": " << result.error.toStdString()
            << '\n';
    }
    return result.written;
}

bool CReportCommand::WriteText(const std::string& text, const std::string& database,
                               std::ostream& out, std::ostream& err) const {
    const std::string& output = options_.Output();
    if (output.empty()) {
        out << text;
        out.flush();
        if (!out) {
            err << "hourglint: cannot write the report to standard output\n";
            return false;
        }
        return true;
    }
    // A pipe or device is written into; a file whole or not at all.
    std::string error;
    const bool written = CheckOutputTarget(output, database).kind == OutputTarget::Kind::Stream
                             ? WriteIntoStream(output, text, error)
                             : ReplaceFiles({{output, text}}, error);
    if (!written) {
        err << "hourglint: cannot write " << output << ": " << error << '\n';
    }
    return written;
}
