// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/ProgramFolder.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/system/PrivateFolder.h"

namespace {

std::string WithSlash(const QString& dir) {
    QString folder = QDir::cleanPath(dir);
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return QFile::encodeName(folder).toStdString();
}

// Installed beside its desktop entry (prefix/bin and prefix/share/applications): the
// program's folder is no place for data even where it could write there, as root under
// /usr/bin or with a prefix in the home folder.
bool IsInstalled(const QString& executableDir) {
    return QFileInfo::exists(
        QDir(executableDir)
            .filePath(QStringLiteral("../share/applications/org.hourglint.Hourglint.desktop")));
}

// Asked of the system rather than read from the mode bits, so ACLs, read-only mounts and
// another user's file (0600) all count.
bool CanReadAndWrite(const QString& path, int extra = 0) {
    return access(QFile::encodeName(path).constData(), R_OK | W_OK | extra) == 0;
}

}  // namespace

std::string ProgramFolderFor(const QString& executableDir) {
    if (!executableDir.isEmpty()) {
        const QFileInfo dir(executableDir);
        const QString database = QDir(executableDir).filePath(QStringLiteral("HG.mdb"));
        const bool usable = QFileInfo::exists(database)
                                ? CanReadAndWrite(database)
                                : dir.isDir() && CanReadAndWrite(executableDir, X_OK) &&
                                      !IsInstalled(executableDir);
        if (usable) {
            return WithSlash(dir.absoluteFilePath());
        }
    }
    // Installed read-only (e.g. /usr/bin), or another user's database: keep the data with
    // this user.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? "./" : WithSlash(data);
}

std::string ProgramFolder() {
    return ProgramFolderFor(QCoreApplication::applicationDirPath());
}

std::string PrepareProgramFolder(std::string& problem) {
    std::string folder = ProgramFolder();
    problem = MakeFolderPath(folder.substr(0, folder.size() - 1));
    return problem.empty() ? folder : std::string();
}

void SetApplicationNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("Hourglint"));
    QCoreApplication::setApplicationName(QStringLiteral("Hourglint"));
}
