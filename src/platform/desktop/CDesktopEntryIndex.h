// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/desktop/DesktopEntryScan.h"

class QFileSystemWatcher;

// The one reading of the desktop entries the program works with, shared by the sampler and
// the group editor. Read on a worker thread from Start on, and again when an applications
// folder changes; a new reading is taken in on the index's own thread, when the event loop
// gets there or when that thread next asks, whichever comes first. Nothing here waits for
// a reading: before the first is in, lookups find nothing. Used from the thread that made it.
class CDesktopEntryIndex final : public QObject {
  public:
    CDesktopEntryIndex();
    // Stops a reading in progress and waits for its thread.
    ~CDesktopEntryIndex() override;
    CDesktopEntryIndex(const CDesktopEntryIndex&) = delete;
    CDesktopEntryIndex& operator=(const CDesktopEntryIndex&) = delete;

    // Begins the first reading. With an event loop the folders are watched from now on.
    void Start();
    // Whether a reading is in.
    bool Ready();
    // Whether a reading that may say more is on its way: none is in yet, or a folder changed.
    bool Refreshing();
    // Counts the readings taken in; lookups may answer otherwise once it changes.
    int Revision();
    // The reading in use; an empty one before the first is in.
    std::shared_ptr<const DesktopEntryScan> Entries();

  private:
    void Read();
    void TakeIn();
    // Watches exactly these folders; true when one of them was not watched before.
    bool Watch(const std::vector<std::string>& folders);

    std::shared_ptr<const DesktopEntryScan> current_;
    int revision_ = 0;
    bool reading_ = false;  // a worker runs, or its reading waits to be taken in
    bool again_ = false;    // a folder changed meanwhile
    std::thread worker_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> handedOver_{false};
    std::mutex handOverLock_;
    std::unique_ptr<DesktopEntryScan> handOver_;  // the worker's reading until taken in
    QTimer quiet_;  // folders change in bursts: read again once they are quiet
    QFileSystemWatcher* watcher_ = nullptr;
};
