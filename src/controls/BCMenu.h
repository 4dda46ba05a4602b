// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <QPixmap>
#include <optional>
#include <span>

class BCMenuStyle;

// A menu whose items are drawn by the program with a small picture beside the text, in a
// flat look (tinted picture column, framed tinted highlight) or a classic look (raised or
// sunken picture squares, the system highlight). Pictures are also set as the actions'
// icons, so a desktop that draws the tray menu itself (over D-Bus) shows them too.
class BCMenu : public QMenu {
    Q_OBJECT
  public:
    enum class Look { Flat, Classic };
    static constexpr int kPictureWidth = 16;
    static constexpr int kPictureHeight = 15;

    explicit BCMenu(QWidget* parent = nullptr);
    ~BCMenu() override;

    // The look for a display of colourDepth bits under the named widget style: the classic
    // look on 256 colours or fewer or under the classic "Windows" style, the flat look on
    // every other desktop of today.
    static Look ChooseLook(int colourDepth, const QString& styleName);
    // The look this menu draws in now: forced, or chosen for the primary screen and the
    // application's style.
    Look CurrentLook() const;
    void ForceLook(std::optional<Look> look);

    // Adds an item whose command id is remembered for the toolbar pictures.
    QAction* AppendItem(const QString& text, int commandId);
    static int CommandId(const QAction* action);
    // Cuts the 16 x 15 pictures of toolbar ":/toolbars/<id>.png" (RGB(192, 192, 192) is
    // transparent), one per command in order, and gives each item of this menu and its
    // submenus the picture of its command. False when the toolbar cannot be loaded.
    bool LoadToolbar(int toolbarId, std::span<const int> commands);
    // Replaces the text of the item at position (separators count).
    bool SetItemText(int position, const QString& text);

  private:
    BCMenuStyle* style_;
    std::optional<Look> forced_;
};
