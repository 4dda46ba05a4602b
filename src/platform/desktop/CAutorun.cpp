// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/CAutorun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <utility>

// The XDG autostart entry; CAutorunWin.cpp holds the Windows form, built only there.

CAutorun::CAutorun(QString name, QString executable)
    : name_(std::move(name)), executable_(std::move(executable)) {}

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
    // A line break inside the value would end the key: the format's own escapes.
    quoted.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    quoted.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    quoted.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
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

QString CAutorun::ExecProgram(const QString& value) {
    // The string-level escapes first, then the quoting of the argument.
    QString text;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value[++i];
            text += next == QLatin1Char('s')   ? QChar(QLatin1Char(' '))
                    : next == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                    : next == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                    : next == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                               : next;
        } else {
            text += value[i];
        }
    }
    text = text.trimmed();
    QString program;
    if (text.startsWith(QLatin1Char('"'))) {
        for (int i = 1; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('"')) {
                break;
            }
            if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
                ++i;
            }
            program += text[i];
        }
    } else {
        program = text.section(QLatin1Char(' '), 0, 0);
    }
    return program.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

bool CAutorun::IsEnabled() const {
    QFile file(EntryPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    bool inEntry = false;
    bool hidden = false;
    QString program;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inEntry || equals < 0) {
            continue;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Hidden")) {
            hidden = value == QLatin1String("true");
        } else if (key == QLatin1String("X-GNOME-Autostart-enabled") &&
                   value == QLatin1String("false")) {
            hidden = true;
        } else if (key == QLatin1String("Exec")) {
            program = ExecProgram(value);
        }
    }
    if (hidden || program.isEmpty()) {
        return false;
    }
    // The same file under another spelling (a symlinked folder) counts as us.
    const QString ours = QFileInfo(executable_).canonicalFilePath();
    return program == executable_ ||
           (!ours.isEmpty() && QFileInfo(program).canonicalFilePath() == ours);
}
