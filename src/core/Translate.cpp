// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Translate.h"

#include <utility>

namespace {

TextTranslator& Translator() {
    static TextTranslator translator;
    return translator;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

TextTranslator SetTextTranslator(TextTranslator translator) {
    return std::exchange(Translator(), std::move(translator));
}

std::string Translate(const char* context, const char* source,
                      const std::vector<std::string>& args) {
    return TranslateCount(context, source, source, -1, args);
}

std::string TranslateCount(const char* context, const char* source, const char* one, int count,
                           const std::vector<std::string>& args) {
    const TextTranslator& translator = Translator();
    std::string pattern = translator ? translator(context, source, count) : std::string();
    if (pattern.empty()) {
        pattern = count == 1 ? one : source;
    }
    return FillPlaceholders(pattern, args, count);
}

std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& args,
                             int n) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        const char next = pattern[i + 1];
        if (next == 'n' && n >= 0) {
            out += std::to_string(n);
            ++i;
            continue;
        }
        if (!IsDigit(next) || next == '0') {
            out += pattern[i];
            continue;
        }
        size_t end = i + 2;
        if (end < pattern.size() && IsDigit(pattern[end])) ++end;
        const size_t number = std::stoul(pattern.substr(i + 1, end - i - 1));
        if (number > args.size()) {
            out.append(pattern, i, end - i);
        } else {
            out += args[number - 1];
        }
        i = end - 1;
    }
    return out;
}
