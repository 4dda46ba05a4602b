#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

#include "report/ReportData.h"

// Writes a report as an HTML file with its chart as a JPEG beside it. Needs no window:
// the report window's Save and a command-line report both call it.
class CHtmlReportExport {
  public:
    struct Input {
        ReportMode mode = ReportMode::Process;  // of the computation shown
        int64_t reportDay = 0;                  // the day the user picked
        int64_t savedAt = 0;                    // now
        ReportTotals totals;
        std::vector<ReportCells> rows;  // in display order
        QImage chart;                   // at the size the page shows it
    };

    struct Result {
        bool htmlWritten = false;
        bool imageWritten = false;
        QString imagePath;
        QString error;  // why the HTML file could not be written
    };

    // The image first (ChartImagePath of htmlPath), then the HTML file, replacing both.
    static Result Save(const QString& htmlPath, const Input& input);
};
