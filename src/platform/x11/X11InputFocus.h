// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

struct xcb_connection_t;

// The window that holds the X input focus at this moment, asked of the server and waited
// for: a toolkit's own idea of its active window lags behind while its event loop is busy.
// 0 when nothing (or the root) has the focus or the server does not answer.
uint32_t X11InputFocusNow(xcb_connection_t* connection);
