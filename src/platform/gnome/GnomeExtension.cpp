// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/GnomeExtension.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "platform/desktop/DesktopEntryFile.h"
#include "platform/system/Translations.h"

const char* const kGnomeExtensionUuid = HOURGLINT_GNOME_UUID;
const char* const kGnomeExtensionBusName = "org.hourglint.FocusedWindow";
const char* const kGnomeExtensionPath = "/org/hourglint/FocusedWindow";
const char* const kGnomeExtensionInterface = "org.hourglint.FocusedWindow";

namespace {

// GNOME Shell 45 loads only ES modules, which 43 and 44 cannot parse.
QString FormFor(int shellMajor) {
    return shellMajor >= 45 ? QStringLiteral("module") : QStringLiteral("classic");
}

bool Declares(const QString& metadataFile, int shellMajor) {
    QFile file(metadataFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QJsonArray versions =
        QJsonDocument::fromJson(file.readAll()).object().value("shell-version").toArray();
    for (const QJsonValue version : versions) {
        if (GnomeShellMajor(version.toString().toStdString()) == shellMajor) {
            return true;
        }
    }
    return false;
}

}  // namespace

int GnomeShellMajor(const std::string& shellVersion) {
    int major = 0;
    for (const char ch : shellVersion) {
        if (ch < '0' || ch > '9') {
            break;
        }
        major = major * 10 + (ch - '0');
    }
    return major;
}

std::string GnomeExtensionUserFolder() {
    return DesktopDataDirs().front() + "/gnome-shell/extensions/" + kGnomeExtensionUuid;
}

bool GnomeExtensionCopyFits(int shellMajor) {
    for (const std::string& dir : DesktopDataDirs()) {
        const QString metadata = QString::fromStdString(dir + "/gnome-shell/extensions/" +
                                                        kGnomeExtensionUuid + "/metadata.json");
        if (QFile::exists(metadata)) {
            return Declares(metadata, shellMajor);
        }
    }
    return false;
}

bool GnomeExtensionFolderFits(const std::string& folder, int shellMajor) {
    return Declares(QString::fromStdString(folder + "/metadata.json"), shellMajor);
}

bool InstallGnomeExtensionForUser(int shellMajor, std::string& error) {
    const QString folder = QString::fromStdString(GnomeExtensionUserFolder());
    if (!QDir().mkpath(folder)) {
        error = FillPlaceholders(QCoreApplication::translate("GnomeExtension", "cannot make %1"),
                                 {folder.toStdString()});
        return false;
    }
    for (const char* name : {"extension.js", "metadata.json"}) {
        QFile source(":/gnome/" + FormFor(shellMajor) + "/" + name);
        QSaveFile target(folder + "/" + name);
        if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly) ||
            target.write(source.readAll()) < 0 || !target.commit()) {
            error = FillPlaceholders(
                QCoreApplication::translate("GnomeExtension", "cannot write %1: %2"),
                {target.fileName().toStdString(), target.errorString().toStdString()});
            return false;
        }
    }
    return true;
}
