#include "shell/ShellMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

#include "core/Message.h"

namespace {

QuestionHandler& Question() {
    static QuestionHandler handler;
    return handler;
}

// Over whatever modal dialog is open, else over the active window.
QWidget* BoxParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

}  // namespace

bool AskOkCancel(const QString& text) {
    const QuestionHandler handler = Question();
    if (handler) {
        return handler(text);
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Hourglint"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, BoxParent());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

QuestionHandler SetQuestionHandler(QuestionHandler handler) {
    return std::exchange(Question(), std::move(handler));
}

void ShowMessageBox(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Hourglint"), text, QMessageBox::Ok,
                    BoxParent());
    box.exec();
}

void InstallMessageBoxHandler() {
    SetMessageHandler(
        [](const std::string& text) { ShowMessageBox(QString::fromStdString(text)); });
}
