#include "report/CHtmlReportExport.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include "report/HtmlReportText.h"
#include "shell/VendorLinks.h"

CHtmlReportExport::Result CHtmlReportExport::Save(const QString& htmlPath, const Input& input) {
    Result result;
    result.imagePath = QString::fromStdString(ChartImagePath(htmlPath.toStdString()));

    QImageWriter writer(result.imagePath, "jpg");
    result.imageWritten = !input.chart.isNull() && writer.write(input.chart);

    HtmlReportContent content;
    content.mode = input.mode;
    content.savedDate = ReportDateText(input.savedAt);
    content.reportDay = ReportDateText(input.reportDay);
    content.imageName = QFileInfo(result.imagePath).fileName().toStdString();
    content.imageWidth = input.chart.width();
    content.imageHeight = input.chart.height();
    content.totals = input.totals;
    content.rows = input.rows;
    content.homepage = VendorLinks::kHomepage;
    const std::string text = HtmlReportText(content);

    // Written aside and renamed over the old file: a failed save never leaves half a report.
    QSaveFile file(htmlPath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.htmlWritten = true;
    return result;
}
