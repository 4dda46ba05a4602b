// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QImage>

#include "ReportTestSupport.h"
#include "report/CHtmlReportExport.h"
#include "report/HtmlReportText.h"

namespace {

std::string ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing " + path.toStdString() + ">";
    return file.readAll().toStdString();
}

}  // namespace

TEST(HtmlExport, TheImageTakesTheReportsNameWithItsExtensionReplaced) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/tmp/report.htm", "/tmp/report.jpg"}, {"/tmp/report.html", "/tmp/report.jpg"},
        {"/tmp/report", "/tmp/report.jpg"},     {"/tmp/my.dir/report", "/tmp/my.dir/report.jpg"},
        {"/tmp/.report", "/tmp/.report.jpg"},   {"a.b.htm", "a.b.jpg"}};
    for (const auto& [report, image] : cases) {
        EXPECT_EQ(ChartImagePath(report), image) << report;
    }
}

TEST(HtmlExport, TheImageReferenceIsAUrlWhateverTheFileIsCalled) {
    const std::pair<std::string, std::string> cases[] = {
        {"a#b c%.jpg", "a%23b%20c%25.jpg"},
        {"rep?1&x\"<.jpg", "rep%3F1%26x%22%3C.jpg"},
        {"\xc3\xa9t\xc3\xa9_~-1.jpg", "%C3%A9t%C3%A9_~-1.jpg"}};
    for (const auto& [name, url] : cases) {
        HtmlReportContent content;
        content.imageName = name;
        EXPECT_NE(HtmlReportText(content).find("<img src=\"" + url + "\""), std::string::npos)
            << name;
    }
}

// Set HOURGLINT_WRITE_GOLDEN=1 to rewrite the golden files after a deliberate change.
TEST_F(ReportTest, TheSavedFileMatchesItsGoldenCopyByteForByte) {
    EnsureTestApplication();
    struct Case {
        const char* golden;
        CHtmlReportExport::Input input;
    };
    QImage chart(600, 300, QImage::Format_RGB32);
    chart.fill(Qt::white);
    CHtmlReportExport::Input empty;
    empty.reportDay = LocalInstant(2026, 12, 6, 18);
    empty.savedAt = LocalInstant(2026, 12, 8, 9);
    empty.chart = chart;
    CHtmlReportExport::Input names = empty;
    names.mode = ReportMode::Group;
    names.totals = {4000, 100, 571, 133, 10};
    names.rows = {{"<script>alert(1)</script>", "3600", "0", "514", "120", "9"},
                  {"Tom & Jerry \"café\"", "400", "100", "57", "13", "1"},
                  {"été.bin", "0", "0", "0", "0", "0"}};
    const std::vector<Case> cases = {{"empty.htm", empty}, {"names.htm", names}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        const QString path = QString::fromStdString((folder_ / "report.htm").string());
        const auto result = CHtmlReportExport::Save(path, c.input);
        EXPECT_TRUE(result.written) << result.error.toStdString();
        EXPECT_EQ(QImage(result.imagePath).size(), QSize(600, 300));
        const QString golden = QStringLiteral(HOURGLINT_REPORT_TEST_DATA "/") + c.golden;
        if (std::getenv("HOURGLINT_WRITE_GOLDEN") != nullptr) {
            QFile::remove(golden);
            QFile::copy(path, golden);
        }
        EXPECT_EQ(ReadFile(path), ReadFile(golden));
    }
}

TEST_F(ReportTest, AFileThatCannotBeWrittenSaysWhy) {
    CHtmlReportExport::Input input;
    const auto result = CHtmlReportExport::Save(
        QString::fromStdString((folder_ / "no-such-folder" / "report.htm").string()), input);
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(result.error.isEmpty());
}
