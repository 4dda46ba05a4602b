// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/OpenDocument.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QUrl>
#include <utility>

#include "core/Message.h"

namespace {

// A scheme of one letter is a drive ("C:\..."), not a URL scheme.
bool HasScheme(const QUrl& url) {
    return url.isValid() && url.scheme().size() > 1;
}

}  // namespace

int OpenDocument(const QString& target, QObject* context, std::function<void()> started,
                 std::function<void(int code)> failed) {
    if (target.trimmed().isEmpty()) {
        return 2;
    }
    QUrl url(target, QUrl::StrictMode);
    if (!HasScheme(url)) {
        url = QUrl::fromLocalFile(QDir::cleanPath(target));
    }
    if (url.isLocalFile()) {
        // The opener would fail later; say why now.
        const QFileInfo file(url.toLocalFile());
        if (!file.exists()) {
            return file.absoluteDir().exists() ? 2 : 3;
        }
        if (!file.isReadable()) {
            return 5;
        }
    }
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    (void)context;
    (void)failed;
    if (!QDesktopServices::openUrl(url)) {
        return 31;
    }
    if (started) {
        started();
    }
    return kOpenDocumentDone;
#else
    // QDesktopServices only says that the opener started; its exit status says whether the
    // target opened. No parent: closing the window must not end a browser still running.
    auto* opener = new QProcess;
    const QPointer<QObject> guard(context);
    const bool guarded = context != nullptr;
    const auto alive = [guard, guarded] { return !guarded || guard != nullptr; };
    QObject::connect(opener, &QProcess::started, opener, [alive, started] {
        if (started && alive()) {
            started();
        }
    });
    const auto fail = [alive, failed](int code) {
        if (failed && alive()) {
            failed(code);
        }
    };
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, fail](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             fail(31);
                             opener->deleteLater();
                         }
                     });
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, fail](int status, QProcess::ExitStatus how) {
                         if (how == QProcess::CrashExit) {
                             fail(27);
                         } else if (status != 0) {
                             fail(OpenerExitCode(status));
                         }
                         opener->deleteLater();
                     });
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->start(QStringLiteral("xdg-open"),
                  {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    return kOpenDocumentDone;
#endif
}

int OpenerExitCode(int status) {
    switch (status) {
        case 3:
            return 31;
        default:
            return status;  // 2 and 5 mean what the codes 2 and 5 mean
    }
}

QString HyperlinkErrorText(int code) {
    QString reason;
    switch (code) {
        case 0:
            reason = QCoreApplication::translate(
                "OpenDocument", "The operating system is out\nof memory or resources.");
            break;
        case 2:
            reason =
                QCoreApplication::translate("OpenDocument", "The specified file was not found.");
            break;
        case 3:
            reason =
                QCoreApplication::translate("OpenDocument", "The specified path was not found.");
            break;
        case 5:
            reason = QCoreApplication::translate(
                "OpenDocument", "The operating system denied\naccess to the specified file.");
            break;
        case 8:
            reason = QCoreApplication::translate(
                "OpenDocument", "There was not enough memory to complete the operation.");
            break;
        case 11:
            reason = QCoreApplication::translate(
                "OpenDocument",
                "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
            break;
        case 26:
            reason = QCoreApplication::translate("OpenDocument", "A sharing violation occurred. ");
            break;
        case 27:
            reason = QCoreApplication::translate(
                "OpenDocument", "The filename association is\nincomplete or invalid.");
            break;
        case 28:
            reason = QCoreApplication::translate(
                "OpenDocument",
                "The DDE transaction could not\nbe completed because the request timed out.");
            break;
        case 29:
            reason = QCoreApplication::translate("OpenDocument", "The DDE transaction failed.");
            break;
        case 30:
            reason = QCoreApplication::translate(
                "OpenDocument",
                "The DDE transaction could not\nbe completed because other DDE "
                "transactions\nwere being processed.");
            break;
        case 31:
            reason = QCoreApplication::translate(
                "OpenDocument",
                "There is no application associated\nwith the given filename extension.");
            break;
        case 32:
            reason = QCoreApplication::translate(
                "OpenDocument", "The specified dynamic-link library was not found.");
            break;
        default:
            reason = QCoreApplication::translate("OpenDocument", "Unknown Error (%1) occurred.")
                         .arg(code);
            break;
    }
    return QCoreApplication::translate("OpenDocument", "Unable to open hyperlink:\n\n%1")
        .arg(reason);
}

void ReportHyperlinkError(int code) {
    QApplication::beep();
    ShowMessage(HyperlinkErrorText(code).toStdString());
}
