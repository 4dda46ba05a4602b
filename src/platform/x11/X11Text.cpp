// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11Text.h"

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

}  // namespace

std::string X11Latin1ToUtf8(std::string_view bytes, std::size_t maxChars) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size() && i < maxChars && bytes[i] != '\0'; ++i) {
        AppendCodePoint(out, static_cast<unsigned char>(bytes[i]));
    }
    return out;
}
