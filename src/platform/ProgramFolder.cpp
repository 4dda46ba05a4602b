#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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

}  // namespace

std::string ProgramFolderFor(const QString& executableDir, bool create) {
    if (!executableDir.isEmpty()) {
        const QFileInfo dir(executableDir);
        if (QFileInfo::exists(QDir(executableDir).filePath(QStringLiteral("HG.mdb"))) ||
            (dir.isDir() && dir.isWritable() && !IsInstalled(executableDir))) {
            return WithSlash(dir.absoluteFilePath());
        }
    }
    // Installed read-only (e.g. /usr/bin): keep the data with the user.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty() || (create && !QDir().mkpath(data))) {
        return "./";
    }
    return WithSlash(data);
}

std::string ProgramFolder(bool create) {
    return ProgramFolderFor(QCoreApplication::applicationDirPath(), create);
}

void SetApplicationNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("Hourglint"));
    QCoreApplication::setApplicationName(QStringLiteral("Hourglint"));
}
