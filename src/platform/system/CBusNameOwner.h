// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusPendingCall>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>

// The unique connection that owns a well-known name on the session bus, so that messages
// can be believed by who sent them rather than by the name they claim. Asked once without
// waiting, then followed through the bus's NameOwnerChanged.
class CBusNameOwner : public QObject {
    Q_OBJECT
  public:
    explicit CBusNameOwner(const QString& name, QObject* parent = nullptr);

    // The owner's unique name; "" while the name has none or the first answer is not back.
    // The first answer counts as soon as it is in, even before its signal is handled, so a
    // message that arrived after it is judged by it.
    QString Owner();
    // Whether the first answer is in: only then does "" mean that nobody owns the name.
    bool Known() const { return firstTaken_ || first_.isFinished(); }
    // Whether sender is the name's owner now.
    bool IsOwner(const QString& sender) { return !sender.isEmpty() && sender == Owner(); }

  signals:
    // Once the first answer is in (even when Owner() took it earlier), and on every change.
    void OwnerChanged();

  private:
    void TakeFirstAnswer();

    QDBusServiceWatcher watcher_;
    QDBusPendingCall first_;
    bool firstTaken_ = false;
    bool changeSeen_ = false;
    QString owner_;
};
