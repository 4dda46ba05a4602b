// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/Translate.h"

namespace {

// "zh-Hans-CN" names the file hourglint_zh_CN; "de-DE" hourglint_de.
QStringList FileNamesFor(const QString& language) {
    const QLocale locale(language);
    const QString code = QLocale::languageToCode(locale.language());
    const QString territory = QLocale::territoryToCode(locale.territory());
    QStringList names;
    if (!territory.isEmpty()) names << code + u'_' + territory;
    names << code;
    return names;
}

struct Loaded {
    bool done = false;
    QString language;
    QTranslator program;
    QTranslator qt;
};

Loaded& Translations() {
    static Loaded loaded;
    if (loaded.done) return loaded;
    loaded.done = true;
    for (const QString& language : QLocale::system().uiLanguages()) {
        if (language == u"C" || language == u"POSIX" || language.startsWith(u"en")) break;
        for (const QString& name : FileNamesFor(language)) {
            // The exact file: load() would also take a shorter name's.
            const QString file = QStringLiteral(":/i18n/hourglint_") + name + QStringLiteral(".qm");
            if (QFile::exists(file) && loaded.program.load(file)) {
                loaded.language = name;
                break;
            }
        }
        if (!loaded.language.isEmpty()) break;
    }
    if (loaded.language.isEmpty()) return loaded;
    // Qt's own, for the standard buttons and dialogs: the package depends on them.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!loaded.qt.load(QStringLiteral("qtbase_") + loaded.language, qtFolder)) {
        (void)loaded.qt.load(QStringLiteral("qtbase_") + loaded.language.section(u'_', 0, 0),
                             qtFolder);
    }
    return loaded;
}

}  // namespace

QString TranslationLanguage() {
    return Translations().language;
}

void InstallTranslations() {
    Loaded& loaded = Translations();
    if (loaded.language.isEmpty() || QCoreApplication::instance() == nullptr) return;
    QCoreApplication::installTranslator(&loaded.program);
    if (!loaded.qt.isEmpty()) QCoreApplication::installTranslator(&loaded.qt);
    // Through the application, which may be asked from any thread. A text it does not know
    // comes back as it went in: empty, so the English singular of a count is kept.
    SetTextTranslator([](const char* context, const char* source, int n) {
        const QString text = QCoreApplication::translate(context, source, nullptr, n);
        QString untranslated = QString::fromUtf8(source);
        if (n >= 0) untranslated.replace(QStringLiteral("%n"), QString::number(n));
        return text == untranslated ? std::string() : text.toStdString();
    });
}

std::string FillPlaceholders(const QString& pattern, const std::vector<std::string>& args, int n) {
    return FillPlaceholders(pattern.toStdString(), args, n);
}
