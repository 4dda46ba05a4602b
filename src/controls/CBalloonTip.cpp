// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CBalloonTip.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int kStem = 10;   // height of the balloon's stem
constexpr int kRadius = 7;  // corner radius of the balloon
constexpr int kPadding = 6;
}  // namespace

CBalloonTip::CBalloonTip(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setMaximumWidth(kMaxWidth);
    label_ = new QLabel(this);
    label_->setWordWrap(true);
    label_->setTextFormat(Qt::PlainText);
    label_->setForegroundRole(QPalette::ToolTipText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    UpdateMargins();
}

void CBalloonTip::SetBalloon(bool balloon) {
    balloon_ = balloon;
    UpdateMargins();
}

void CBalloonTip::SetText(const QString& text) {
    label_->setText(text);
    // Wrapped text asks for the width it needs, at most the tip's maximum.
    const int frame = layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const int natural = label_->fontMetrics().horizontalAdvance(text) + frame + 2;
    label_->setMinimumWidth(qMin(natural, kMaxWidth) - frame);
    adjustSize();
}

QString CBalloonTip::Text() const {
    return label_->text();
}

void CBalloonTip::ShowAt(const QPoint& globalPoint) {
    adjustSize();
    QPoint topLeft(globalPoint.x() - 16, globalPoint.y() + (balloon_ ? 4 : 18));
    if (const QScreen* screen = QGuiApplication::screenAt(globalPoint)) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(qBound(area.left(), topLeft.x(), area.right() - width()));
        topLeft.setY(qMin(topLeft.y(), area.bottom() - height()));
    }
    stemX_ = qBound(kRadius + kStem, globalPoint.x() - topLeft.x(), width() - kRadius - kStem);
    move(topLeft);
    ApplyMask();
    show();
    raise();
    update();
}

void CBalloonTip::UpdateMargins() {
    layout()->setContentsMargins(kPadding + 2, kPadding + (balloon_ ? kStem : 0), kPadding + 2,
                                 kPadding);
    adjustSize();
}

QPainterPath CBalloonTip::Outline() const {
    QPainterPath path;
    if (!balloon_) {
        path.addRect(QRectF(rect()).adjusted(0, 0, -1, -1));
        return path;
    }
    const QRectF body(0.5, kStem + 0.5, width() - 1.0, height() - kStem - 1.0);
    path.addRoundedRect(body, kRadius, kRadius);
    QPainterPath stem;
    stem.moveTo(stemX_, 0.5);
    stem.lineTo(stemX_ + kStem, kStem + 1.5);
    stem.lineTo(stemX_ + 1, kStem + 1.5);
    stem.closeSubpath();
    return path.united(stem);
}

void CBalloonTip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyMask();
}

void CBalloonTip::ApplyMask() {
    // Shaped by a mask, so the balloon needs no compositor.
    if (balloon_) {
        setMask(QRegion(Outline().toFillPolygon().toPolygon()));
    } else {
        clearMask();
    }
}

void CBalloonTip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, balloon_);
    p.setPen(palette().color(QPalette::ToolTipText));
    p.setBrush(palette().color(QPalette::ToolTipBase));
    p.drawPath(Outline());
}
