// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ControlResources.h"

// Q_INIT_RESOURCE must be used at global scope.
static void InitControlResources() {
    Q_INIT_RESOURCE(controls);
}

namespace ControlResources {

void Init() {
    static const bool done = [] {
        InitControlResources();
        return true;
    }();
    (void)done;
}

QString IconPath(int id) {
    return QStringLiteral(":/icons/%1.png").arg(id);
}

QString BitmapPath(int id) {
    return QStringLiteral(":/bitmaps/%1.png").arg(id);
}

QString ToolbarPath(int id) {
    return QStringLiteral(":/toolbars/%1.png").arg(id);
}

QString SoundPath(int id) {
    return QStringLiteral(":/sounds/%1.wav").arg(id);
}

QIcon Icon(int id) {
    Init();
    const QPixmap large(IconPath(id));
    if (large.isNull()) {
        return QIcon();
    }
    QIcon icon(large);
    icon.addFile(QStringLiteral(":/icons/%1-16.png").arg(id), QSize(16, 16));
    return icon;
}

QPixmap Bitmap(int id) {
    Init();
    return QPixmap(BitmapPath(id));
}

}  // namespace ControlResources
