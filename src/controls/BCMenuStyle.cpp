// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/BCMenuStyle.h"

#include <QPainter>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "controls/BCMenu.h"
#include "controls/Contrast.h"
#include "controls/DevicePixels.h"

namespace {

constexpr int kPictureW = BCMenu::kPictureWidth;
constexpr int kPictureH = BCMenu::kPictureHeight;

bool IsFlat(const QWidget* widget) {
    const auto* menu = qobject_cast<const BCMenu*>(widget);
    return menu == nullptr || menu->CurrentLook() == BCMenu::Look::Flat;
}

// Vertical spacing of an item: wider in the flat look.
int Spacing(bool flat) {
    return flat ? 7 : 4;
}

// The picture in one colour where it is darker than the button face: the emboss layers.
// Pictures drawn on white as well as on the face keep only their outline and dark parts.
QImage Silhouette(const QImage& picture, const QColor& face, const QColor& paint) {
    QImage layer(picture.size(), QImage::Format_ARGB32);
    layer.setDevicePixelRatio(picture.devicePixelRatio());
    layer.fill(Qt::transparent);
    const int faceLightness = face.lightness();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (qAlpha(pixel) >= 128 && QColor(pixel).lightness() < faceLightness) {
                layer.setPixel(x, y, paint.rgb());
            }
        }
    }
    return layer;
}

void DrawEdge(QPainter* p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    FillFrame(*p, r, topLeft, bottomRight);
}

void DrawCheckMark(QPainter* p, const QRect& square, const QColor& colour) {
    const QPoint c = square.center();
    p->setPen(QPen(colour, 2));
    p->drawLine(c + QPoint(-4, 0), c + QPoint(-1, 3));
    p->drawLine(c + QPoint(-1, 3), c + QPoint(4, -3));
}

}  // namespace

BCMenuStyle::BCMenuStyle() : QProxyStyle() {}

QColor BCMenuStyle::Lighten(const QColor& colour, double f) {
    auto channel = [f](int c) { return static_cast<int>(c + f * (255 - c)); };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

int BCMenuStyle::MenuHeight(const QFontMetrics& metrics) {
    return std::max(19, metrics.height() + 5);
}

QSize BCMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& size, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || item == nullptr) {
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
    const bool flat = IsFlat(widget);
    const int spacing = Spacing(flat);
    const QFontMetrics metrics(item->font);
    const int menuHeight = MenuHeight(metrics);
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        // One pixel wide: the menu drops items of no width.
        return QSize(1, std::max((spacing + 15) / 2, menuHeight / 2));
    }
    QString text = item->text;
    text.replace(QLatin1Char('\t'), QStringLiteral("    "));
    const int textWidth = metrics.size(Qt::TextShowMnemonic | Qt::TextSingleLine, text).width();
    const int width = flat ? textWidth + kPictureW + spacing + 8 : textWidth + 2 * kPictureW + 1;
    return QSize(width, std::max(kPictureH + spacing, menuHeight));
}

int BCMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    switch (metric) {
        case PM_MenuPanelWidth:
            return IsFlat(widget) ? 1 : 2;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return 1;
        case PM_MenuDesktopFrameWidth:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int BCMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    if (hint == SH_Menu_AllowActiveAndDisabled) {
        return 1;  // disabled items highlight too, as in both looks
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void BCMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element != PE_PanelMenu && element != PE_FrameMenu) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette& pal = option->palette;
    const bool flat = IsFlat(widget);
    const QRect r = option->rect;
    if (element == PE_PanelMenu) {
        painter->fillRect(r, flat ? pal.color(QPalette::Base) : pal.color(QPalette::Window));
    }
    if (flat) {
        FillFrame(*painter, r, pal.color(QPalette::Dark), pal.color(QPalette::Dark));
    } else {
        DrawEdge(painter, r, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
        DrawEdge(painter, r.adjusted(1, 1, -1, -1), pal.color(QPalette::Midlight),
                 pal.color(QPalette::Dark));
    }
}

void BCMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuEmptyArea || element == CE_MenuTearoff || element == CE_MenuScroller) {
        const bool flat = IsFlat(widget);
        painter->fillRect(option->rect, flat ? option->palette.color(QPalette::Base)
                                             : option->palette.color(QPalette::Window));
        return;
    }
    if (element != CE_MenuItem || item == nullptr) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }

    const QPalette& pal = item->palette;
    const bool flat = IsFlat(widget);
    const int spacing = Spacing(flat);
    const QRect r = item->rect;
    const bool selected = item->state & State_Selected;
    const bool enabled = item->state & State_Enabled;
    const bool checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;

    const QColor window = pal.color(QPalette::Active, QPalette::Base);
    const QColor face = pal.color(QPalette::Active, QPalette::Button);
    const QColor menu = pal.color(QPalette::Active, QPalette::Window);
    const QColor highlight = pal.color(QPalette::Active, QPalette::Highlight);
    const QColor menuText = pal.color(QPalette::Active, QPalette::WindowText);
    const QColor highlightText = pal.color(QPalette::Active, QPalette::HighlightedText);
    const QColor grayText = pal.color(QPalette::Disabled, QPalette::WindowText);
    const QColor shadow = pal.color(QPalette::Active, QPalette::Dark);
    const QColor light = pal.color(QPalette::Active, QPalette::Light);

    const QColor background = flat ? window : menu;
    const int column = kPictureW + spacing;  // picture column width
    const QRect square(r.left() + 1, r.top() + (r.height() - kPictureH - 4) / 2, kPictureW + 4,
                       kPictureH + 4);
    const QRect textArea(r.left() + column + 4, r.top(), r.width() - column - 8, r.height());

    painter->save();
    painter->fillRect(r, background);
    if (flat) {
        painter->fillRect(QRect(r.left(), r.top(), column, r.height()), face);
    }

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        // An etched line across the item.
        const int y = r.top() + r.height() / 2 - 1;
        const int left = flat ? r.left() + column + 2 : r.left() + 1;
        FillRow(*painter, left, y, r.right() - left, shadow);
        FillRow(*painter, left, y + 1, r.right() - left, light);
        painter->restore();
        return;
    }

    QColor textColour = enabled ? menuText : grayText;
    // What the text stands on, for keeping it readable: 4.5:1.
    QColor textGround = background;
    if (selected) {
        if (flat) {
            // The highlight tinted towards the menu's own background: pale on a light
            // desktop, deep on a dark one, where white on a pale tint could not be read.
            const QRect frame = r.adjusted(0, 0, -1, -1);
            textGround = Mix(highlight, window, 0.7);
            painter->fillRect(frame, textGround);
            FillFrame(*painter, r, highlight, highlight);
        } else {
            textGround = highlight;
            painter->fillRect(QRect(r.left() + column, r.top(), r.width() - column, r.height()),
                              highlight);
            if (enabled) {
                textColour = highlightText;
            }
        }
    }
    if (enabled) {
        textColour = Readable(textColour, textGround, kTextContrast);
    }

    // The picture square: checked and raised states.
    if (checked) {
        if (flat) {
            painter->fillRect(square, Mix(highlight, window, 0.85));
            FillFrame(*painter, square, highlight, highlight);
        } else {
            if (!selected) {
                painter->fillRect(square, Mix(background, light, 0.6));
            }
            DrawEdge(painter, square.adjusted(0, 0, -1, -1), shadow, light);
        }
    } else if (selected && !flat && !item->icon.isNull()) {
        DrawEdge(painter, square.adjusted(0, 0, -1, -1), light, shadow);
    }

    const QPoint pictureAt(square.left() + 2, square.top() + 2);
    if (!item->icon.isNull()) {
        // At the screen's pixels: the strip's fine pictures where they are needed.
        const qreal ratio =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        const QImage picture = item->icon.pixmap(QSize(kPictureW, kPictureH), ratio)
                                   .toImage()
                                   .convertToFormat(QImage::Format_ARGB32);
        if (enabled) {
            painter->drawImage(pictureAt, picture);
        } else {
            // Embossed: highlight one pixel down and right, shadow in place.
            painter->drawImage(pictureAt + QPoint(1, 1), Silhouette(picture, face, light));
            painter->drawImage(pictureAt, Silhouette(picture, face, shadow));
        }
    } else if (checked) {
        DrawCheckMark(painter, square, enabled ? menuText : grayText);
    }

    painter->setFont(item->font);
    QString text = item->text;
    QString shortcut;
    if (const int tab = text.indexOf(QLatin1Char('\t')); tab >= 0) {
        shortcut = text.mid(tab + 1);
        text.truncate(tab);
    }
    const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    auto drawText = [&](const QColor& colour, const QPoint& offset) {
        painter->setPen(colour);
        painter->drawText(textArea.translated(offset), flags | Qt::AlignLeft, text);
        if (!shortcut.isEmpty()) {
            painter->drawText(textArea.translated(offset), flags | Qt::AlignRight, shortcut);
        }
    };
    if (!enabled && !flat && !selected) {
        drawText(light, QPoint(1, 1));
    }
    drawText(textColour, QPoint());
    painter->restore();
}
