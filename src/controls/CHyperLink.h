// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>

// A label that behaves like a link in a web page: coloured and underlined text, a hand
// cursor, its target as tool tip, another colour while the mouse is over it and after it
// was followed. A click, or Return, Enter or Space while it has the keyboard focus, opens the
// target with the desktop's opener (OpenDocument); a frame round the text shows the focus. A
// colour that gives less than 4.5:1 on the window is replaced by the palette's Link,
// LinkVisited or Highlight, made readable; a new palette recolours it.
class CHyperLink : public QLabel {
    Q_OBJECT
  public:
    // text is shown and, while no target is set, is the target too.
    explicit CHyperLink(const QString& text = QString(), QWidget* parent = nullptr);

    // Shown as the text too when the label has none.
    void SetTarget(const QString& target);
    QString Target() const { return target_; }
    void SetUnderline(bool underline);
    bool IsUnderlined() const { return font().underline(); }
    void SetVisited(bool visited);
    bool IsVisited() const { return visited_; }
    bool IsHovering() const { return hovering_; }
    void SetAdjustToFit(bool adjust);
    void SetColours(const QColor& link, const QColor& visited, const QColor& hover);
    // The colour the text is drawn in now.
    QColor TextColour() const;

    // Starts opening the target: visited once the opener runs; on failure, now or when the
    // opener exits, beeps, shows the reason and is not visited. False when it failed at once.
    bool Follow();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void UpdateColour();
    void FitToText();

    QColor link_{0, 0, 238};
    QColor visitedColour_{85, 26, 139};
    QColor hover_;  // invalid: the palette's highlight
    bool hovering_ = false;
    bool recolouring_ = false;
    bool visited_ = false;
    bool adjustToFit_ = true;
    QString target_;
};
