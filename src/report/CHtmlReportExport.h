// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "report/OutputFile.h"
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
        std::string databasePath;       // never written, nor its side files
    };

    // Why the page or its chart may not be written at all.
    struct Refusal {
        QString path;         // the page or the chart
        OutputTarget target;  // Database, NotAFile or Unwritable
    };

    struct Result {
        bool written = false;  // the page and the chart, both
        QString imagePath;
        std::optional<Refusal> refusal;
        QString error;  // why nothing was written
    };

    // Both files must be regular or new, neither the database, and the chart not the page.
    static std::optional<Refusal> Check(const QString& htmlPath, const std::string& databasePath);

    // The image (ChartImagePath of htmlPath) and the HTML file, both replaced or neither.
    static Result Save(const QString& htmlPath, const Input& input);
    // A date on the page, of the local day of t, as the locale writes it in full
    // (PageDateText).
    static std::string DateText(int64_t t);

    // What a page says of its chart file.
    struct ChartFile {
        std::string name;  // beside the page
        int width = 0;
        int height = 0;
    };
    // The one write of every page with a chart: Check, the chart as a JPEG of the given
    // quality (-1: the writer's default), and the page that page() makes of it, both
    // replaced or neither.
    static Result WritePage(const QString& htmlPath, const std::string& databasePath,
                            const QImage& chart, int quality,
                            const std::function<std::string(const ChartFile&)>& page);
};
