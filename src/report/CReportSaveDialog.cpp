// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CReportSaveDialog.h"

#include <QCoreApplication>
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
        {QCoreApplication::translate("CReportSaveDialog", "Hourglint Report Files (*.htm)"),
         QCoreApplication::translate("CReportSaveDialog", "All Files (*)")});
    setDefaultSuffix(QStringLiteral("htm"));
    selectFile(QStringLiteral("report.htm"));
}

void CReportSaveDialog::done(int result) {
    if (result == QDialog::Accepted && !selectedFiles().isEmpty()) {
        if (const auto refusal =
                CHtmlReportExport::Check(selectedFiles().constFirst(), databasePath_)) {
            ShowMessage(QCoreApplication::translate("CReportSaveDialog",
                                                    "Cannot write the report file %1:\n%2")
                            .arg(refusal->path, QString::fromStdString(refusal->target.reason))
                            .toStdString());
            return;
        }
    }
    QFileDialog::done(result);
}
