#include "groups/GroupIcons.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QStyle>

QIcon GroupIcon() {
    const QString resource = QStringLiteral(":/icons/138.png");
    if (QFile::exists(resource)) {
        return QIcon(resource);
    }
    return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
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
