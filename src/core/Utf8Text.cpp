#include "core/Utf8Text.h"

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
