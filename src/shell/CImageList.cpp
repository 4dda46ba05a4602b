// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CImageList.h"

#include <QImage>
#include <QPixmap>

#include "controls/IconPicture.h"

int CImageList::Add(const IconImage& icon) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QIcon entry;
    // A malformed image still takes its slot, so the returned index stays meaningful.
    if (const QImage image = IconPicture(icon); !image.isNull()) {
        pixmap = QPixmap::fromImage(
            image.size() == QSize(kSize, kSize)
                ? image
                : image.scaled(kSize, kSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        // Kept at the size it came in as well, for screens finer than 1x.
        if (image.width() > kSize) {
            entry.addPixmap(QPixmap::fromImage(image));
        }
    }
    entry.addPixmap(pixmap);
    icons_.append(entry);
    return static_cast<int>(icons_.size()) - 1;
}

QIcon CImageList::Icon(int index) const {
    if (index < 0 || index >= icons_.size()) {
        return {};
    }
    return icons_.at(index);
}
