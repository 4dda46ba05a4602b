// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/IconImage.h"

class QImage;

// Side of the program icons the usage table shows.
inline constexpr int kProgramIconSize = 16;

// The image fitted into 16 x 16 pixels, aspect kept and centred on transparency, as
// straight (non-premultiplied) ARGB. Null input gives a null icon.
IconImage ProgramIconFromImage(const QImage& image);
