// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QObject;

inline constexpr int kOpenDocumentDone = 33;

// Opens a web address, a "mailto:" address or a file with the desktop's own opener
// (xdg-open), without waiting for it. Returns a code of 32 or less at once when the target
// cannot be opened: 2 file not found, 3 path not found, 5 access denied. Else returns
// kOpenDocumentDone; then started runs once the opener runs, and failed(code) if it cannot
// start (31) or later exits with a failure (its exit status as a code). Some openers run
// until the browser closes, so failed may come much later; neither runs once context is gone.
int OpenDocument(const QString& target, QObject* context = nullptr,
                 std::function<void()> started = {}, std::function<void(int code)> failed = {});

// The code for an opener's exit status: xdg-open's 2 (no such file), 3 (no program for it)
// and 5 (no permission) as the matching codes, any other status as itself.
int OpenerExitCode(int status);

// "Unable to open hyperlink:\n\n" and the text for the code.
QString HyperlinkErrorText(int code);
// Beeps and tells the user, through ShowMessage, why code means the target did not open.
void ReportHyperlinkError(int code);
