// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandOutput.h"

#include <sys/stat.h>
#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>

#include <ostream>

#include "cli/CCommandLine.h"
#include "core/CAppSettings.h"
#include "core/CShareSettings.h"
#include "platform/system/CQtSettingsStore.h"
#include "platform/system/ProgramFolder.h"
#include "platform/system/Translations.h"
#include "report/CHtmlReportExport.h"
#include "report/MergedReportModel.h"
#include "report/OutputFile.h"

std::string CannotWrite(const std::string& file, const std::string& reason) {
    return FillPlaceholders(QCoreApplication::translate("CommandOutput", "cannot write %1: %2"),
                            {file, reason});
}

std::string CannotRead(const std::string& file, const std::string& reason) {
    return FillPlaceholders(QCoreApplication::translate("CommandOutput", "cannot read %1: %2"),
                            {file, reason});
}

std::string CommandDatabasePath(const CCommandLine& options) {
    if (!options.Database().empty()) {
        return options.Database();
    }
    CAppSettings settings;
    settings.SetProgramFolder(ProgramFolder());  // names the folder, never makes it
    return settings.DatabasePath();
}

int CheckCommandDatabases(const CCommandLine& options, const std::string& path, std::ostream& err) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        err << "hourglint: "
            << FillPlaceholders(QCoreApplication::translate("CommandOutput", "no database at %1"),
                                {path})
            << '\n';
        return CCommandLine::kExitFailure;
    }
    // A folder or device is no database either. Every file named on the command line is
    // held to this; a share folder's odd files are only left out.
    std::vector<std::string> named = options.Databases();
    named.push_back(path);
    for (const std::string& file : named) {
        if (::stat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
            err << "hourglint: "
                << FillPlaceholders(QCoreApplication::translate(
                                        "CommandOutput", "the database %1 is not a regular file"),
                                    {file})
                << '\n';
            return CCommandLine::kExitFailure;
        }
    }
    return CCommandLine::kExitOk;
}

int CheckCommandOutput(const CCommandLine& options, const std::string& database,
                       std::ostream& err) {
    const std::string& output = options.Output();
    if (output.empty()) {
        return CCommandLine::kExitOk;
    }
    const bool html = options.GetFormat() == CCommandLine::Format::Html;
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
            err << "hourglint: "
                << FillPlaceholders(
                       QCoreApplication::translate("CommandOutput", "output %1 is the database"),
                       {file})
                << '\n';
            return CCommandLine::kExitFailure;
        case OutputTarget::Kind::ForeignLink:
            err << "hourglint: "
                << FillPlaceholders(
                       QCoreApplication::translate("CommandOutput",
                                                   "output %1 is a link owned by another user"),
                       {file})
                << '\n';
            return CCommandLine::kExitFailure;
        case OutputTarget::Kind::NotAFile:
            err << "hourglint: " << CannotWrite(file, target.reason) << '\n';
            // The page and its chart are files; naming anything else is bad use.
            if (html) {
                err << CCommandLine::UsageHint() << '\n';
                return CCommandLine::kExitBadUse;
            }
            return CCommandLine::kExitFailure;
        case OutputTarget::Kind::Unwritable:
            err << "hourglint: " << CannotWrite(file, target.reason) << '\n';
            return CCommandLine::kExitFailure;
    }
    return CCommandLine::kExitFailure;
}

bool WriteCommandText(const CCommandLine& options, const std::string& text,
                      const std::string& database, std::ostream& out, std::ostream& err) {
    const std::string& output = options.Output();
    if (output.empty()) {
        out << text;
        out.flush();
        if (!out) {
            err << "hourglint: "
                << QCoreApplication::translate("CommandOutput",
                                               "cannot write the report to standard output")
                       .toStdString()
                << '\n';
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
        err << "hourglint: " << CannotWrite(output, error) << '\n';
    }
    return written;
}

bool CommandSnapshots(const CCommandLine& options, const CShareSettings& share,
                      std::vector<std::string>& snapshots, std::ostream& err) {
    snapshots.assign(options.Databases().begin() + (options.Databases().empty() ? 0 : 1),
                     options.Databases().end());
    if (options.AllComputers()) {
        if (!share.Sharing()) {
            err << "hourglint: "
                << QCoreApplication::translate("CommandOutput",
                                               "no share folder is set in the Options")
                       .toStdString()
                << '\n';
            return false;
        }
        const std::vector<std::string> shared = ShareFolderSnapshots(share);
        snapshots.insert(snapshots.end(), shared.begin(), shared.end());
    }
    return true;
}

int CheckCommandFiles(const CCommandLine& options, const std::string& database, std::ostream& err) {
    if (const int refused = CheckCommandDatabases(options, database, err);
        refused != CCommandLine::kExitOk) {
        return refused;
    }
    return CheckCommandOutput(options, database, err);
}

CShareSettings CommandShareSettings() {
    CShareSettings share;
    share.Load(CQtSettingsStore(), QSysInfo::machineHostName().toStdString());
    return share;
}

void WriteLeftOut(const std::vector<CMergedReport::LeftOut>& leftOut, std::ostream& err) {
    for (const CMergedReport::LeftOut& file : leftOut) {
        const bool onlyNamed = file.why == LeftOutReason::ImplausibleDays ||
                               file.why == LeftOutReason::SameComputerTwice ||
                               file.why == LeftOutReason::SameDaySums;
        //: A file of another computer and what is wrong with it
        const QString named = QCoreApplication::translate("CommandOutput", "%1: %2");
        //: A file of another computer and why it was left out
        const QString leftOutLine = QCoreApplication::translate("CommandOutput", "left out %1: %2");
        err << "hourglint: "
            << FillPlaceholders(onlyNamed ? named : leftOutLine, {file.file, file.reason}) << '\n';
    }
}

void WriteImmutableNote(bool immutable, const std::string& database, std::ostream& err) {
    if (immutable) {
        err << "hourglint: "
            << FillPlaceholders(
                   QCoreApplication::translate(
                       "CommandOutput",
                       "%1 was read as an unchanging file: its folder cannot be written"),
                   {database})
            << '\n';
    }
}

bool WriteCommandFormat(const CCommandLine& options, const std::string& database, std::ostream& out,
                        std::ostream& err, const std::function<std::string()>& csv,
                        const std::function<std::string()>& json,
                        const std::function<bool()>& html) {
    switch (options.GetFormat()) {
        case CCommandLine::Format::Csv:
            return WriteCommandText(options, csv(), database, out, err);
        case CCommandLine::Format::Json:
            return WriteCommandText(options, json(), database, out, err);
        case CCommandLine::Format::Html:
            return html();
    }
    return false;
}
