// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CImageButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QHash>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QSoundEffect>
#include <QStyle>
#include <QToolTip>
#include <QUrl>
#include <algorithm>
#include <cstdlib>

#include "controls/CBalloonTip.h"
#include "controls/Contrast.h"
#include "controls/ControlResources.h"
#include "controls/DevicePixels.h"
#include "controls/FocusFrame.h"

namespace {

// Lightness steps between an edge and the face below which the edge cannot be seen.
constexpr int kMinEdgeContrast = 24;

// One sound effect per source for the whole program, so six buttons load one file.
QSoundEffect* SharedSound(const QString& source) {
    static QHash<QString, QSoundEffect*> sounds;
    if (QSoundEffect* known = sounds.value(source)) {
        return known;
    }
    auto* effect = new QSoundEffect(qApp);
    effect->setSource(source.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + source)
                                                          : QUrl::fromLocalFile(source));
    sounds.insert(source, effect);
    return effect;
}

QString PlainCaption(QString text) {
    // "&&" is a literal ampersand, a single "&" marks the mnemonic.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

}  // namespace

CImageButton::CImageButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    ControlResources::Init();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ResetColours();
    // A click takes the focus, as a toolbar button's press does.
    connect(this, &QAbstractButton::clicked, this, [this] { setFocus(Qt::MouseFocusReason); });
}

CImageButton::~CImageButton() = default;

int CImageButton::SetIconResource(int id) {
    const QString path = ControlResources::IconPath(id);
    const QPixmap pixmap(path);
    if (pixmap.isNull()) {
        icon_ = QIcon();
        iconSize_ = QSize();
        update();
        return kLoadFailed;
    }
    icon_ = QIcon(path);
    iconSize_ = pixmap.size();
    updateGeometry();
    update();
    return kOk;
}

int CImageButton::ShiftColour(int slot, int amount, bool repaint) {
    if (slot < 0 || slot >= kSlotCount) {
        return kBadSlot;
    }
    if (amount < -255 || amount > 255) {
        return kBadAmount;
    }
    colours_[slot] = Shifted(colours_[slot], amount);
    shifts_[slot] += amount;
    if (repaint) {
        update();
    }
    return kOk;
}

int CImageButton::SetColour(int slot, const QColor& colour, bool repaint) {
    if (slot < 0 || slot >= kSlotCount) {
        return kBadSlot;
    }
    colours_[slot] = colour;
    chosen_[slot] = colour;
    shifts_[slot] = 0;
    if (repaint) {
        update();
    }
    return kOk;
}

QColor CImageButton::Shifted(const QColor& colour, int amount) {
    const int r = colour.red(), g = colour.green(), b = colour.blue();
    // The same amount on every channel keeps the hue; shorten it until all fit.
    const int applied = amount >= 0 ? std::min(amount, 255 - std::max({r, g, b}))
                                    : std::max(amount, -std::min({r, g, b}));
    return QColor(r + applied, g + applied, b + applied);
}

QColor CImageButton::Colour(int slot) const {
    return slot >= 0 && slot < kSlotCount ? colours_[slot] : QColor();
}

void CImageButton::SetHoverSound(const QString& sound) {
    sound_ = sound.isEmpty() ? nullptr : SharedSound(sound);
}

int CImageButton::SetImagePlacement(int placement, bool repaint) {
    if (placement < kImageLeft || placement > kImageBelow) {
        return kBadPlacement;
    }
    placement_ = placement;
    updateGeometry();
    if (repaint) {
        update();
    }
    return kOk;
}

void CImageButton::UseBalloonTips() {
    balloon_ = true;
    if (tip_ != nullptr) {
        tip_->SetBalloon(true);
    }
}

void CImageButton::EnsureTip() {
    if (tip_ == nullptr) {
        tip_ = new CBalloonTip(this);
        tip_->SetBalloon(balloon_);
    }
}

void CImageButton::SetTipText(const QString& text, bool activate) {
    EnsureTip();
    tip_->SetText(text);
    setAccessibleDescription(text);
    tipActive_ = activate;
    if (!activate) {
        tip_->hide();
    }
}

QString CImageButton::TipText() const {
    return tip_ != nullptr ? tip_->Text() : QString();
}

int CImageButton::SetHoverCursor(int id, bool repaint) {
    if (id == 0) {
        unsetCursor();
        hasCursor_ = false;
    } else if (id == ControlResources::kHandCursor) {
        setCursor(Qt::PointingHandCursor);
        hasCursor_ = true;
    } else {
        const QPixmap picture(QStringLiteral(":/cursors/%1.png").arg(id));
        if (picture.isNull()) {
            return kLoadFailed;
        }
        setCursor(QCursor(picture));
        hasCursor_ = true;
    }
    if (repaint) {
        update();
    }
    return kOk;
}

int CImageButton::SetUpForDialogBar(int iconId, const QString& tip) {
    const int results[] = {
        SetIconResource(iconId),
        ShiftColour(kFaceHot, 30, true),
        SetColour(kTextHot, QColor(153, 0, 0), true),
        (SetHoverSound(ControlResources::SoundPath(ControlResources::kHoverSound)), kOk),
        SetImagePlacement(kImageAbove, true),
        (UseBalloonTips(), kOk),
        (SetTipText(tip, true), kOk),
        SetHoverCursor(ControlResources::kHandCursor, true),
    };
    for (const int result : results) {
        if (result != kOk) {
            return result;
        }
    }
    return kOk;
}

void CImageButton::ResetColours() {
    const QColor face = palette().color(QPalette::Button);
    const QColor text = palette().color(QPalette::ButtonText);
    colours_ = {face, text, face, text, face, text};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (chosen_[slot].isValid()) {
            colours_[slot] = chosen_[slot];
        }
        colours_[slot] = Shifted(colours_[slot], shifts_[slot]);
    }
}

void CImageButton::SetHovered(bool hovered) {
    if (hovered_ == hovered) {
        return;
    }
    hovered_ = hovered;
    update();
    if (hovered) {
        if (sound_ != nullptr && sound_->status() == QSoundEffect::Ready) {
            sound_->play();
        }
    } else if (tip_ != nullptr) {
        tip_->hide();
    }
    emit HoverChanged(hovered);
}

void CImageButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    // Entered while the left button is held for something else: no highlight.
    const Qt::MouseButtons held = event->buttons() | QGuiApplication::mouseButtons();
    if (!(held & Qt::LeftButton)) {
        SetHovered(true);
    }
}

void CImageButton::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    const bool inside = rect().contains(event->position().toPoint());
    if (!hovered_ && (event->buttons() & Qt::LeftButton)) {
        return;
    }
    SetHovered(inside);
}

void CImageButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    SetHovered(false);
}

void CImageButton::mousePressEvent(QMouseEvent* event) {
    if (tip_ != nullptr) {
        tip_->hide();
    }
    QPushButton::mousePressEvent(event);
}

void CImageButton::keyPressEvent(QKeyEvent* event) {
    // Outside a dialog Qt's push button takes Return for nothing; a toolbar button is
    // pressed by it wherever it sits.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            click();
        }
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CImageButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    SetHovered(false);
}

void CImageButton::hideEvent(QHideEvent* event) {
    QPushButton::hideEvent(event);
    SetHovered(false);
}

void CImageButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    switch (event->type()) {
        case QEvent::ActivationChange:
            if (!isActiveWindow()) {
                SetHovered(false);
            }
            break;
        case QEvent::EnabledChange:
            // Qt has already handed the focus on to the next control if this one had it.
            if (!isEnabled()) {
                SetHovered(false);
            }
            break;
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
            // A new colour scheme: its colours with the set-up's lightening and caption on
            // them, so the hover highlight stays.
            ResetColours();
            update();
            break;
        default:
            break;
    }
}

bool CImageButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (tip_ != nullptr && tipActive_ && !tip_->Text().isEmpty()) {
            // Below the button, pointing up at the cursor, so the caption stays readable.
            const QPoint cursor = static_cast<QHelpEvent*>(event)->globalPos();
            tip_->ShowAt(QPoint(cursor.x(), mapToGlobal(rect().bottomLeft()).y()));
        }
        return true;
    }
    return QPushButton::event(event);
}

QFont CImageButton::CaptionFont() const {
    // A caption word wider than the button would be cut off: a smaller size instead.
    QFont captionFont = font();
    const QStringList words = PlainCaption(text()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const int room = width() - 2;
    while (captionFont.pointSizeF() > 6.0) {
        const QFontMetrics metrics(captionFont);
        int widest = 0;
        for (const QString& word : words) {
            widest = std::max(widest, metrics.horizontalAdvance(word));
        }
        if (widest <= room) {
            break;
        }
        captionFont.setPointSizeF(captionFont.pointSizeF() - 0.5);
    }
    return captionFont;
}

QSize CImageButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const QSize caption = metrics.size(Qt::TextShowMnemonic, text());
    const int w = iconSize_.width(), h = iconSize_.height();
    const bool stacked = placement_ == kImageAbove || placement_ == kImageBelow;
    const int width = stacked ? std::max(w, caption.width()) : w + margin_.x() + caption.width();
    const int height = stacked ? h + caption.height() : std::max(h, caption.height());
    return QSize(width + 2 * margin_.x() + 2, height + 2 * margin_.y() + 2);
}

void CImageButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool pressed = isDown();
    const bool focused = hasFocus();
    const bool disabled = !isEnabled();
    const QRect area = rect();

    const int faceSlot = (hovered_ || pressed) ? kFaceHot : focused ? kFaceFocused : kFaceNormal;
    p.fillRect(area, colours_[faceSlot]);

    // Flat: an edge only while pressed (sunken) or hovered (raised).
    if (pressed || hovered_) {
        const QColor shadow = palette().color(QPalette::Dark);
        QColor light = palette().color(QPalette::Light);
        // On a face as light as the highlight, a white edge would not show and the button
        // would look half raised: a grey a little darker than the face instead, still
        // lighter than the shadow.
        const QColor face = colours_[faceSlot];
        if (std::abs(light.lightness() - face.lightness()) < kMinEdgeContrast) {
            light = face.darker(120);
        }
        const QColor topLeft = pressed ? shadow : light;
        const QColor bottomRight = pressed ? light : shadow;
        // Whole device pixels at any scale, each edge at the very rim.
        FillFrame(p, area, topLeft, bottomRight);
    }

    if (focused && !disabled) {
        // Inside the hover and press edges, which stay as they are.
        const int textSlot = (hovered_ || pressed) ? kTextHot : kTextFocused;
        DrawFocusFrame(p, area.adjusted(2, 2, -2, -2), colours_[faceSlot], colours_[textSlot]);
    }

    const QPoint shift = pressed ? pressedOffset_ : QPoint();
    const QString caption = text();
    const int iw = iconSize_.width(), ih = iconSize_.height();
    QRect captionArea = area;
    if (!icon_.isNull()) {
        QPoint at;
        if (caption.isEmpty()) {
            at = QPoint((area.width() - iw) / 2, (area.height() - ih) / 2);
        } else {
            switch (placement_) {
                case kImageAbove:
                    at = QPoint((area.width() - iw) / 2, margin_.y());
                    captionArea.setTop(area.top() + ih);
                    break;
                case kImageBelow:
                    at = QPoint((area.width() - iw) / 2, area.height() - margin_.y() - ih);
                    captionArea.setBottom(area.bottom() - ih);
                    break;
                case kImageRight:
                    at = QPoint(area.width() - margin_.x() - iw, (area.height() - ih) / 2);
                    captionArea.setRight(area.right() - iw - margin_.x());
                    break;
                default:
                    at = QPoint(margin_.x(), (area.height() - ih) / 2);
                    captionArea.setLeft(area.left() + iw + margin_.x());
                    break;
            }
        }
        const QPixmap picture = icon_.pixmap(iconSize_, devicePixelRatioF(),
                                             disabled ? QIcon::Disabled : QIcon::Normal);
        p.drawPixmap(QRect(at + shift, iconSize_), picture);
    }

    if (caption.isEmpty()) {
        return;
    }
    p.setFont(CaptionFont());
    const int mnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this)
                             ? Qt::TextShowMnemonic
                             : Qt::TextHideMnemonic;
    const int flags = Qt::TextWordWrap | Qt::AlignHCenter | mnemonic;
    QRect box = p.boundingRect(captionArea, flags, caption);
    box.moveCenter(captionArea.center());
    box.translate(shift);
    if (disabled) {
        p.setPen(palette().color(QPalette::Light));
        p.drawText(box.translated(1, 1), flags, caption);
        p.setPen(palette().color(QPalette::Dark));
        p.drawText(box, flags, caption);
        return;
    }
    const int textSlot = (hovered_ || pressed) ? kTextHot : focused ? kTextFocused : kTextNormal;
    // Dark red on a dark theme's face would not be read: made lighter there.
    p.setPen(Readable(colours_[textSlot], colours_[faceSlot], kTextContrast));
    p.drawText(box, flags, caption);
}
