// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ScreenPlacement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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

void FitToScreen(QWidget* window, const QSize& wanted) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    QSize room = screen != nullptr ? screen->availableGeometry().size() : wanted;
    // The frame, once the window manager has given one; the style's title bar before.
    const QSize frame = window->isVisible()
                            ? window->frameGeometry().size() - window->size()
                            : QSize(0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    room -= frame;
    window->resize(wanted.boundedTo(room).expandedTo(window->minimumSizeHint()).boundedTo(room));
}

QSize WholePageSize(QWidget* window, QScrollArea* scroll) {
    QWidget* page = scroll->widget();
    const int bar = scroll->verticalScrollBar()->sizeHint().width();
    // Never sideways: as wide as the page, with room for the scroll bar beside it.
    scroll->setMinimumWidth(page->minimumSizeHint().width() + bar + 2 * scroll->frameWidth());
    window->layout()->activate();
    const QSize whole = window->sizeHint();
    const int extra = page->sizeHint().height() - scroll->sizeHint().height();
    return QSize(whole.width(), whole.height() + std::max(0, extra) + 2 * scroll->frameWidth());
}
