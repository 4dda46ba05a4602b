// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ReportText.h"

#include "report/CReportModel.h"
#include "report/TextFields.h"

namespace {

template <typename Values>
std::string JsonValues(const Values& v) {
    return "\"today\": " + std::to_string(v.today) +
           ", \"yesterday\": " + std::to_string(v.yesterday) +
           ", \"week\": " + std::to_string(v.week) + ", \"month\": " + std::to_string(v.month) +
           ", \"year\": " + std::to_string(v.year);
}

}  // namespace

std::string ReportCsv(const CReportModel& report) {
    std::string csv = ReportModeText(report.Mode());
    csv += ",Today,Yesterday,Week Average,Month Average,Year Average\n";
    for (const ReportRow& row : report.Rows()) {
        const ReportCells cells = CReportModel::Cells(row);
        csv += CsvField(cells[0]);
        for (size_t i = 1; i < cells.size(); ++i) {
            csv += ',';
            csv += cells[i];
        }
        csv += '\n';
    }
    return csv;
}

std::string ReportJson(const std::string& date, const CReportModel& report,
                       const std::vector<std::string>& computers) {
    const bool process = report.Mode() == ReportMode::Process;
    std::string json = "{\n  \"date\": " + JsonString(date) + ",\n  \"mode\": \"" +
                       ReportModeText(report.Mode()) + "\",\n  \"computers\": [";
    for (size_t i = 0; i < computers.size(); ++i) {
        json += (i == 0 ? "" : ", ") + JsonString(computers[i]);
    }
    json += "],\n  \"rows\": [";
    const ReportTable& rows = report.Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const ReportRow& row = rows[i];
        json += i == 0 ? "\n    {\"name\": " : ",\n    {\"name\": ";
        json += JsonString(row.name);
        if (process) {
            json += ", \"path\": " + JsonString(row.path);
        }
        json += ", " + JsonValues(row) + "}";
    }
    json += rows.empty() ? "],\n" : "\n  ],\n";
    json += "  \"totals\": {" + JsonValues(report.Totals()) + "}\n}\n";
    return json;
}
