// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHeaderView>
#include <map>

// The list's headings with a small sort arrow on every column that has one; Qt's own
// indicator can show only one. Reports left clicks with the Ctrl state of that click. Tab
// reaches it: Left and Right (Home, End) pick a heading, framed, and Space or Return sort by
// it as a click does, with Ctrl as a Ctrl+click does.
class CSortHeader : public QHeaderView {
    Q_OBJECT
  public:
    enum class Arrow { None, Up, Down };

    explicit CSortHeader(QWidget* parent = nullptr);

    void SetArrow(int column, Arrow arrow);
    void ClearArrows();
    Arrow ArrowOf(int column) const;
    // The width column's heading needs to show its text and an arrow beside it.
    int FittingWidth(int column) const;
    // The heading the keys act on.
    int FocusedColumn() const { return focusedColumn_; }

  signals:
    void HeadingClicked(int column, bool ctrl);

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    std::map<int, Arrow> arrows_;
    Qt::KeyboardModifiers releaseModifiers_;
    int focusedColumn_ = 0;
};
