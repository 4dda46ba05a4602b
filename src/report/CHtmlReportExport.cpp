// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CHtmlReportExport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include "controls/DateFormats.h"
#include "core/Translate.h"
#include "core/VendorLinks.h"
#include "report/HtmlReportText.h"

namespace {

QString ImagePathOf(const QString& htmlPath) {
    return QFile::decodeName(ChartImagePath(QFile::encodeName(htmlPath).toStdString()).c_str());
}

}  // namespace

std::optional<CHtmlReportExport::Refusal> CHtmlReportExport::Check(
    const QString& htmlPath, const std::string& databasePath) {
    const QString imagePath = ImagePathOf(htmlPath);
    for (const QString& path : {imagePath, htmlPath}) {
        const OutputTarget target =
            CheckOutputTarget(QFile::encodeName(path).toStdString(), databasePath);
        if (target.kind == OutputTarget::Kind::Stream) {
            return Refusal{
                path,
                {OutputTarget::Kind::NotAFile,
                 Translate("OutputFile",
                           QT_TRANSLATE_NOOP("OutputFile", "it is not a regular file"))}};
        }
        if (target.kind != OutputTarget::Kind::New && target.kind != OutputTarget::Kind::Regular) {
            return Refusal{path, target};
        }
    }
    // "report.jpg" would be its own chart; a link may make two names one file.
    if (QFileInfo(htmlPath).absoluteFilePath() == QFileInfo(imagePath).absoluteFilePath() ||
        (QFileInfo::exists(imagePath) &&
         QFileInfo(htmlPath).canonicalFilePath() == QFileInfo(imagePath).canonicalFilePath())) {
        return Refusal{htmlPath,
                       {OutputTarget::Kind::NotAFile,
                        QCoreApplication::translate("CHtmlReportExport",
                                                    "the chart image would replace the page")
                            .toStdString()}};
    }
    return std::nullopt;
}

std::string CHtmlReportExport::DateText(int64_t t) {
    return PageDateText(QLocale(), QDateTime::fromSecsSinceEpoch(t).date()).toStdString();
}

CHtmlReportExport::Result CHtmlReportExport::Save(const QString& htmlPath, const Input& input) {
    return WritePage(htmlPath, input.databasePath, input.chart, -1, [&](const ChartFile& chart) {
        HtmlReportContent content;
        content.mode = input.mode;
        content.savedDate = DateText(input.savedAt);
        content.reportDay = DateText(input.reportDay);
        content.imageName = chart.name;
        content.imageWidth = chart.width;
        content.imageHeight = chart.height;
        content.totals = input.totals;
        content.rows = input.rows;
        content.homepage = VendorLinks::kHomepage;
        return HtmlReportText(content);
    });
}

CHtmlReportExport::Result CHtmlReportExport::WritePage(
    const QString& htmlPath, const std::string& databasePath, const QImage& chart, int quality,
    const std::function<std::string(const ChartFile&)>& page) {
    Result result;
    result.imagePath = ImagePathOf(htmlPath);
    result.refusal = Check(htmlPath, databasePath);
    if (result.refusal) {
        result.error = QString::fromStdString(result.refusal->target.reason);
        return result;
    }

    QByteArray image;
    QBuffer buffer(&image);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(quality);
    if (chart.isNull() || !writer.write(chart)) {
        result.error =
            QCoreApplication::translate("CHtmlReportExport", "the chart image cannot be made");
        return result;
    }

    // Both written aside and renamed over the old files: a failed save leaves them as they
    // were, and never a page without its chart.
    const std::string text =
        page({QFileInfo(result.imagePath).fileName().toStdString(), chart.width(), chart.height()});
    std::string error;
    result.written =
        ReplaceFiles({{QFile::encodeName(result.imagePath).toStdString(), image.toStdString()},
                      {QFile::encodeName(htmlPath).toStdString(), text}},
                     error);
    result.error = QString::fromStdString(error);
    return result;
}
