// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CReportSaveDialog.h"

#include <utility>

#include "core/Message.h"
#include "report/CHtmlReportExport.h"

CReportSaveDialog::CReportSaveDialog(std::string databasePath, QWidget* parent)
    : QFileDialog(parent), databasePath_(std::move(databasePath)) {
    // A native dialog closes itself before the name can be checked.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters(
        {QStringLiteral("Hourglint Report Files (*.htm)"), QStringLiteral("All Files (*)")});
    setDefaultSuffix(QStringLiteral("htm"));
    selectFile(QStringLiteral("report.htm"));
}

void CReportSaveDialog::done(int result) {
    if (result == QDialog::Accepted && !selectedFiles().isEmpty()) {
        if (const auto refusal =
                CHtmlReportExport::Check(selectedFiles().constFirst(), databasePath_)) {
            ShowMessage("Cannot write the report file " + refusal->path.toStdString() + ":\n" +
                        refusal->target.reason);
            return;
        }
    }
    QFileDialog::done(result);
}
