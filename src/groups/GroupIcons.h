// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

#include "core/IconImage.h"

// The icon every group root shows: the program's group picture, else the style's folder.
QIcon GroupIcon();

// A program icon as plain pixels, as the tree shows it; a null icon for a null image.
QIcon IconFromImage(const IconImage& image);
