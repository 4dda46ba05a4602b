// SPDX-License-Identifier: GPL-3.0-or-later
// The real windows under each language: every text they show is that language's entry in
// its .ts file (the built .qm gives the windows their texts), and none is wider than its
// widget.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>
#include <memory>
#include <vector>

#include "MainFrameFixture.h"
#include "controls/CDigitLabel.h"
#include "controls/CHyperLink.h"
#include "controls/CImageButton.h"
#include "core/Translate.h"
#include "groups/CGroupDlg.h"
#include "history/CHistoryFrame.h"
#include "livegraph/CLiveFrame.h"
#include "report/CReportFrame.h"
#include "shell/CAboutDlg.h"
#include "shell/CConfigDlg.h"
#include "shell/CMainDialogBar.h"

namespace {

// A finished entry of a .ts file (each plural form apart) as a pattern for the whole text:
// %1... stand for any text, %n for a number. English: the sources.
std::vector<QRegularExpression> ShownTexts(const QString& language) {
    QFile file(QStringLiteral(HOURGLINT_TS_DIR "/hourglint_%1.ts")
                   .arg(language == u"en" ? QStringLiteral("de") : language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    std::vector<QString> texts;
    QString source;
    bool finished = false;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == u"message") {
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
            if (language == u"en") texts.push_back(source);
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            finished = type.isEmpty();
            if (finished && !numerus && language != u"en") {
                const QString text = xml.readElementText();
                if (!text.isEmpty()) texts.push_back(text);
            }
        } else if (xml.name() == u"numerusform" && finished && language != u"en") {
            texts.push_back(xml.readElementText());
        }
    }
    static const QRegularExpression kPlaceholder(QStringLiteral("%(?:[1-9][0-9]?|n)"));
    std::vector<QRegularExpression> patterns;
    for (const QString& text : texts) {
        QString pattern;
        qsizetype at = 0;
        for (auto it = kPlaceholder.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            pattern += QRegularExpression::escape(text.mid(at, match.capturedStart() - at));
            pattern += match.captured() == u"%n" ? QStringLiteral("\\d+") : QStringLiteral(".+");
            at = match.capturedEnd();
        }
        pattern += QRegularExpression::escape(text.mid(at));
        patterns.emplace_back(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
    }
    return patterns;
}

// As drawn: "&&" stays one "&", a single "&" marks the next letter.
QString Shown(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    return text.replace(u'\x01', u'&');
}

// The widest line, or where the text wraps the widest word.
int Widest(const QFontMetrics& metrics, const QString& text, bool wraps = false) {
    int widest = 0;
    static const QRegularExpression kWords(QStringLiteral("\\s+"));
    for (const QString& part : Shown(text).split(wraps ? kWords : QRegularExpression("\n"))) {
        widest = std::max(widest, metrics.horizontalAdvance(part));
    }
    return widest;
}

class L10nTest : public MainFrameFixture, public testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        MainFrameFixture::SetUp();
        language_ = QString::fromLatin1(GetParam());
        if (language_ != u"en") {
            ASSERT_TRUE(program_.load(QStringLiteral(HOURGLINT_QM_DIR "/hourglint_") + language_))
                << "build the hourglint_lrelease target";
            (void)qt_.load(QStringLiteral("qtbase_") + language_,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            QCoreApplication::installTranslator(&program_);
            QCoreApplication::installTranslator(&qt_);
        }
        QLocale::setDefault(QLocale(language_ == u"en" ? QStringLiteral("en_US") : language_));
        previous_ = SetTextTranslator([](const char* context, const char* source, int n) {
            const QString text = QCoreApplication::translate(context, source, nullptr, n);
            return text == QString::fromUtf8(source) ? std::string() : text.toStdString();
        });
    }

    void TearDown() override {
        windows_.clear();
        MainFrameFixture::TearDown();
        SetTextTranslator(previous_);
        QCoreApplication::removeTranslator(&program_);
        QCoreApplication::removeTranslator(&qt_);
        QLocale::setDefault(QLocale::c());
    }

    // What is wrong with one text shown by what: not this language's, or cut.
    void Check(const QString& text, const QString& what, int room, int needed) {
        if (text.isEmpty() || !text.contains(QRegularExpression(QStringLiteral("\\p{L}"))) ||
            text == u"Hourglint") {
            return;  // pictures, numbers, program names
        }
        const bool known = std::any_of(texts_.begin(), texts_.end(), [&](const auto& pattern) {
            return pattern.match(text).hasMatch();
        });
        EXPECT_TRUE(known) << what.toStdString() << ": \"" << text.toStdString()
                           << "\" is no finished entry of " << language_.toStdString();
        EXPECT_LE(needed, room) << what.toStdString() << ": \"" << text.toStdString()
                                << "\" is wider than its place";
    }

    void Walk(QWidget* window) {
        const QString name = window->metaObject()->className();
        Check(window->windowTitle(), name + QStringLiteral(" title"), 1, 0);
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->window() != window || !w->isVisibleTo(window) ||
                qobject_cast<CHyperLink*>(w) != nullptr ||
                dynamic_cast<CDigitLabel*>(w) != nullptr) {
                continue;  // links and the clock show data
            }
            const QString what = name + u' ' + w->metaObject()->className();
            if (auto* label = qobject_cast<QLabel*>(w)) {
                const int room = label->contentsRect().width() - 2 * label->margin();
                Check(label->text(), what, room,
                      Widest(label->fontMetrics(), label->text(), label->wordWrap()));
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                const auto element = qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxContents
                                     : qobject_cast<QRadioButton*>(w)
                                         ? QStyle::SE_RadioButtonContents
                                         : QStyle::SE_PushButtonContents;
                int room = qobject_cast<CImageButton*>(w)
                               ? button->width()
                               : button->style()->subElementRect(element, &option, button).width();
                if (qobject_cast<QPushButton*>(w) && !qobject_cast<CImageButton*>(w) &&
                    !button->icon().isNull()) {
                    room -= button->iconSize().width() + 4;
                }
                Check(button->text(), what, room, Widest(button->fontMetrics(), button->text()));
            } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                Check(box->title(), what, box->width(), Widest(box->fontMetrics(), box->title()));
            } else if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model()) {
                const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin);
                for (int i = 0; i < header->count(); ++i) {
                    const QString text =
                        header->model()->headerData(i, header->orientation()).toString();
                    Check(text, what, header->sectionSize(i),
                          Widest(header->fontMetrics(), text) + 2 * margin);
                }
            }
        }
    }

    QWidget* Open(QWidget* window) {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    }

    QString language_;
    std::vector<QRegularExpression> texts_ = ShownTexts(QString::fromLatin1(GetParam()));
    QTranslator program_;
    QTranslator qt_;
    TextTranslator previous_;
    std::vector<std::unique_ptr<QWidget>> windows_;
};

TEST_P(L10nTest, EveryWindowShowsItsLanguageAndFitsIt) {
    CMainFrame& frame = MakeFrame();
    sampler_.SetFront("xterm", "/usr/bin/xterm", "shell");
    Tick();
    Tick();
    Open(&frame);
    frame.DialogBar().LiveGraphButton().click();
    std::vector<QWidget*> shown = {&frame, Open(frame.LiveGraph().Window()),
                                   Open(frame.Reports().Open()), Open(frame.History().Open())};
    windows_.emplace_back(new CConfigDlg(settings_.Values(), settings_.Defaults()));
    windows_.emplace_back(
        new CAboutDlg(nullptr, QStringLiteral("X11"), QString::fromStdString(dbPath_)));
    windows_.emplace_back(new CGroupDlg(dbPath_));
    for (const auto& window : windows_) shown.push_back(Open(window.get()));
    for (QWidget* window : shown) Walk(window);
    for (QAction* action : frame.Tray().Menu().actions()) {
        if (!action->isSeparator()) Check(action->text(), QStringLiteral("tray menu"), 1, 0);
    }
    frame.Reports().Window()->close();
    frame.History().Window()->close();
    frame.LiveGraph().Window()->close();
}

INSTANTIATE_TEST_SUITE_P(Languages, L10nTest,
                         testing::Values("en", "de", "fr", "es", "pt_BR", "ru", "zh_CN"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
