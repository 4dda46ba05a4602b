// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/CQtSettingsStore.h"

namespace {
const QString kGroup = QStringLiteral("Config");
}

CQtSettingsStore::CQtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Hourglint"),
                QStringLiteral("Hourglint")) {}

std::optional<long long> CQtSettingsStore::ReadInt(const std::string& name) const {
    const QString key = kGroup + QLatin1Char('/') + QString::fromStdString(name);
    const QVariant value = settings_.value(key);
    if (!value.isValid()) {
        return std::nullopt;
    }
    bool ok = false;
    const long long number = value.toLongLong(&ok);
    // A hand-edited value that is no number counts as missing.
    if (!ok) {
        return std::nullopt;
    }
    return number;
}

void CQtSettingsStore::WriteInt(const std::string& name, long long value) {
    settings_.setValue(kGroup + QLatin1Char('/') + QString::fromStdString(name), value);
    settings_.sync();
}

std::optional<std::string> CQtSettingsStore::ReadText(const std::string& name) const {
    const QVariant value =
        settings_.value(kGroup + QLatin1Char('/') + QString::fromStdString(name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

void CQtSettingsStore::WriteText(const std::string& name, const std::string& value) {
    settings_.setValue(kGroup + QLatin1Char('/') + QString::fromStdString(name),
                       QString::fromStdString(value));
    settings_.sync();
}
