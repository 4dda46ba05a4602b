// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

// Runs a window's work off the GUI thread, one wanted job at a time, and hands the result
// back on the thread this object lives in. A job is a function of its cancel flag; it
// touches no widget and shows no message, and returns all it has to say in its result.
// A new Run supersedes the running job: its flag is raised and its result dropped.
// Destroying the worker raises the flag too and never waits for the job, which may finish
// on its own later: it shares nothing with this object but its flag.
class CReportWorker : public QObject {
    Q_OBJECT

  public:
    using CancelFlag = std::atomic<bool>;

    explicit CReportWorker(QObject* parent = nullptr);
    ~CReportWorker() override;

    // job(const CancelFlag&) returns the result on a pool thread; done(result) then runs
    // here, unless a later Run, Cancel or the worker's end came first.
    template <typename Job, typename Done>
    void Run(Job job, Done done) {
        using Result = std::invoke_result_t<Job&, const CancelFlag&>;
        auto result = std::make_shared<std::optional<Result>>();
        Start([job = std::move(job),
               result](const CancelFlag& cancel) mutable { result->emplace(job(cancel)); },
              [done = std::move(done), result]() mutable { done(std::move(**result)); });
    }
    // Raises the running job's flag and drops its result.
    void Cancel();
    // A job runs whose result is still wanted.
    bool Busy() const { return current_ != nullptr; }
    // Jobs not yet returned, superseded ones included.
    int Running() const { return running_; }

  signals:
    void BusyChanged(bool busy);

  private:
    struct Job;
    struct Link;

    void Start(std::function<void(const CancelFlag&)> work, std::function<void()> deliver);
    void Finished(const std::shared_ptr<Job>& job, const std::function<void()>& deliver,
                  const std::string& failure);

    std::shared_ptr<Link> link_;
    std::shared_ptr<Job> current_;
    int running_ = 0;
};
