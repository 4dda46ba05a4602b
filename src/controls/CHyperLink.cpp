// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CHyperLink.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/Contrast.h"
#include "controls/FocusFrame.h"
#include "controls/OpenDocument.h"

CHyperLink::CHyperLink(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
    target_ = text;
    setCursor(Qt::PointingHandCursor);
    // Tab reaches it as it does a link in a page; a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    // Room for the focus frame round the text.
    setContentsMargins(2, 1, 2, 1);
    setToolTip(target_);
    SetUnderline(true);
    FitToText();
    UpdateColour();
}

void CHyperLink::SetTarget(const QString& target) {
    target_ = target;
    if (text().isEmpty()) {
        setText(target);
    }
    setToolTip(target);
    FitToText();
}

void CHyperLink::SetUnderline(bool underline) {
    QFont underlined = font();
    underlined.setUnderline(underline);
    setFont(underlined);
    FitToText();
    update();
}

void CHyperLink::SetVisited(bool visited) {
    visited_ = visited;
    UpdateColour();
}

void CHyperLink::SetAdjustToFit(bool adjust) {
    adjustToFit_ = adjust;
    FitToText();
}

void CHyperLink::SetColours(const QColor& link, const QColor& visited, const QColor& hover) {
    link_ = link;
    visitedColour_ = visited;
    hover_ = hover;
    UpdateColour();
}

QColor CHyperLink::TextColour() const {
    const QColor wanted = hovering_ ? hover_ : visited_ ? visitedColour_ : link_;
    const QColor ground = palette().color(backgroundRole());
    if (wanted.isValid() && ContrastRatio(wanted, ground) >= kTextContrast) {
        return wanted;
    }
    const QPalette::ColorRole role = hovering_  ? QPalette::Highlight
                                     : visited_ ? QPalette::LinkVisited
                                                : QPalette::Link;
    return Readable(palette().color(role), ground, kTextContrast);
}

void CHyperLink::UpdateColour() {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, TextColour());
    // Setting the palette sends a palette change of its own.
    recolouring_ = true;
    setPalette(colours);
    recolouring_ = false;
    update();
}

void CHyperLink::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !recolouring_) {
        UpdateColour();
    }
}

void CHyperLink::FitToText() {
    // Only the text is clickable: the label takes exactly its text's size.
    if (adjustToFit_) {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        resize(sizeHint());
    } else {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }
    updateGeometry();
}

bool CHyperLink::Follow() {
    // Visited once the opener runs, which may be until the browser closes; a failure it
    // reports later takes that back.
    const int result = OpenDocument(
        target_, this, [this] { SetVisited(true); },
        [this](int code) {
            SetVisited(false);
            ReportHyperlinkError(code);
        });
    if (result > 32) {
        return true;
    }
    SetVisited(false);
    ReportHyperlinkError(result);
    return false;
}

void CHyperLink::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    hovering_ = true;
    UpdateColour();
}

void CHyperLink::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    hovering_ = false;
    UpdateColour();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Follow();
    }
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!event->isAutoRepeat()) {
                Follow();
            }
            event->accept();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void CHyperLink::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        DrawFocusFrame(painter, rect(), palette().color(backgroundRole()), TextColour());
    }
}
