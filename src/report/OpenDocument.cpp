#include "report/OpenDocument.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
constexpr int kSuccess = 33;
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;
}  // namespace

int OpenDocument(const QString& target) {
    // A missing file would otherwise be handed on and fail later, out of sight.
    if (target.startsWith(QLatin1Char('/')) && !QFileInfo::exists(target)) {
        return kFileNotFound;
    }
    const QUrl url =
        QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    return QDesktopServices::openUrl(url) ? kSuccess : kNoAssociation;
}

std::string OpenDocumentErrorText(int code) {
    const char* text = nullptr;
    switch (code) {
        case 0:
            text = "The operating system is out\nof memory or resources.";
            break;
        case 2:
            text = "The specified file was not found.";
            break;
        case 3:
            text = "The specified path was not found.";
            break;
        case 5:
            text = "The operating system denied\naccess to the specified file.";
            break;
        case 8:
            text = "There was not enough memory to complete the operation.";
            break;
        case 11:
            text = "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
            break;
        case 26:
            text = "A sharing violation occurred. ";
            break;
        case 27:
            text = "The filename association is\nincomplete or invalid.";
            break;
        case 28:
            text = "The DDE transaction could not\nbe completed because the request timed out.";
            break;
        case 29:
            text = "The DDE transaction failed.";
            break;
        case 30:
            text =
                "The DDE transaction could not\nbe completed because other DDE transactions\n"
                "were being processed.";
            break;
        case 31:
            text = "There is no application associated\nwith the given filename extension.";
            break;
        case 32:
            text = "The specified dynamic-link library was not found.";
            break;
        default:
            break;
    }
    const std::string detail = text != nullptr
                                   ? std::string(text)
                                   : "Unknown Error (" + std::to_string(code) + ") occurred.";
    return "Unable to open hyperlink:\n\n" + detail;
}
