// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryText.h"

#include "core/CivilDay.h"
#include "core/Translate.h"
#include "history/CHistoryModel.h"
#include "report/TextFields.h"

namespace {

std::string JsonNumbers(const std::vector<int64_t>& values) {
    std::string json = "[";
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) json += ", ";
        json += std::to_string(values[i]);
    }
    return json + "]";
}

std::string JsonTexts(const std::vector<std::string>& texts) {
    std::string json = "[";
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) json += ", ";
        json += JsonString(texts[i]);
    }
    return json + "]";
}

}  // namespace

std::string HistoryCsv(const CHistoryModel& history) {
    std::string csv = ReportModeText(history.Query().mode);
    csv += ",Total";
    for (const std::string& column : history.Columns()) {
        csv += ',';
        csv += column;
    }
    csv += '\n';
    const std::vector<HistoryRow>& rows = history.Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        csv += CsvField(rows[i].name);
        csv += ',';
        csv += std::to_string(history.RowTotals()[i]);
        for (const int64_t value : rows[i].values) {
            csv += ',';
            csv += std::to_string(value);
        }
        csv += '\n';
    }
    return csv;
}

std::string HistoryJson(const CHistoryModel& history, const std::vector<std::string>& computers,
                        const std::vector<std::string>& hoursFrom) {
    const HistoryQuery& query = history.Query();
    const bool process = query.mode == ReportMode::Process;
    std::string json = "{\n  \"from\": " + JsonString(DayText(query.firstDay)) +
                       ",\n  \"to\": " + JsonString(DayText(query.lastDay)) + ",\n  \"by\": \"" +
                       HistoryByText(query.by) + "\",\n  \"mode\": \"" +
                       ReportModeText(query.mode) + "\",\n  \"computers\": " + JsonTexts(computers);
    if (!hoursFrom.empty()) {
        json += ",\n  \"hours_from\": " + JsonTexts(hoursFrom);
    }
    json += ",\n  \"columns\": " + JsonTexts(history.Columns()) + ",\n  \"rows\": [";
    const std::vector<HistoryRow>& rows = history.Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        json += i == 0 ? "\n    {\"name\": " : ",\n    {\"name\": ";
        json += JsonString(rows[i].name);
        if (process) {
            json += ", \"path\": " + JsonString(rows[i].path);
        }
        json += ", \"total\": " + std::to_string(history.RowTotals()[i]) +
                ", \"values\": " + JsonNumbers(rows[i].values) + "}";
    }
    json += rows.empty() ? "],\n" : "\n  ],\n";
    json += "  \"totals\": {\"total\": " + std::to_string(history.Total()) +
            ", \"values\": " + JsonNumbers(history.ColumnTotals()) + "}\n}\n";
    return json;
}

std::vector<HistoryListCells> HistoryList(const CHistoryModel& history) {
    std::vector<HistoryListCells> list;
    list.reserve(history.Rows().size());
    for (size_t i = 0; i < history.Rows().size(); ++i) {
        const int64_t total = history.RowTotals()[i];
        list.push_back({history.Rows()[i].name, HistorySpanText(total),
                        HistorySpanText(history.DailyAverage(total)),
                        HistoryShareText(history.ShareTenths(total))});
    }
    return list;
}

HistoryListCells HistoryListTotals(const CHistoryModel& history) {
    return {Translate("HistoryText", QT_TRANSLATE_NOOP("HistoryText", "TOTAL")),
            HistorySpanText(history.Total()),
            HistorySpanText(history.DailyAverage(history.Total())),
            HistoryShareText(history.Total() > 0 ? 1000 : 0)};
}
