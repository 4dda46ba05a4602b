// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QSize>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/CCommandLine.h"
#include "report/ReportData.h"

class CReportModel;
class CShareSettings;

// --report: computes one day's report from the database, read-only, and writes it as CSV,
// JSON or HTML. Needs an application object (a QGuiApplication for html); failures go to
// err, never to a message box.
class CReportCommand {
  public:
    // The chart's size in an html report: about the report window's chart pane when it opens.
    static inline const QSize kChartSize{700, 400};

    explicit CReportCommand(const CCommandLine& options);

    // The exit status: 0, 1 when the database or the output could not be used, 2 when an
    // html page or chart names something other than a file; nothing is written when the
    // report could not be read whole, and never the database or its side files.
    int Run(std::ostream& out, std::ostream& err) const;

    // The database the report reads: --database, else the program's own.
    std::string DatabasePath() const;
    // The chosen day (default today) at local noon, far from any daylight-saving switch.
    int64_t Anchor() const;
    // The chosen day as YYYY-MM-DD.
    std::string DateText() const;

  private:
    // This computer's database and the others given or in the share folder; false, with
    // the reason on err, when this computer's could not be read.
    bool ComputeAllComputers(const std::string& path, const CShareSettings& share, ReportMode mode,
                             CReportModel& report, std::vector<std::string>& computers,
                             std::ostream& err) const;
    bool WriteHtml(const CReportModel& report, const std::string& database,
                   std::ostream& err) const;

    CCommandLine options_;
    QDate date_;
};
