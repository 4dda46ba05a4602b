// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportWindow.h"

#include <QLabel>
#include <QMessageBox>
#include <QStyle>

#include "controls/OpenDocument.h"
#include "core/Message.h"
#include "groups/GroupIcons.h"
#include "report/CReportSaveDialog.h"

Qt::WindowFlags OwnedWindowFlags(const QWidget* owner) {
    return owner != nullptr && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint)
               ? Qt::Window | Qt::WindowStaysOnTopHint
               : Qt::Window;
}

void ShowNoteLine(QLabel& line, const QString& text) {
    line.setText(text);
    line.setToolTip(text.isEmpty() ? QString()
                                   : QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()));
    line.setVisible(!text.isEmpty());
}

void ShowListBusy(QWidget& list, QWidget& save, bool busy) {
    save.setEnabled(!busy);
    if (busy) {
        list.setCursor(Qt::WaitCursor);
    } else {
        list.unsetCursor();
    }
}

QIcon RowIcon(const RowIconSource& icons, ReportMode mode, const std::string& path,
              const QIcon& fallback) {
    if (mode == ReportMode::Process && icons && !path.empty()) {
        if (const std::optional<IconImage> icon = icons(path)) {
            const QIcon own = IconFromImage(*icon);
            if (!own.isNull()) {
                return own;
            }
        }
    }
    return fallback;
}

QIcon RowFallbackIcon(ReportMode mode, const QWidget& window) {
    return mode == ReportMode::Group ? GroupIcon()
                                     : window.style()->standardIcon(QStyle::SP_FileIcon);
}

void SaveWindowPage(
    QWidget* window, const std::string& databasePath,
    const std::function<CHtmlReportExport::Result(const QString& path)>& saveTo,
    const std::function<QString(const QString& file, const QString& reason)>& failureText,
    const QString& question) {
    CReportSaveDialog dialog(databasePath, window);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    const CHtmlReportExport::Result result = saveTo(path);
    if (!result.written) {
        // Saving is the user's own request: a file that did not appear must be said.
        const QString failed = result.refusal ? result.refusal->path : path;
        ShowMessage(failureText(failed, result.error).toStdString());
        return;
    }
    const auto answer = QMessageBox::question(window, QStringLiteral("Hourglint"), question,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) {
        return;
    }
    if (const int code = OpenDocument(path, window, {}, ReportHyperlinkError); code <= 32) {
        ReportHyperlinkError(code);
    }
}
