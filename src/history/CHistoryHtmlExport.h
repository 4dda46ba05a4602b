// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "history/HistoryText.h"
#include "report/CHtmlReportExport.h"
#include "report/ReportData.h"

// Writes a history as an HTML page with its chart as a JPEG beside it, by the report's
// rules: the same refusals (CHtmlReportExport::Check) and both files replaced or neither.
// The window's Save and the command line's html both call it.
class CHistoryHtmlExport {
  public:
    struct Input {
        ReportMode mode = ReportMode::Process;
        int64_t firstDay = 0;  // CivilDay numbers
        int64_t lastDay = 0;
        int64_t savedAt = 0;
        std::string view;  // what the chart shows, a whole sentence
        std::vector<std::string> computers;
        std::string note;
        std::vector<HistoryListCells> rows;  // in display order
        HistoryListCells totals;
        QImage chart;
        std::string databasePath;  // never written, nor its side files
    };

    static CHtmlReportExport::Result Save(const QString& htmlPath, const Input& input);
};
