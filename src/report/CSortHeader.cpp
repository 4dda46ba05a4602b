// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CSortHeader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include "controls/Contrast.h"

namespace {
constexpr int kArrowWidth = 9;
constexpr int kArrowHeight = 5;
}  // namespace

CSortHeader::CSortHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
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

void CSortHeader::mouseReleaseEvent(QMouseEvent* event) {
    // sectionClicked comes from inside the base handler, for the left button only.
    releaseModifiers_ = event->modifiers();
    QHeaderView::mouseReleaseEvent(event);
}

void CSortHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
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
