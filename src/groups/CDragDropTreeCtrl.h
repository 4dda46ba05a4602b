// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPersistentModelIndex>
#include <QPoint>
#include <QTreeWidget>

class QLabel;
class QTimer;

// A tree of groups (roots) and programs (their children) in which the user drags a program
// onto a group with the left mouse button. The drag runs on plain mouse events with the
// mouse grabbed, so a release outside the tree still drops on the group last highlighted
// inside it. It knows nothing of the database: an item's data stays as it was, and its
// position in the tree is what changed.
class CDragDropTreeCtrl : public QTreeWidget {
    Q_OBJECT
  public:
    explicit CDragDropTreeCtrl(QWidget* parent = nullptr);
    ~CDragDropTreeCtrl() override;

    bool IsDragging() const { return dragItem_ != nullptr; }
    // The group a drop would go to now, or none.
    QTreeWidgetItem* DropTarget() const;

    // Moves item to the end of target's children and scrolls it into view. Target being the
    // item or its parent changes nothing and gives the item; target inside the item's own
    // subtree changes nothing and gives none.
    QTreeWidgetItem* MoveItem(QTreeWidgetItem* item, QTreeWidgetItem* target);

    // Ends a drag under way without dropping.
    void CancelDrag();

  signals:
    // The context menu for item (none: no item there) at global: a right click, or the
    // Menu key and Shift+F10 for the current item.
    void MenuRequested(QTreeWidgetItem* item, QPoint global);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

  private:
    void BeginDrag(QTreeWidgetItem* item, QPoint pressGlobalPos);
    void DragTo(QPoint viewportPos, QPoint globalPos);
    void Drop();
    void EndDrag();
    void SetDropTarget(QTreeWidgetItem* item);
    void ScrollStep();
    void RequestMenuForCurrent();

    QTreeWidgetItem* pressItem_ = nullptr;  // program under a left press, until a drag starts
    QPoint pressPos_;
    QTreeWidgetItem* dragItem_ = nullptr;
    QPersistentModelIndex dropTarget_;
    QLabel* dragImage_ = nullptr;    // the row's picture following the pointer
    QTimer* scrollTimer_ = nullptr;  // scrolls while the pointer rests at the top or bottom edge
    QPoint lastPos_;                 // of the pointer in the drag, viewport and global
    QPoint lastGlobalPos_;
};
