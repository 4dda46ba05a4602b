// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/TextFields.h"

#include <cstdio>

#include "core/Utf8Text.h"

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
