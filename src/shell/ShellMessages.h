#pragma once

#include <QString>
#include <functional>

// The exit question goes through a replaceable function, like ShowMessage, so tests can
// answer it without a modal box.
using QuestionHandler = std::function<bool(const QString& text)>;

// Asks text with OK and Cancel; true for OK.
bool AskOkCancel(const QString& text);
// Installs handler (an empty one restores the message box) and returns the previous one.
QuestionHandler SetQuestionHandler(QuestionHandler handler);

// Shows text in a warning box captioned "Hourglint" with an OK button.
void ShowMessageBox(const QString& text);
// Routes ShowMessage to ShowMessageBox.
void InstallMessageBoxHandler();
