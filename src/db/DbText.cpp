#include "db/DbText.h"

#include <ctime>

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
    const std::time_t time = static_cast<std::time_t>(t);
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr) {
        return {};
    }
    char buffer[32];
    if (std::strftime(buffer, sizeof buffer, "%Y-%m-%d", &local) == 0) {
        return {};
    }
    return buffer;
}
