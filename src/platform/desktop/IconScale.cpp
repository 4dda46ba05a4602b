// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/IconScale.h"

#include <QImage>
#include <QPainter>
#include <cstring>

IconImage ProgramIconFromImage(const QImage& image) {
    IconImage icon;
    if (image.isNull()) {
        return icon;
    }
    QImage fitted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (fitted.width() != kProgramIconSize || fitted.height() != kProgramIconSize) {
        const QImage scaled = fitted.scaled(kProgramIconSize, kProgramIconSize, Qt::KeepAspectRatio,
                                            Qt::SmoothTransformation);
        fitted = QImage(kProgramIconSize, kProgramIconSize, QImage::Format_ARGB32_Premultiplied);
        fitted.fill(Qt::transparent);
        QPainter painter(&fitted);
        painter.drawImage((kProgramIconSize - scaled.width()) / 2,
                          (kProgramIconSize - scaled.height()) / 2, scaled);
    }
    const QImage straight = fitted.convertToFormat(QImage::Format_ARGB32);
    icon.width = kProgramIconSize;
    icon.height = kProgramIconSize;
    icon.argb.resize(static_cast<std::size_t>(kProgramIconSize) * kProgramIconSize);
    for (int y = 0; y < kProgramIconSize; ++y) {
        std::memcpy(icon.argb.data() + static_cast<std::size_t>(y) * kProgramIconSize,
                    straight.constScanLine(y), kProgramIconSize * 4);
    }
    return icon;
}
