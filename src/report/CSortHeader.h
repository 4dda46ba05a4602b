// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHeaderView>
#include <map>

// The list's headings with a small sort arrow on every column that has one; Qt's own
// indicator can show only one. Reports left clicks with the Ctrl state of that click.
class CSortHeader : public QHeaderView {
    Q_OBJECT
  public:
    enum class Arrow { None, Up, Down };

    explicit CSortHeader(QWidget* parent = nullptr);

    void SetArrow(int column, Arrow arrow);
    void ClearArrows();
    Arrow ArrowOf(int column) const;

  signals:
    void HeadingClicked(int column, bool ctrl);

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::map<int, Arrow> arrows_;
    Qt::KeyboardModifiers releaseModifiers_;
};
