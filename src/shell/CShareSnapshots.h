// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <string>

#include "core/CTellOnce.h"
#include "db/CSnapshotWriter.h"

class CShareSettings;
class ISettingsStore;
class QThread;

// Writes this computer's snapshot into the share folder at start, every hour and at exit,
// on a thread of its own: the one-second step and its flushes never wait for it. Does
// nothing while no share folder is set.
class CShareSnapshots : public QObject {
    Q_OBJECT
  public:
    static constexpr int kIntervalMs = 3600 * 1000;
    // The exit waits no longer for a snapshot; an unfinished one leaves the last one there.
    static constexpr int kExitWaitMs = 10000;

    CShareSnapshots(std::string databasePath, CShareSettings& share, ISettingsStore& store,
                    QObject* parent = nullptr);
    ~CShareSnapshots() override;

    // The first snapshot now, then one an hour.
    void Start();
    // A snapshot now, unless one is being written.
    void WriteNow();
    // After the final flush: waits for a running snapshot, then writes the last one.
    void WriteAtExit();

  signals:
    void Finished(const CSnapshotWriter::Result& result);

  private:
    bool Launch();
    void OnThreadFinished();
    void WaitBounded(int milliseconds);

    std::string databasePath_;
    CShareSettings& share_;
    ISettingsStore& store_;
    QTimer timer_;
    QThread* thread_ = nullptr;
    CSnapshotWriter::Result result_;
    std::atomic<bool> cancel_{false};
    bool notWal_ = false;  // said once; no snapshot is tried again in this run
    CTellOnce failure_;    // said once until a snapshot is written again
};
