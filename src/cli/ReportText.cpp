#include "cli/ReportText.h"

#include <cstdio>

#include "core/Utf8Text.h"

namespace {

std::string CsvField(const std::string& text) {
    const std::string valid = ValidUtf8(text);
    if (valid.find_first_of(",\"\r\n") == std::string::npos) {
        return valid;
    }
    std::string quoted = "\"";
    for (const char c : valid) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : ValidUtf8(text)) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    json += escape;
                } else {
                    json += c;
                }
        }
    }
    return json + '"';
}

template <typename Values>
std::string JsonValues(const Values& v) {
    return "\"today\": " + std::to_string(v.today) +
           ", \"yesterday\": " + std::to_string(v.yesterday) +
           ", \"week\": " + std::to_string(v.week) + ", \"month\": " + std::to_string(v.month) +
           ", \"year\": " + std::to_string(v.year);
}

}  // namespace

std::string ReportCsv(const ReportTable& rows, bool groupMode) {
    std::string csv = groupMode ? "Group" : "Process";
    csv += ",Today,Yesterday,Week Average,Month Average,Year Average\n";
    for (const ReportRow& row : rows) {
        csv += CsvField(row.name);
        for (const int32_t value : {row.today, row.yesterday, row.week, row.month, row.year}) {
            csv += ',';
            csv += std::to_string(value);
        }
        csv += '\n';
    }
    return csv;
}

std::string ReportJson(const std::string& date, bool groupMode, const ReportTable& rows,
                       const ReportTotalsText& totals) {
    std::string json = "{\n  \"date\": " + JsonString(date) + ",\n  \"mode\": \"" +
                       (groupMode ? "Group" : "Process") + "\",\n  \"rows\": [";
    for (size_t i = 0; i < rows.size(); ++i) {
        const ReportRow& row = rows[i];
        json += i == 0 ? "\n    {\"name\": " : ",\n    {\"name\": ";
        json += JsonString(row.name);
        if (!groupMode) {
            json += ", \"path\": " + JsonString(row.path);
        }
        json += ", " + JsonValues(row) + "}";
    }
    json += rows.empty() ? "],\n" : "\n  ],\n";
    json += "  \"totals\": {" + JsonValues(totals) + "}\n}\n";
    return json;
}
