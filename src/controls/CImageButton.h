// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QPushButton>
#include <array>

class CBalloonTip;
class QSoundEffect;

// A flat push button with an icon above its caption that behaves like a toolbar button:
// raised, lighter and with a dark red caption, a hand cursor and a click of sound while the
// mouse is over it; sunken while pressed; a frame inside while it has the keyboard focus,
// when Return and Space press it. Set-up operations return 0 or an error code and never
// throw. The set-up's colours are kept as asked for and laid on each new palette, and a
// caption is drawn readable (4.5:1) on its face.
class CImageButton : public QPushButton {
    Q_OBJECT
  public:
    // Colour slots.
    enum Slot {
        kFaceHot = 0,  // face when hovered or pressed
        kTextHot,      // caption when hovered or pressed
        kFaceNormal,
        kTextNormal,
        kFaceFocused,
        kTextFocused,
        kSlotCount
    };
    // Image placements; the dialog bars use kImageAbove.
    enum Placement { kImageLeft = 0, kImageAbove, kImageRight, kImageBelow };
    // Results.
    static constexpr int kOk = 0;
    static constexpr int kLoadFailed = 1;
    static constexpr int kBadSlot = 3;
    static constexpr int kBadPlacement = 4;
    static constexpr int kBadAmount = 5;

    explicit CImageButton(const QString& text = QString(), QWidget* parent = nullptr);
    ~CImageButton() override;

    // Icon resource id (":/icons/<id>.png"); kLoadFailed, with the icon dropped, when missing.
    int SetIconResource(int id);
    // Adds amount (-255..255) to the slot's red, green and blue alike, limited so that no
    // channel leaves 0..255.
    int ShiftColour(int slot, int amount, bool repaint = true);
    int SetColour(int slot, const QColor& colour, bool repaint = true);
    // A .wav in the resources (":/...") or a file; empty clears. Always played without
    // waiting: the one-second timer must never stall on a sound.
    void SetHoverSound(const QString& sound);
    int SetImagePlacement(int placement, bool repaint = true);
    void UseBalloonTips();
    void SetTipText(const QString& text, bool activate = true);
    // Cursor resource id: ControlResources::kHandCursor is the desktop's pointing hand,
    // others ":/cursors/<id>.png"; 0 clears. kLoadFailed when it cannot be loaded.
    int SetHoverCursor(int id, bool repaint = true);

    // The standard set-up of a dialog bar's button: icon, face lightened by 30 when hot,
    // dark red hot caption, hover sound 148, image above, balloon tip, hand cursor.
    // Returns the first error, or kOk.
    int SetUpForDialogBar(int iconId, const QString& tip);

    bool IsHovered() const { return hovered_; }
    QColor Colour(int slot) const;
    int ImagePlacement() const { return placement_; }
    QSize IconSize() const { return iconSize_; }
    QString TipText() const;
    bool TipActive() const { return tipActive_; }
    // The tip window once created.
    CBalloonTip* Tip() const { return tip_; }
    QSize sizeHint() const override;

  signals:
    // The highlight came on (once per entry) or went off.
    void HoverChanged(bool hovered);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void SetHovered(bool hovered);
    // The palette's face and caption colours with the set-up's colours and shifts on them.
    void ResetColours();
    static QColor Shifted(const QColor& colour, int amount);
    void EnsureTip();
    QFont CaptionFont() const;

    QIcon icon_;
    QSize iconSize_;
    std::array<QColor, kSlotCount> colours_;
    std::array<QColor, kSlotCount> chosen_;  // set by SetColour; invalid: the palette's
    std::array<int, kSlotCount> shifts_{};   // ShiftColour's amounts since
    bool hovered_ = false;
    int placement_ = kImageLeft;
    QPoint margin_{3, 3};
    QPoint pressedOffset_{1, 1};
    QSoundEffect* sound_ = nullptr;  // shared, owned by the application
    bool hasCursor_ = false;
    CBalloonTip* tip_ = nullptr;
    bool balloon_ = false;
    bool tipActive_ = false;
};
