#include "shell/CImageList.h"

#include <QImage>
#include <QPixmap>

int CImageList::Add(const IconImage& icon) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    // A malformed image still takes its slot, so the returned index stays meaningful.
    if (!icon.IsNull() &&
        icon.argb.size() >= static_cast<size_t>(icon.width) * static_cast<size_t>(icon.height)) {
        QImage image(icon.width, icon.height, QImage::Format_ARGB32);
        for (int y = 0; y < icon.height; ++y) {
            auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
            for (int x = 0; x < icon.width; ++x) {
                line[x] = icon.argb[static_cast<size_t>(y) * icon.width + x];
            }
        }
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
