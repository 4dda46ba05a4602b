#include "controls/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
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
    const QRect placed =
        screen != nullptr ? KeepOnScreen(wanted, screen->availableGeometry()) : wanted;
    window->move(placed.topLeft());
    window->resize(placed.size());
}
