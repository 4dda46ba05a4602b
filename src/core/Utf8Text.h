// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

// Cuts text to at most maxChars UTF-8 characters, never inside a character.
void TruncateUtf8(std::string& text, std::size_t maxChars);
// Length in bytes of the UTF-8 character starting with lead (1 for stray bytes).
std::size_t Utf8CharLength(unsigned char lead);
// text with every byte that is not part of a well-formed UTF-8 character (stray, overlong,
// surrogate, beyond U+10FFFF or cut short) replaced by U+FFFD.
std::string ValidUtf8(const std::string& text);
// text as a name is shown: ValidUtf8, and every control character (C0, DEL, C1) replaced
// by U+FFFD too, so a name from another computer cannot break a line or a terminal.
std::string ShownText(const std::string& text);
