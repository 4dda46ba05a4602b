// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>

#include "core/IAlarmNotifier.h"

// Each alarm as a desktop notification (org.freedesktop.Notifications), which screen
// readers announce too. The call is asynchronous: the tick that raised the alarm never waits
// for the bus. Where no notification service answers, or there is no bus, the text goes to
// the fallback (the tray icon's message) instead.
class CAlarmNotifier : public QObject, public IAlarmNotifier {
    Q_OBJECT
  public:
    // Plain title and text, for a message outside the bus.
    using Fallback = std::function<void(const QString& title, const QString& text)>;

    CAlarmNotifier(QDBusConnection bus, Fallback fallback, QObject* parent = nullptr);

    void AlarmRaised(const std::string& program, int64_t seconds) override;

    static QString Summary();
    // "firefox has been in use for 2 hours today."; markup: the program's name escaped, as
    // the server may read the body as markup.
    static QString Body(const QString& program, int64_t seconds, bool markup);

  signals:
    // An alarm's notification was taken by the service (true) or went to the fallback.
    void Delivered(bool byService);

  private:
    QDBusConnection bus_;
    Fallback fallback_;
};
