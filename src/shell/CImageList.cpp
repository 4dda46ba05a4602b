// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CImageList.h"

#include <QImage>
#include <QPixmap>

#include "controls/IconPicture.h"

int CImageList::Add(const IconImage& icon) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    // A malformed image still takes its slot, so the returned index stays meaningful.
    if (QImage image = IconPicture(icon); !image.isNull()) {
        if (image.size() != QSize(kSize, kSize)) {
            image = image.scaled(kSize, kSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        pixmap = QPixmap::fromImage(image);
    }
    icons_.append(QIcon(pixmap));
    return static_cast<int>(icons_.size()) - 1;
}

QIcon CImageList::Icon(int index) const {
    if (index < 0 || index >= icons_.size()) {
        return {};
    }
    return icons_.at(index);
}
