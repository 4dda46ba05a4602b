#include "platform/CAutorun.h"

#include <utility>

#ifdef _WIN32
#include <QDir>
#include <QSettings>
#else
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#endif

CAutorun::CAutorun(QString name, QString executable)
    : name_(std::move(name)), executable_(std::move(executable)) {}

#ifdef _WIN32

bool CAutorun::Set(bool enable) const {
    QSettings run(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"),
        QSettings::NativeFormat);
    if (!run.isWritable()) {
        return false;
    }
    // Off leaves the value with an empty string, which starts nothing.
    run.setValue(name_, enable ? QDir::toNativeSeparators(executable_) : QString());
    run.sync();
    return run.status() == QSettings::NoError;
}

#else

QString CAutorun::EntryPath() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + name_ + QStringLiteral(".desktop");
}

QString CAutorun::ExecValue(const QString& path) {
    // Inside a quoted argument ", `, $ and \ take a backslash; the string-level escape
    // then doubles every backslash, and % is doubled for the field codes.
    QString quoted;
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\')) {
            quoted += QLatin1Char('\\');
        }
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool CAutorun::Set(bool enable) const {
    const QString path = EntryPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + name_ +
                   QStringLiteral("\nExec=") + ExecValue(executable_) +
                   QStringLiteral("\nTerminal=false\n");
    // Off keeps the entry but hides it, the way desktop settings tools switch one off.
    text += enable ? QStringLiteral("X-GNOME-Autostart-enabled=true\n")
                   : QStringLiteral("Hidden=true\nX-GNOME-Autostart-enabled=false\n");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return false;
    }
    file.write(text.toUtf8());
    return file.commit();
}

#endif
