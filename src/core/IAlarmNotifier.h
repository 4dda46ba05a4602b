// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// Where an alarm goes beyond the alarm list: the desktop's notifications. Called inside the
// one-second step, so it must return at once and never wait for the desktop.
class IAlarmNotifier {
  public:
    virtual ~IAlarmNotifier() = default;
    // program has been in front for seconds today, a multiple of the alarm step.
    virtual void AlarmRaised(const std::string& program, int64_t seconds) = 0;
};
