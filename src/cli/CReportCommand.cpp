#include "cli/CReportCommand.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTime>
#include <ostream>

#include "cli/ReportText.h"
#include "core/CAppSettings.h"
#include "core/Message.h"
#include "db/CUsageDb.h"
#include "platform/ProgramFolder.h"

namespace {

QDate ChosenDate(const CCommandLine& options) {
    return options.HasDate() ? QDate(options.Year(), options.Month(), options.Day())
                             : QDate::currentDate();
}

}  // namespace

CReportCommand::CReportCommand(const CCommandLine& options) : options_(options) {}

std::string CReportCommand::DatabasePath() const {
    if (!options_.Database().empty()) {
        return options_.Database();
    }
    CAppSettings settings;
    settings.SetProgramFolder(ProgramFolder());
    return settings.DatabasePath();
}

int64_t CReportCommand::Anchor() const {
    return QDateTime(ChosenDate(options_), QTime(12, 0)).toSecsSinceEpoch();
}

std::string CReportCommand::DateText() const {
    return ChosenDate(options_).toString(Qt::ISODate).toStdString();
}

int CReportCommand::Run(std::ostream& out, std::ostream& err) const {
    const std::string path = DatabasePath();
    if (!QFileInfo::exists(QFile::decodeName(path.c_str()))) {
        err << "hourglint: no database at " << path << '\n';
        return CCommandLine::kExitFailure;
    }

    // The database layer reports its failures through ShowMessage: here they go to the
    // terminal and make the report count as failed.
    bool failed = false;
    MessageHandler previous = SetMessageHandler([&](const std::string& text) {
        err << "hourglint: " << text << '\n';
        failed = true;
    });
    CUsageDb db(path);
    db.SetReadOnly(true);
    const bool group = options_.GroupMode();
    const int64_t anchor = Anchor();
    const ReportTable rows = group ? db.ReportGroup(anchor) : db.ReportProcess(anchor);
    SetMessageHandler(std::move(previous));
    if (failed) {
        return CCommandLine::kExitFailure;
    }

    ReportTotalsText totals;
    for (const ReportRow& row : rows) {
        totals.today += row.today;
        totals.yesterday += row.yesterday;
        totals.week += row.week;
        totals.month += row.month;
        totals.year += row.year;
    }
    switch (options_.GetFormat()) {
        case CCommandLine::Format::Csv:
            return WriteText(ReportCsv(rows, group), out, err) ? CCommandLine::kExitOk
                                                               : CCommandLine::kExitFailure;
        case CCommandLine::Format::Json:
            return WriteText(ReportJson(DateText(), group, rows, totals), out, err)
                       ? CCommandLine::kExitOk
                       : CCommandLine::kExitFailure;
        case CCommandLine::Format::Html:
            err << "hourglint: the html format is not available yet\n";
            return CCommandLine::kExitFailure;
    }
    return CCommandLine::kExitFailure;
}

bool CReportCommand::WriteText(const std::string& text, std::ostream& out,
                               std::ostream& err) const {
    if (options_.Output().empty()) {
        out << text;
        out.flush();
        if (!out) {
            err << "hourglint: cannot write the report to standard output\n";
            return false;
        }
        return true;
    }
    // Written whole or not at all.
    QSaveFile file(QFile::decodeName(options_.Output().c_str()));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        err << "hourglint: cannot write " << options_.Output() << ": "
            << file.errorString().toStdString() << '\n';
        return false;
    }
    return true;
}
