#pragma once

#include <QString>

// Opens a web address, a "mailto:" address or a file with the desktop's own opener
// (QDesktopServices, xdg-open on Linux). Returns a code above 32 on success, else the
// failure's code: 2 file not found, 3 path not found, 5 access denied, 31 no program to
// open it with.
int OpenDocument(const QString& target);

inline constexpr int kOpenDocumentDone = 33;

// "Unable to open hyperlink:\n\n" and the text for the code.
QString HyperlinkErrorText(int code);
// Beeps and tells the user, through ShowMessage, why code means the target did not open.
void ReportHyperlinkError(int code);
