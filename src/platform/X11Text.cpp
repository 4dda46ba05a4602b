// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/X11Text.h"

#include <cstdint>

namespace {

void AppendCodePoint(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr uint32_t kReplacement = 0xFFFD;

// Decodes one sequence at bytes[i]; returns its length, or 0 when it is not valid UTF-8
// (overlong forms, surrogates and values past U+10FFFF included).
std::size_t DecodeOne(std::string_view bytes, std::size_t i, uint32_t& cp) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    uint32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return length;
}

}  // namespace

std::string X11CutUtf8(std::string_view bytes, std::size_t maxChars) {
    std::string out;
    out.reserve(bytes.size() < maxChars * 4 ? bytes.size() : maxChars * 4);
    std::size_t chars = 0;
    std::size_t i = 0;
    while (i < bytes.size() && chars < maxChars && bytes[i] != '\0') {
        uint32_t cp = 0;
        const std::size_t length = DecodeOne(bytes, i, cp);
        if (length == 0) {
            AppendCodePoint(out, kReplacement);
            ++i;
        } else {
            out.append(bytes.substr(i, length));
            i += length;
        }
        ++chars;
    }
    return out;
}

std::string X11Latin1ToUtf8(std::string_view bytes, std::size_t maxChars) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size() && i < maxChars && bytes[i] != '\0'; ++i) {
        AppendCodePoint(out, static_cast<unsigned char>(bytes[i]));
    }
    return out;
}
