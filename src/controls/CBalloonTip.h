// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QWidget>

class QLabel;

// The image button's tip window: plain like a tool tip, or a balloon with a stem pointing
// at the cursor. Its text wraps at 400 pixels.
class CBalloonTip : public QWidget {
  public:
    static constexpr int kMaxWidth = 400;

    explicit CBalloonTip(QWidget* owner);

    void SetBalloon(bool balloon);
    bool IsBalloon() const { return balloon_; }
    void SetText(const QString& text);
    QString Text() const;
    // Shows the tip below globalPoint, kept on that point's screen.
    void ShowAt(const QPoint& globalPoint);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QPainterPath Outline() const;
    void UpdateMargins();
    void ApplyMask();

    QLabel* label_;
    bool balloon_ = false;
    int stemX_ = 16;
};
