// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Window titles arrive as raw property bytes in one of several encodings; UTF8_STRING goes
// through core's CutValidUtf8, and this turns the older one into valid UTF-8 too.

// ISO 8859-1 (the STRING type of WM_NAME) to UTF-8, at most maxChars characters.
std::string X11Latin1ToUtf8(std::string_view bytes, std::size_t maxChars);
