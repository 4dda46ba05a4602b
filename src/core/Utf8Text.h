// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Cuts text to at most maxChars UTF-8 characters, never inside a character.
void TruncateUtf8(std::string& text, std::size_t maxChars);
// Length in bytes of the UTF-8 character starting with lead (1 for stray bytes).
std::size_t Utf8CharLength(unsigned char lead);
// text with every byte that is not part of a well-formed UTF-8 character (stray, overlong,
// surrogate, beyond U+10FFFF or cut short) replaced by U+FFFD.
std::string ValidUtf8(const std::string& text);
// Valid UTF-8 of at most maxChars characters from bytes that come from outside (a window
// title, a bus caller's string): it ends at the first NUL, and every byte that is not part
// of a well-formed character becomes U+FFFD and counts as one character.
std::string CutValidUtf8(std::string_view bytes, std::size_t maxChars);
// text as a name is shown: ValidUtf8, and every control character (C0, DEL, C1) replaced
// by U+FFFD too, so a name from another computer cannot break a line or a terminal.
std::string ShownText(const std::string& text);
// The columns a terminal gives text: two for an East Asian wide character, one for any
// other character.
std::size_t TerminalColumns(const std::string& text);
