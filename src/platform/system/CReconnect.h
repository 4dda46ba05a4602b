// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// The one reconnect policy after a lost connection to the desktop: try again every two
// seconds until a try says it worked; the compositor or sway may come back (a restart).
class CReconnect : public QObject {
  public:
    static constexpr int kIntervalMs = 2000;

    explicit CReconnect(QObject* parent = nullptr);

    // The first try comes one interval from now; attempt returns true once it worked (or
    // once its outcome arrives by other means, which may Start again).
    void Start(std::function<bool()> attempt);
    void Stop() { timer_.stop(); }
    bool Active() const { return timer_.isActive(); }

  private:
    QTimer timer_;
    std::function<bool()> attempt_;
};
