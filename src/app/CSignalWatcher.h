// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the GUI thread, so the program
// can flush and close instead of dying with seconds unsaved.
class CSignalWatcher : public QObject {
    Q_OBJECT
  public:
    explicit CSignalWatcher(QObject* parent = nullptr);
    ~CSignalWatcher() override;

    // False when the handlers could not be installed.
    bool Installed() const { return notifier_ != nullptr; }

  signals:
    void Signalled(int signal);

  private:
    void OnReadable();

    QSocketNotifier* notifier_ = nullptr;
};
