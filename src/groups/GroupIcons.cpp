#include "groups/GroupIcons.h"

#include "controls/ControlResources.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QStyle>

QIcon GroupIcon() {
    const QIcon icon = ControlResources::Icon(ControlResources::kGroupIcon);
    return icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_DirIcon) : icon;
}

QIcon IconFromImage(const IconImage& image) {
    if (image.IsNull() ||
        image.argb.size() < static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) {
        return {};
    }
    QImage picture(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<uint32_t*>(picture.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            line[x] = image.argb[static_cast<size_t>(y) * image.width + x];
        }
    }
    return QIcon(QPixmap::fromImage(picture));
}
