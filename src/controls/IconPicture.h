// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "core/IconImage.h"

// The platform's icon pixels as a picture; a null picture for a null or malformed icon.
QImage IconPicture(const IconImage& icon);
