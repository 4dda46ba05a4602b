// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/IconScale.h"

#include <QImage>
#include <QPainter>
#include <atomic>
#include <cmath>
#include <cstring>

namespace {

// Read by the samplers on the GUI thread and by the entry reader's worker.
std::atomic<int> iconPixels{kProgramIconSize};

}  // namespace

int ProgramIconPixels() {
    return iconPixels.load();
}

void SetProgramIconRatio(double ratio) {
    int pixels = kProgramIconSize;
    // A hair over a whole ratio is the screen's rounding, not a finer screen.
    while (pixels < 4 * kProgramIconSize && pixels < kProgramIconSize * (ratio - 0.01)) {
        pixels *= 2;
    }
    iconPixels.store(pixels);
}

IconImage ProgramIconFromImage(const QImage& image) {
    IconImage icon;
    if (image.isNull()) {
        return icon;
    }
    const int side = ProgramIconPixels();
    QImage fitted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (fitted.width() != side || fitted.height() != side) {
        const QImage scaled =
            fitted.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        fitted = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        fitted.fill(Qt::transparent);
        QPainter painter(&fitted);
        painter.drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2, scaled);
    }
    const QImage straight = fitted.convertToFormat(QImage::Format_ARGB32);
    icon.width = side;
    icon.height = side;
    icon.argb.resize(static_cast<std::size_t>(side) * side);
    for (int y = 0; y < side; ++y) {
        std::memcpy(icon.argb.data() + static_cast<std::size_t>(y) * side,
                    straight.constScanLine(y), side * 4);
    }
    return icon;
}
