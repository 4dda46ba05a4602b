#include "db/DbText.h"

#include <ctime>

std::string CutUtf8(const std::string& text, size_t maxChars) {
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == maxChars) {
                return text.substr(0, i);
            }
            ++chars;
        }
    }
    return text;
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
