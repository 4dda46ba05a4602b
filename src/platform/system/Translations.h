// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <vector>

// The user's language: the first of QLocale::system().uiLanguages() (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) that Hourglint has a translation for, as its file names it ("de",
// "pt_BR", "zh_CN"); empty for English, C, or a language before any other that has none.
QString TranslationLanguage();

// Installs the program's translation (built in under :/i18n) and Qt's own qtbase one for
// TranslationLanguage() into the running application object, and translates the Qt-free
// code's texts through it (SetTextTranslator). Again for each new application object;
// the files are read once. Nothing for English.
void InstallTranslations();

// A translated text with %1... replaced by args and %n by n, in one pass (see
// FillPlaceholders in core/Translate.h).
std::string FillPlaceholders(const QString& pattern, const std::vector<std::string>& args,
                             int n = -1);
