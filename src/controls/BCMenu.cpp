// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/BCMenu.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QStyle>
#include <functional>

#include "controls/BCMenuStyle.h"
#include "controls/ControlResources.h"

namespace {

constexpr QRgb kTransparentKey = qRgb(192, 192, 192);

// Cell index of a strip drawn at scale times the pictures' size.
QPixmap CutPicture(const QImage& strip, int index, int scale = 1) {
    const int w = BCMenu::kPictureWidth * scale, h = BCMenu::kPictureHeight * scale;
    QImage cell = strip.copy(index * w, 0, w, h).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < cell.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < cell.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (kTransparentKey & 0xFFFFFF)) {
                line[x] = 0;
            }
        }
    }
    QPixmap picture = QPixmap::fromImage(cell);
    picture.setDevicePixelRatio(scale);
    return picture;
}

void ForEachAction(QMenu& menu, const std::function<void(QAction*)>& visit) {
    for (QAction* action : menu.actions()) {
        visit(action);
        if (QMenu* sub = action->menu()) {
            ForEachAction(*sub, visit);
        }
    }
}

}  // namespace

BCMenu::BCMenu(QWidget* parent) : QMenu(parent), style_(new BCMenuStyle) {
    ControlResources::Init();
    style_->setParent(this);
    setStyle(style_);
}

BCMenu::~BCMenu() {
    // The menu must not paint with a style on its way out.
    setStyle(nullptr);
}

BCMenu::Look BCMenu::ChooseLook(int colourDepth, const QString& styleName) {
    if (colourDepth > 0 && colourDepth <= 8) {
        return Look::Classic;
    }
    return styleName.compare(QStringLiteral("windows"), Qt::CaseInsensitive) == 0 ? Look::Classic
                                                                                  : Look::Flat;
}

BCMenu::Look BCMenu::CurrentLook() const {
    if (forced_) {
        return *forced_;
    }
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QApplication::primaryScreen();
    return ChooseLook(screen != nullptr ? screen->depth() : 24, QApplication::style()->name());
}

void BCMenu::ForceLook(std::optional<Look> look) {
    forced_ = look;
    update();
}

QAction* BCMenu::AppendItem(const QString& text, int commandId) {
    QAction* action = addAction(text);
    action->setData(commandId);
    return action;
}

int BCMenu::CommandId(const QAction* action) {
    bool ok = false;
    const int id = action->data().toInt(&ok);
    return ok ? id : 0;
}

bool BCMenu::LoadToolbar(int toolbarId, std::span<const int> commands) {
    const QImage strip(ControlResources::ToolbarPath(toolbarId));
    if (strip.isNull()) {
        return false;
    }
    const int cells = strip.width() / kPictureWidth;
    // The same pictures at twice the size, for fine screens, where the strip has them.
    QString finePath = ControlResources::ToolbarPath(toolbarId);
    const QImage fine(finePath.replace(QLatin1String(".png"), QLatin1String("@2x.png")));
    const bool hasFine = fine.size() == strip.size() * 2;
    ForEachAction(*this, [&](QAction* action) {
        const int id = CommandId(action);
        for (int i = 0; i < static_cast<int>(commands.size()) && i < cells; ++i) {
            if (id != 0 && commands[i] == id) {
                QIcon icon(CutPicture(strip, i));
                if (hasFine) {
                    icon.addPixmap(CutPicture(fine, i, 2));
                }
                action->setIcon(icon);
            }
        }
    });
    return true;
}

bool BCMenu::SetItemText(int position, const QString& text) {
    const QList<QAction*> items = actions();
    if (position < 0 || position >= items.size()) {
        return false;
    }
    items[position]->setText(text);
    return true;
}
