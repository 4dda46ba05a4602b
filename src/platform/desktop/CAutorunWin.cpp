// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/CAutorun.h"

#include <QDir>
#include <QSettings>
#include <utility>

// The Run key of the registry, built only on Windows.

CAutorun::CAutorun(QString name, QString executable)
    : name_(std::move(name)), executable_(std::move(executable)) {}

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

bool CAutorun::IsEnabled() const {
    const QSettings run(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"),
        QSettings::NativeFormat);
    const QString value = run.value(name_).toString();
    return !value.isEmpty() &&
           QDir::cleanPath(QDir::fromNativeSeparators(value)) == QDir::cleanPath(executable_);
}
