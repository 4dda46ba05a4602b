// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/CCommandLine.h"
#include "history/CHistoryModel.h"

// --history: a range of days from the database, read-only, written as CSV, JSON or HTML.
// Every program or group with a second in the range, no row cap. Needs an application
// object (a QGuiApplication for html); failures go to err, never to a message box.
class CHistoryCommand {
  public:
    // The chart's size on a saved page: about the History window's chart.
    static inline const QSize kChartSize{760, 380};

    explicit CHistoryCommand(const CCommandLine& options);

    // The exit status: 0; 1 when the database or the output could not be used; 2 for a
    // range that is no range, or an html page or chart that names something other than a
    // file. Nothing is written when the history could not be read whole.
    int Run(std::ostream& out, std::ostream& err) const;

    // --from and --to as CivilDay numbers: the last day defaults to today, the first to
    // six days before the last.
    HistoryQuery Query() const;

  private:
    bool WriteHtml(const CHistoryModel& history, const std::vector<std::string>& computers,
                   const std::string& note, const std::string& database, std::ostream& err) const;

    CCommandLine options_;
    int64_t today_ = 0;
};
