// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/IconImage.h"

class QImage;

// Side of the program icons the lists show, in the windows' (logical) pixels.
inline constexpr int kProgramIconSize = 16;

// The side the icons are kept at: the lists' size times the screens' largest device pixel
// ratio, as 16, 32 or 64 pixels. 16 until set; set once at start, before icons are read.
int ProgramIconPixels();
void SetProgramIconRatio(double ratio);

// The image fitted into ProgramIconPixels() square, aspect kept and centred on
// transparency, as straight (non-premultiplied) ARGB. Null input gives a null icon.
IconImage ProgramIconFromImage(const QImage& image);
