// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A text about n things in the user's language: plural is the English plural with %n, marked
// with QT_TRANSLATE_N_NOOP(context, plural) where it is written, one the English singular
// (kept where no translation has the text, as under English).
QString CountText(const char* context, const char* plural, const char* one, int n);
