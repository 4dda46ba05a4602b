// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

// One running program per user and runtime folder. The first start holds a lock and
// listens on a local socket; a later start asks it to bring its window forward and ends.
class CSingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Outcome {
        First,       // this start runs and listens
        HandedOver,  // the running program was asked to come forward
        Failed,      // neither: Problem() says why
    };

    // folder: where the lock and the socket live; empty for the user's runtime folder, or a
    // private folder of the user's own in the temporary folder when there is none.
    explicit CSingleInstance(QString folder = QString(), QObject* parent = nullptr);

    Outcome Claim();
    // The sentence for the user after Failed.
    QString Problem() const { return problem_; }

    QString SocketName() const { return socketName_; }

  signals:
    void ActivationRequested();

  private:
    void OnNewConnection();

    QString problem_;  // before folder_, which may set it
    QString folder_;
    QString socketName_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};
