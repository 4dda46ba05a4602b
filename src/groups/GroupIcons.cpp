// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/GroupIcons.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QStyle>

#include "controls/ControlResources.h"
#include "controls/IconPicture.h"

QIcon GroupIcon() {
    const QIcon icon = ControlResources::Icon(ControlResources::kGroupIcon);
    return icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_DirIcon) : icon;
}

QIcon IconFromImage(const IconImage& image) {
    const QImage picture = IconPicture(image);
    return picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture));
}
