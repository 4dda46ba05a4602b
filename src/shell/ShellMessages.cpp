// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ShellMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "platform/x11/X11InputFocus.h"

namespace {

QuestionHandler& Question() {
    static QuestionHandler handler;
    return handler;
}

QPointer<QWidget>& Owner() {
    static QPointer<QWidget> owner;
    return owner;
}

// Whether one of our windows has the keyboard right now. On X11 the server is asked: Qt's
// active window is only updated when the event loop reads the focus change, and a flush that
// waits on a busy database keeps it from reading, so a terminal opened a moment before the
// box would still count as ours and lose the focus to it.
bool OurWindowIsActive() {
    if (const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        const uint32_t focus = X11InputFocusNow(x11->connection());
        return focus != 0 && QWidget::find(focus) != nullptr;
    }
    return QApplication::activeWindow() != nullptr;
}

// A message box sets its own window flags when first shown: on top only after that.
// File and program names in a text are shown as they are, never as markup.
void ShowBox(QMessageBox* box) {
    box->setTextFormat(Qt::PlainText);
    box->show();
    BringAboveOwner(box);
    box->show();
}

}  // namespace

void SetBoxOwner(QWidget* owner) {
    Owner() = owner;
}

QWidget* BoxParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    // The window the user works in: a failure of the report opens over the report, and
    // does not bring the main window up in front of it.
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    // With another program in front there is no active window; a box without a parent
    // would open under the always-on-top main window.
    return Owner();
}

void BringAboveOwner(QWidget* window) {
    // A transient of an always-on-top window must be on top too, or the window manager may
    // stack it below its owner.
    if (const QWidget* parent = window->parentWidget();
        parent != nullptr && parent->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
}

bool AskOkCancel(const QString& text) {
    const QuestionHandler handler = Question();
    if (handler) {
        return handler(text);
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Hourglint"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, BoxParent());
    box.setDefaultButton(QMessageBox::Ok);
    ShowBox(&box);
    return box.exec() == QMessageBox::Ok;
}

QuestionHandler SetQuestionHandler(QuestionHandler handler) {
    return std::exchange(Question(), std::move(handler));
}

namespace {

// Shown, but not yet placed by the window manager: its position is not known.
bool AwaitingPlacement(const QWidget* owner) {
    return owner != nullptr && owner->isVisible() && !owner->isMinimized() &&
           owner->windowHandle() != nullptr && !owner->windowHandle()->isExposed();
}

// Runs show once owner is on screen, so a box raised at start-up opens over the main window
// rather than at the screen's corner; waits kPlacementTries polls at most, never blocking.
constexpr int kPlacementTries = 40;
constexpr int kPlacementPollMs = 50;
void WhenPlaced(const QPointer<QWidget>& owner, std::function<void()> show,
                int tries = kPlacementTries) {
    if (tries <= 0 || !AwaitingPlacement(owner)) {
        show();
        return;
    }
    QTimer::singleShot(kPlacementPollMs, [owner, show = std::move(show), tries]() mutable {
        WhenPlaced(owner, std::move(show), tries - 1);
    });
}

void OpenBoxNow(const QString& text, MessageClosed closed) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Hourglint"), text,
                                QMessageBox::Ok, BoxParent());
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (closed) {
        // Destroyed rather than finished: the box also goes when its owner closes first.
        QObject::connect(box, &QObject::destroyed, [closed = std::move(closed)] { closed(); });
    }
    // With another program in front the box shows on top without taking the keyboard, so
    // the user's typing and the measured seconds stay with that program.
    // A modal window is always given the focus, so the box is modal only for a user who is
    // working in one of our windows.
    const bool ours = OurWindowIsActive();
    box->setWindowModality(ours ? Qt::ApplicationModal : Qt::NonModal);
    box->setAttribute(Qt::WA_ShowWithoutActivating, !ours);
    ShowBox(box);
    box->raise();
    if (ours) {
        box->activateWindow();
    }
}

}  // namespace

void OpenMessageBox(const QString& text, MessageClosed closed) {
    WhenPlaced(BoxParent(), [text, closed = std::move(closed)]() mutable {
        OpenBoxNow(text, std::move(closed));
    });
}

void InstallMessageBoxHandler() {
    SetMessageHandler([](const std::string& text, MessageClosed closed) {
        OpenMessageBox(QString::fromStdString(text), std::move(closed));
    });
    // Offers come while the clock runs: a box with Yes and No, no nested event loop.
    SetOfferHandler([](const std::string& text, OfferAnswered answered) {
        auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Hourglint"),
                                    QString::fromStdString(text),
                                    QMessageBox::Yes | QMessageBox::No, BoxParent());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        // Like a failure box: the keyboard stays with another program in front.
        box->setAttribute(Qt::WA_ShowWithoutActivating, !OurWindowIsActive());
        QObject::connect(box, &QMessageBox::finished, [box, answered = std::move(answered)] {
            if (answered) {
                answered(box->clickedButton() == box->button(QMessageBox::Yes));
            }
        });
        ShowBox(box);
        box->raise();
    });
}
