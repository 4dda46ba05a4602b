// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CReportWorker.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <exception>

#include "core/Message.h"

struct CReportWorker::Job {
    CancelFlag cancel{false};
};

// Read and cleared on the GUI thread only; a job holds it to find out whether its worker
// is still there when its result arrives.
struct CReportWorker::Link {
    CReportWorker* owner = nullptr;
};

CReportWorker::CReportWorker(QObject* parent) : QObject(parent), link_(std::make_shared<Link>()) {
    link_->owner = this;
}

CReportWorker::~CReportWorker() {
    link_->owner = nullptr;
    if (current_ != nullptr) {
        current_->cancel = true;
    }
}

void CReportWorker::Cancel() {
    if (current_ == nullptr) {
        return;
    }
    current_->cancel = true;
    current_.reset();
    emit BusyChanged(false);
}

void CReportWorker::Start(std::function<void(const CancelFlag&)> work,
                          std::function<void()> deliver) {
    const bool wasBusy = Busy();
    if (current_ != nullptr) {
        current_->cancel = true;
    }
    auto job = std::make_shared<Job>();
    current_ = job;
    ++running_;
    QThreadPool::globalInstance()->start(
        [link = link_, job, work = std::move(work), deliver = std::move(deliver)]() mutable {
            std::string failure;
            try {
                work(job->cancel);
            } catch (const std::exception& e) {
                failure = e.what();
            }
            // The work's own captures end here, off the GUI thread, like the work did.
            work = nullptr;
            // The application outlives every job: it waits for the pool before it goes.
            if (QCoreApplication* app = QCoreApplication::instance()) {
                QMetaObject::invokeMethod(
                    app,
                    [link, job, deliver = std::move(deliver), failure] {
                        if (link->owner != nullptr) {
                            link->owner->Finished(job, deliver, failure);
                        }
                    },
                    Qt::QueuedConnection);
            }
        });
    if (!wasBusy) {
        emit BusyChanged(true);
    }
}

void CReportWorker::Finished(const std::shared_ptr<Job>& job, const std::function<void()>& deliver,
                             const std::string& failure) {
    --running_;
    if (job != current_) {
        return;
    }
    // Idle before the result is shown, so what it shows may start the next job.
    current_.reset();
    emit BusyChanged(false);
    if (!failure.empty()) {
        ShowMessage(tr("The work could not be finished: %1")
                        .arg(QString::fromStdString(failure))
                        .toStdString());
        return;
    }
    deliver();
}
