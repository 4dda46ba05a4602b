// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

QRect KeepOnScreen(const QRect& wanted, const QRect& available) {
    if (available.isEmpty()) {
        return wanted;
    }
    QRect placed(wanted.topLeft(), wanted.size().boundedTo(available.size()));
    placed.moveLeft(
        std::clamp(placed.left(), available.left(), available.right() - placed.width() + 1));
    placed.moveTop(
        std::clamp(placed.top(), available.top(), available.bottom() - placed.height() + 1));
    return placed;
}

void PlaceOnScreen(QWidget* window, const QRect& wanted) {
    QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    // wanted is the client area; the window manager adds a title bar above it, whose
    // height is only known once the window is shown: reckon with the style's.
    const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QRect outer = wanted.adjusted(0, 0, 0, title);
    const QRect placed =
        screen != nullptr ? KeepOnScreen(outer, screen->availableGeometry()) : outer;
    window->move(placed.topLeft());
    window->resize(placed.width(), placed.height() - title);
}
