#pragma once

#include <cstddef>
#include <string>

// Cuts text to at most maxChars UTF-8 characters, never inside a character.
void TruncateUtf8(std::string& text, std::size_t maxChars);
// Length in bytes of the UTF-8 character starting with lead (1 for stray bytes).
std::size_t Utf8CharLength(unsigned char lead);
