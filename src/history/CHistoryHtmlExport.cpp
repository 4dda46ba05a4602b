// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/CHistoryHtmlExport.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include "core/CivilDay.h"
#include "core/VendorLinks.h"
#include "history/HistoryHtml.h"
#include "report/HtmlReportText.h"
#include "report/OutputFile.h"

CHtmlReportExport::Result CHistoryHtmlExport::Save(const QString& htmlPath, const Input& input) {
    CHtmlReportExport::Result result;
    result.imagePath =
        QFile::decodeName(ChartImagePath(QFile::encodeName(htmlPath).toStdString()).c_str());
    result.refusal = CHtmlReportExport::Check(htmlPath, input.databasePath);
    if (result.refusal) {
        result.error = QString::fromStdString(result.refusal->target.reason);
        return result;
    }

    QByteArray image;
    QBuffer buffer(&image);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    // Small texts and thin bars stay sharp.
    writer.setQuality(92);
    if (input.chart.isNull() || !writer.write(input.chart)) {
        result.error = QStringLiteral("the chart image cannot be made");
        return result;
    }

    HistoryPageContent content;
    content.mode = input.mode;
    content.savedDate = ReportDateText(input.savedAt);
    content.fromDay = ReportDateText(LocalNoonOf(input.firstDay));
    content.toDay = ReportDateText(LocalNoonOf(input.lastDay));
    content.view = input.view;
    content.computers = input.computers;
    content.note = input.note;
    content.imageName = QFileInfo(result.imagePath).fileName().toStdString();
    content.imageWidth = input.chart.width();
    content.imageHeight = input.chart.height();
    content.rows = input.rows;
    content.totals = input.totals;
    content.homepage = VendorLinks::kHomepage;

    std::string error;
    result.written =
        ReplaceFiles({{QFile::encodeName(result.imagePath).toStdString(), image.toStdString()},
                      {QFile::encodeName(htmlPath).toStdString(), HistoryHtmlText(content)}},
                     error);
    result.error = QString::fromStdString(error);
    return result;
}
