// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/IntegerField.h"

#include <charconv>

#include "core/Translate.h"

namespace {

constexpr char kContext[] = "IntegerField";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<int> ParseIntegerField(const std::string& text, int lo, int hi,
                                     std::string& message) {
    // Like a dialog's integer exchange: blanks around the number are accepted, a sign is
    // allowed, anything else around the digits is not an integer.
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    if (begin < end && text[begin] == '+') {
        ++begin;                                             // from_chars takes '-' but not '+'
        if (begin < end && text[begin] == '-') begin = end;  // "+-5" is not a number
    }

    int value = 0;
    const char* first = text.data() + begin;
    const char* last = text.data() + end;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (begin == end || ec != std::errc() || ptr != last) {
        message =
            Translate(kContext, QT_TRANSLATE_NOOP("IntegerField", "Please enter an integer."));
        return std::nullopt;
    }
    if (value < lo || value > hi) {
        message = Translate(
            kContext,
            QT_TRANSLATE_NOOP("IntegerField", "Please enter an integer between %1 and %2."),
            {std::to_string(lo), std::to_string(hi)});
        return std::nullopt;
    }
    message.clear();
    return value;
}
