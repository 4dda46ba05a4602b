// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CSortHeader.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QScrollBar>
#include <algorithm>

#include "controls/FocusFrame.h"

#include "controls/Contrast.h"

namespace {
constexpr int kArrowWidth = 9;
constexpr int kArrowHeight = 5;
}  // namespace

CSortHeader::CSortHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
    // Not by a click: that sorts, and the list keeps the focus it had.
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QHeaderView::sectionClicked, this, [this](int column) {
        emit HeadingClicked(column, releaseModifiers_.testFlag(Qt::ControlModifier));
    });
}

void CSortHeader::SetArrow(int column, Arrow arrow) {
    arrows_[column] = arrow;
    viewport()->update();
}

void CSortHeader::ClearArrows() {
    arrows_.clear();
    viewport()->update();
}

CSortHeader::Arrow CSortHeader::ArrowOf(int column) const {
    const auto it = arrows_.find(column);
    return it == arrows_.end() ? Arrow::None : it->second;
}

int CSortHeader::FittingWidth(int column) const {
    return sectionSizeFromContents(column).width() + 6 + kArrowWidth;
}

void CSortHeader::mouseReleaseEvent(QMouseEvent* event) {
    // sectionClicked comes from inside the base handler, for the left button only.
    releaseModifiers_ = event->modifiers();
    QHeaderView::mouseReleaseEvent(event);
}

void CSortHeader::keyPressEvent(QKeyEvent* event) {
    const int columns = count();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    int next = focusedColumn_;
    switch (event->key()) {
        case Qt::Key_Left:
            next = focusedColumn_ - 1;
            break;
        case Qt::Key_Right:
            next = focusedColumn_ + 1;
            break;
        case Qt::Key_Home:
            next = 0;
            break;
        case Qt::Key_End:
            next = columns - 1;
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (focusedColumn_ < columns && !event->isAutoRepeat()) {
                emit HeadingClicked(focusedColumn_, ctrl);
            }
            event->accept();
            return;
        default:
            QHeaderView::keyPressEvent(event);
            return;
    }
    focusedColumn_ = std::clamp(next, 0, std::max(columns - 1, 0));
    // A heading scrolled out of sight comes into view, the list's columns with it.
    auto* list = qobject_cast<QAbstractScrollArea*>(parentWidget());
    if (columns > 0 && list != nullptr) {
        QScrollBar* bar = list->horizontalScrollBar();
        const int left = sectionPosition(focusedColumn_);
        const int right = left + sectionSize(focusedColumn_);
        if (left < bar->value()) {
            bar->setValue(left);
        } else if (right > bar->value() + viewport()->width()) {
            bar->setValue(right - viewport()->width());
        }
    }
    viewport()->update();
    event->accept();
}

void CSortHeader::focusInEvent(QFocusEvent* event) {
    QHeaderView::focusInEvent(event);
    viewport()->update();  // the frame is drawn with the sections
}

void CSortHeader::focusOutEvent(QFocusEvent* event) {
    QHeaderView::focusOutEvent(event);
    viewport()->update();
}

void CSortHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (hasFocus() && logicalIndex == focusedColumn_) {
        DrawFocusFrame(*painter, rect.adjusted(2, 2, -2, -2), palette().color(QPalette::Button),
                       palette().color(QPalette::ButtonText));
    }
    const Arrow arrow = ArrowOf(logicalIndex);
    if (arrow == Arrow::None || rect.width() < 3 * kArrowWidth) {
        return;
    }
    // Right-aligned headings take the arrow on their left, so it never hides the text.
    const bool right = (model() != nullptr &&
                        (model()
                             ->headerData(logicalIndex, Qt::Horizontal, Qt::TextAlignmentRole)
                             .value<Qt::Alignment>() &
                         Qt::AlignRight));
    const int x = right ? rect.left() + 6 : rect.right() - 6 - kArrowWidth;
    const int y = rect.center().y() - kArrowHeight / 2;
    QPolygon triangle;
    if (arrow == Arrow::Up) {
        triangle << QPoint(x, y + kArrowHeight - 1)
                 << QPoint(x + kArrowWidth - 1, y + kArrowHeight - 1)
                 << QPoint(x + kArrowWidth / 2, y);
    } else {
        triangle << QPoint(x, y) << QPoint(x + kArrowWidth - 1, y)
                 << QPoint(x + kArrowWidth / 2, y + kArrowHeight - 1);
    }
    // The heading's own text colour: black on a light header, light on a dark one.
    const QColor ink = Readable(palette().color(QPalette::ButtonText),
                                palette().color(QPalette::Button), kMarkContrast);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(ink);
    painter->setBrush(ink);
    painter->drawPolygon(triangle);
    painter->restore();
}
