// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Writes all size bytes of data to fd, again after EINTR and short writes; false with
// errno set when the descriptor takes no more.
bool WriteAll(int fd, const void* data, std::size_t size);
