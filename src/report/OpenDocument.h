#pragma once

#include <QString>
#include <string>

// Opens a file or address with the desktop's opener. Returns a code above 32 on success;
// on failure 31 (nothing opens it), the code whose text OpenDocumentErrorText gives.
int OpenDocument(const QString& target);

// "Unable to open hyperlink:\n\n" and the text for a failure code.
std::string OpenDocumentErrorText(int code);
