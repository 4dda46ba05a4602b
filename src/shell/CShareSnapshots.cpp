// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CShareSnapshots.h"

#include <QDeadlineTimer>
#include <QThread>
#include <utility>

#include "core/CShareSettings.h"
#include "core/Message.h"

CShareSnapshots::CShareSnapshots(std::string databasePath, CShareSettings& share,
                                 ISettingsStore& store, QObject* parent)
    : QObject(parent), databasePath_(std::move(databasePath)), share_(share), store_(store) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CShareSnapshots::WriteNow);
}

CShareSnapshots::~CShareSnapshots() {
    if (thread_ != nullptr) {
        cancel_ = true;
        thread_->wait();
        delete thread_;
    }
}

void CShareSnapshots::Start() {
    timer_.start();
    WriteNow();
}

void CShareSnapshots::WriteNow() {
    if (thread_ == nullptr) {
        Launch();
    }
}

bool CShareSnapshots::Launch() {
    if (!share_.Sharing() || notWal_) {
        return false;
    }
    const std::string id = share_.EnsureId(store_);
    const std::string folder = share_.Folder();
    const std::string fileName = share_.SnapshotFileName();
    const std::string name = share_.Name();
    const std::string source = databasePath_;
    cancel_ = false;
    thread_ = QThread::create([this, source, folder, fileName, id, name] {
        result_ = CSnapshotWriter::Write(source, folder, fileName, id, name, &cancel_);
    });
    connect(thread_, &QThread::finished, this, &CShareSnapshots::OnThreadFinished);
    thread_->start(QThread::LowPriority);
    return true;
}

void CShareSnapshots::OnThreadFinished() {
    if (thread_ == nullptr) {
        return;
    }
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    const CSnapshotWriter::Result result = result_;
    using Status = CSnapshotWriter::Status;
    if (result.status == Status::Written) {
        failure_.Worked();
    } else if (result.status == Status::NotWal) {
        notWal_ = true;
        ShowMessage(
            tr("Hourglint cannot share its history with your other computers: its database "
               "does not use write-ahead logging on this file system, so no consistent copy can "
               "be made while it runs.\nNo snapshots are written until the next start.")
                .toStdString());
    } else if (result.status != Status::Cancelled && failure_.First()) {
        ShowMessage(
            tr("Cannot share the history with your other computers through the folder "
               "%1:\n%2\nHourglint tries again in an hour.")
                .arg(QString::fromStdString(share_.Folder()), QString::fromStdString(result.error))
                .toStdString());
    }
    emit Finished(result);
}

void CShareSnapshots::WaitBounded(int milliseconds) {
    if (thread_ == nullptr) {
        return;
    }
    if (!thread_->wait(QDeadlineTimer(milliseconds))) {
        cancel_ = true;
        thread_->wait();
    }
    // Finished here, without a message: the program is on its way out.
    delete thread_;
    thread_ = nullptr;
    emit Finished(result_);
}

void CShareSnapshots::WriteAtExit() {
    timer_.stop();
    QDeadlineTimer deadline(kExitWaitMs);
    WaitBounded(kExitWaitMs);
    if (Launch()) {
        WaitBounded(static_cast<int>(deadline.remainingTime()));
    }
}
