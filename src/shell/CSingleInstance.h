#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

// One running program per user. The first start holds a lock and listens on a local
// socket; a later start asks it to bring its window forward and ends.
class CSingleInstance : public QObject {
    Q_OBJECT
  public:
    // folder: where the lock and the socket live; empty for the user's runtime folder.
    explicit CSingleInstance(QString folder = QString(), QObject* parent = nullptr);

    // True for the first instance, which then listens. False after telling the running one.
    bool Claim();

    QString SocketName() const { return socketName_; }

  signals:
    void ActivationRequested();

  private:
    void OnNewConnection();

    QString socketName_;
    QLockFile lock_;
    QLocalServer server_;
};
