// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "core/Message.h"

class QWidget;

// The exit question goes through a replaceable function, like ShowMessage, so tests can
// answer it without a modal box.
using QuestionHandler = std::function<bool(const QString& text)>;

// Asks text with OK and Cancel; true for OK. Never call it from a timer's slot: it waits.
bool AskOkCancel(const QString& text);
// Installs handler (an empty one restores the message box) and returns the previous one.
QuestionHandler SetQuestionHandler(QuestionHandler handler);

// The window that owns boxes when no dialog is open: the main window.
void SetBoxOwner(QWidget* owner);
// Over the open modal dialog, else over the owner, else over the active window.
QWidget* BoxParent();
// Makes a box or dialog of the program show above the always-on-top main window and come to
// the front, even while another program is in front.
void BringAboveOwner(QWidget* window);

// Opens a warning box captioned "Hourglint" with an OK button and returns at once; a box
// for a window the window manager has not placed yet opens once it has. closed
// runs when the user has dismissed it. Modal for the user, but no nested event loop, so
// the timer that raised it keeps firing.
void OpenMessageBox(const QString& text, MessageClosed closed = {});
// Routes ShowMessage to OpenMessageBox, and Offer to a Yes/No box.
void InstallMessageBoxHandler();
