// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

// Qt-free code keeps its texts in English, marked for lupdate, and has them translated
// through the function the Qt side installs. Qt defines the same markers.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

// Gives source (an English text of context; n >= 0 picks the plural form) in the user's
// language, its placeholders kept; empty when it has none. None installed: English.
using TextTranslator = std::function<std::string(const char* context, const char* source, int n)>;
// Installs translator and returns the previous one.
TextTranslator SetTextTranslator(TextTranslator translator);

// source, marked with QT_TRANSLATE_NOOP(context, source), in the user's language, %1, %2...
// replaced by args.
std::string Translate(const char* context, const char* source,
                      const std::vector<std::string>& args = {});
// A text about count things: source is the English plural, marked with
// QT_TRANSLATE_N_NOOP(context, source), one the English singular; %n stands for count.
std::string TranslateCount(const char* context, const char* source, const char* one, int count,
                           const std::vector<std::string>& args = {});
// %1...%99 replaced by args (a number without an argument stays) and %n by n (n >= 0), in
// one pass, so an argument's own '%' stays as it is.
std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& args,
                             int n = -1);

// A text kept as its source until it is shown: made where no translator may be installed
// yet (the options are read before any application object exists).
struct UserText {
    const char* context = "";
    const char* source = "";  // marked with QT_TRANSLATE_NOOP(context, source); empty: none
    std::vector<std::string> args;

    bool Empty() const { return *source == '\0'; }
    std::string Text() const { return Translate(context, source, args); }
};
