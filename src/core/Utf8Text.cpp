// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Utf8Text.h"

#include <cstdint>

std::size_t Utf8CharLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

namespace {

// End of the character at pos; only real continuation bytes are taken, so a broken
// sequence never swallows the characters after it.
std::size_t NextChar(const std::string& text, std::size_t pos) {
    const std::size_t end = pos + Utf8CharLength(static_cast<unsigned char>(text[pos]));
    std::size_t next = pos + 1;
    while (next < end && next < text.size() &&
           (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) {
        ++next;
    }
    return next;
}

}  // namespace

void TruncateUtf8(std::string& text, std::size_t maxChars) {
    if (text.size() <= maxChars) {
        return;  // no more bytes than the limit: no more characters either
    }
    std::size_t pos = 0;
    for (std::size_t chars = 0; pos < text.size() && chars < maxChars; ++chars) {
        pos = NextChar(text, pos);
    }
    text.resize(pos);
}

namespace {

// Length of the well-formed character at pos, or 0 when the bytes there are not one.
std::size_t WellFormedLength(const std::string& text, std::size_t pos) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;  // allowed range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
    } else {
        return 0;
    }
    if (pos + length > text.size() || byte(pos + 1) < low || byte(pos + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return 0;
    }
    return length;
}

}  // namespace

namespace {

// At most maxChars characters of text, each broken byte one replacement character.
std::string Valid(const std::string& text, std::size_t maxChars) {
    std::string valid;
    valid.reserve(text.size() < maxChars * 4 ? text.size() : maxChars * 4);
    for (std::size_t pos = 0, chars = 0; pos < text.size() && chars < maxChars; ++chars) {
        const std::size_t length = WellFormedLength(text, pos);
        if (length == 0) {
            valid += "\xEF\xBF\xBD";
            ++pos;
        } else {
            valid.append(text, pos, length);
            pos += length;
        }
    }
    return valid;
}

}  // namespace

std::string ValidUtf8(const std::string& text) {
    return Valid(text, text.size());
}

std::string CutValidUtf8(std::string_view bytes, std::size_t maxChars) {
    return Valid(std::string(bytes.substr(0, bytes.find('\0'))), maxChars);
}

std::string ShownText(const std::string& text) {
    const std::string valid = ValidUtf8(text);
    std::string shown;
    shown.reserve(valid.size());
    for (std::size_t pos = 0; pos < valid.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(valid[pos]);
        // C1 controls are U+0080 to U+009F: 0xC2 followed by 0x80 to 0x9F.
        const bool c1 = byte == 0xC2 && pos + 1 < valid.size() &&
                        static_cast<unsigned char>(valid[pos + 1]) <= 0x9F;
        if (byte < 0x20 || byte == 0x7F || c1) {
            shown += "\xEF\xBF\xBD";
            pos += c1 ? 1 : 0;
        } else {
            shown += valid[pos];
        }
    }
    return shown;
}

std::size_t TerminalColumns(const std::string& text) {
    std::size_t columns = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8CharLength(static_cast<unsigned char>(text[pos]));
        uint32_t code = static_cast<unsigned char>(text[pos]);
        if (length > 1 && pos + length <= text.size()) {
            code &= 0x7F >> length;
            for (std::size_t i = 1; i < length; ++i) {
                code = code << 6 | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
            }
        }
        // The East Asian wide ranges: Hangul Jamo, CJK to Yi, Hangul syllables,
        // compatibility ideographs and forms, full-width forms.
        const bool wide =
            (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
            (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
            (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
            (code >= 0xFFE0 && code <= 0xFFE6);
        columns += wide ? 2 : 1;
        pos += length;
    }
    return columns;
}
