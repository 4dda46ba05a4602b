// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/CReconnect.h"

#include <utility>

CReconnect::CReconnect(QObject* parent) : QObject(parent) {
    timer_.setInterval(kIntervalMs);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (attempt_ && !attempt_()) {
            timer_.start();
        }
    });
}

void CReconnect::Start(std::function<bool()> attempt) {
    attempt_ = std::move(attempt);
    timer_.start();
}
