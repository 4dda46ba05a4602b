// SPDX-License-Identifier: GPL-3.0-or-later
#include "groups/CDragDropTreeCtrl.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "core/Message.h"

namespace {

// The drag picture sits beside the pointer, so the pointer never rests on it.
const QPoint kImageOffset(12, 8);
constexpr int kMaxImageWidth = 300;
// A group out of sight comes into reach when the pointer rests this close to an edge.
constexpr int kScrollEdge = 12;
constexpr int kScrollIntervalMs = 60;

}  // namespace

CDragDropTreeCtrl::CDragDropTreeCtrl(QWidget* parent) : QTreeWidget(parent) {
    setDragEnabled(false);  // our own drag below, not Qt's drag and drop
    setSelectionMode(QAbstractItemView::SingleSelection);
    dragImage_ = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint |
                                      Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    dragImage_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragImage_->setAttribute(Qt::WA_ShowWithoutActivating);
    dragImage_->setWindowOpacity(0.75);
    dragImage_->hide();
    scrollTimer_ = new QTimer(this);
    scrollTimer_->setInterval(kScrollIntervalMs);
    connect(scrollTimer_, &QTimer::timeout, this, &CDragDropTreeCtrl::ScrollStep);
    // An item going away under a press or a drag must not be touched afterwards.
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] {
        pressItem_ = nullptr;
        if (IsDragging()) {
            EndDrag();
        }
    });
}

CDragDropTreeCtrl::~CDragDropTreeCtrl() {
    EndDrag();
}

QTreeWidgetItem* CDragDropTreeCtrl::DropTarget() const {
    return dropTarget_.isValid() ? itemFromIndex(dropTarget_) : nullptr;
}

QTreeWidgetItem* CDragDropTreeCtrl::MoveItem(QTreeWidgetItem* item, QTreeWidgetItem* target) {
    if (item == nullptr || target == nullptr) {
        return nullptr;
    }
    if (target == item || target == item->parent()) {
        scrollToItem(item);
        return item;
    }
    for (QTreeWidgetItem* above = target->parent(); above != nullptr; above = above->parent()) {
        if (above == item) {
            return nullptr;
        }
    }
    // Taking the item itself keeps its text, icon, data and children together.
    QTreeWidgetItem* parent = item->parent();
    QTreeWidgetItem* taken = parent != nullptr ? parent->takeChild(parent->indexOfChild(item))
                                               : takeTopLevelItem(indexOfTopLevelItem(item));
    target->addChild(taken);
    scrollToItem(taken);
    return taken;
}

void CDragDropTreeCtrl::CancelDrag() {
    QTreeWidgetItem* item = dragItem_;
    if (item == nullptr) {
        return;
    }
    EndDrag();
    setCurrentItem(item);
}

void CDragDropTreeCtrl::mousePressEvent(QMouseEvent* event) {
    if (IsDragging()) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
    pressItem_ = nullptr;
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    // Only programs move; a group stays where it is.
    if (event->button() == Qt::LeftButton && item != nullptr && item->parent() != nullptr) {
        pressItem_ = item;
        pressPos_ = event->position().toPoint();
    }
}

void CDragDropTreeCtrl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (IsDragging()) {
        DragTo(pos, event->globalPosition().toPoint());
        event->accept();
        return;
    }
    if (pressItem_ != nullptr && (event->buttons() & Qt::LeftButton) &&
        (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
        QTreeWidgetItem* item = pressItem_;
        pressItem_ = nullptr;
        BeginDrag(item, event->globalPosition().toPoint() - pos + pressPos_);
        DragTo(pos, event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CDragDropTreeCtrl::mouseReleaseEvent(QMouseEvent* event) {
    pressItem_ = nullptr;
    if (IsDragging()) {
        if (event->button() == Qt::LeftButton) {
            Drop();
        }
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void CDragDropTreeCtrl::keyPressEvent(QKeyEvent* event) {
    if (!IsDragging()) {
        // The Menu key comes as a context menu event; Shift+F10 does not.
        if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
            RequestMenuForCurrent();
            event->accept();
            return;
        }
        QTreeWidget::keyPressEvent(event);
        return;
    }
    // Keys belong to the drag while it lasts; Escape must not close the dialog under it.
    if (event->key() == Qt::Key_Escape) {
        CancelDrag();
    }
    event->accept();
}

void CDragDropTreeCtrl::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (IsDragging()) {
        return;
    }
    if (event->reason() != QContextMenuEvent::Mouse) {
        RequestMenuForCurrent();
        return;
    }
    QTreeWidgetItem* item = itemAt(event->pos());
    if (item != nullptr) {
        setCurrentItem(item);
    }
    emit MenuRequested(item, event->globalPos());
}

void CDragDropTreeCtrl::RequestMenuForCurrent() {
    // At the item rather than where the pointer happens to be.
    QTreeWidgetItem* item = currentItem();
    const QRect row = item != nullptr ? visualItemRect(item) : QRect();
    const QPoint at = row.isValid() ? row.bottomLeft() : QPoint();
    emit MenuRequested(item, viewport()->mapToGlobal(at));
}

void CDragDropTreeCtrl::focusOutEvent(QFocusEvent* event) {
    CancelDrag();
    QTreeWidget::focusOutEvent(event);
}

void CDragDropTreeCtrl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        CancelDrag();
    }
    QTreeWidget::changeEvent(event);
}

void CDragDropTreeCtrl::hideEvent(QHideEvent* event) {
    CancelDrag();
    QTreeWidget::hideEvent(event);
}

void CDragDropTreeCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    if (IsDragging() && dropTarget_.isValid() && index == dropTarget_) {
        row.state |= QStyle::State_Selected;
    }
    QTreeWidget::drawRow(painter, row, index);
}

void CDragDropTreeCtrl::BeginDrag(QTreeWidgetItem* item, QPoint pressGlobalPos) {
    // The one highlighted row while dragging is the drop target.
    clearSelection();
    // The item's icon and label, not the whole row: a long name elsewhere in the tree
    // makes rows much wider than the pointer needs to carry.
    QRect rect = visualItemRect(item);
    rect.setWidth(
        std::min({rect.width(), sizeHintForIndex(indexFromItem(item)).width(), kMaxImageWidth}));
    dragImage_->setPixmap(viewport()->grab(rect));
    dragImage_->resize(rect.size());
    dragImage_->move(pressGlobalPos + kImageOffset);
    dragImage_->show();
    setFocus(Qt::MouseFocusReason);
    viewport()->grabMouse();
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    dragItem_ = item;
}

void CDragDropTreeCtrl::DragTo(QPoint viewportPos, QPoint globalPos) {
    lastPos_ = viewportPos;
    lastGlobalPos_ = globalPos;
    dragImage_->move(globalPos + kImageOffset);
    const bool atEdge =
        viewportPos.x() >= 0 && viewportPos.x() < viewport()->width() &&
        (viewportPos.y() < kScrollEdge || viewportPos.y() >= viewport()->height() - kScrollEdge);
    if (!atEdge) {
        scrollTimer_->stop();
    } else if (!scrollTimer_->isActive()) {
        scrollTimer_->start();
    }
    const QWidget* under = QApplication::widgetAt(globalPos);
    const bool overTree =
        viewport()->rect().contains(viewportPos) && (under == viewport() || under == dragImage_);
    if (overTree) {
        QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
        SetDropTarget(itemAt(viewportPos));
    } else {
        // Outside, the last group highlighted inside stays the target.
        QGuiApplication::changeOverrideCursor(Qt::ForbiddenCursor);
    }
}

void CDragDropTreeCtrl::Drop() {
    QTreeWidgetItem* item = dragItem_;
    QTreeWidgetItem* target = DropTarget();
    // The drag ends first, so the message below never meets a grabbed mouse.
    EndDrag();
    if (target != nullptr && target->parent() != nullptr) {
        setCurrentItem(item);
        ShowMessage(tr("Please drop on a group!").toStdString());
        return;
    }
    QTreeWidgetItem* result = MoveItem(item, target);
    setCurrentItem(result != nullptr ? result : item);
}

void CDragDropTreeCtrl::EndDrag() {
    if (dragItem_ == nullptr) {
        return;
    }
    dragItem_ = nullptr;
    scrollTimer_->stop();
    dragImage_->hide();
    viewport()->releaseMouse();
    QGuiApplication::restoreOverrideCursor();
    SetDropTarget(nullptr);
}

void CDragDropTreeCtrl::ScrollStep() {
    QScrollBar* bar = verticalScrollBar();
    const int step = lastPos_.y() < kScrollEdge ? -bar->singleStep() : bar->singleStep();
    bar->setValue(bar->value() + step);
    // The rows moved under a resting pointer.
    DragTo(lastPos_, lastGlobalPos_);
}

void CDragDropTreeCtrl::SetDropTarget(QTreeWidgetItem* item) {
    const QPersistentModelIndex index(item != nullptr ? indexFromItem(item) : QModelIndex());
    if (index == dropTarget_) {
        return;
    }
    dropTarget_ = index;
    viewport()->update();
}
