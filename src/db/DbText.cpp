#include "db/DbText.h"

#include <ctime>

#include "core/LocalTime.h"
#include "core/Utf8Text.h"

std::string CutUtf8(const std::string& text, size_t maxChars) {
    std::string cut = text;
    TruncateUtf8(cut, maxChars);
    return cut;
}

std::string QuoteSqlText(const std::string& text) {
    return CutUtf8(text, kStoredTextChars);
}

std::string FormatDbDate(int64_t t) {
    return FormatLocalTime(t, "%Y-%m-%d");
}
