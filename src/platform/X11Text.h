// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Window titles arrive as raw property bytes in one of several encodings; these turn them
// into valid UTF-8 of bounded length.

// Valid UTF-8 holding at most maxChars characters (code points) of text. Invalid bytes
// become U+FFFD, and the text ends at the first NUL, so the result is always safe to store.
std::string X11CutUtf8(std::string_view bytes, std::size_t maxChars);

// ISO 8859-1 (the STRING type of WM_NAME) to UTF-8, at most maxChars characters.
std::string X11Latin1ToUtf8(std::string_view bytes, std::size_t maxChars);
