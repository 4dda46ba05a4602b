// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <string>
#include <thread>

// Gives the database its roll-up by day (CDayTotals::Fill) on a thread of its own, once
// per start, so the one-second step never waits for it: each chunk is a short
// transaction, and a flush that meets one waits well within its busy timeout. The end of
// the program stops it between or inside chunks; what was summed stays, and the next start
// goes on from there.
class CDayTotalsThread {
  public:
    explicit CDayTotalsThread(std::string databasePath);
    ~CDayTotalsThread();
    CDayTotalsThread(const CDayTotalsThread&) = delete;
    CDayTotalsThread& operator=(const CDayTotalsThread&) = delete;

  private:
    std::atomic<bool> cancel_{false};
    std::thread thread_;
};
