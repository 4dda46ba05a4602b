// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CSingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

#include "platform/system/PrivateFolder.h"

namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
constexpr int kConnectTries = 20;
constexpr int kWaitMs = 250;

// $XDG_RUNTIME_DIR when it is the user's private folder, else hourglint-<uid> in the
// temporary folder, made private. The uid, not a user name from the environment: the
// name may be unset, and then every user would share one lock.
QString RuntimeFolder(QString& problem) {
    const uid_t uid = getuid();
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) &&
        PrivateFolderProblem(QFile::encodeName(runtime).toStdString(), uid).empty()) {
        return runtime;
    }
    const QString fallback = QDir::temp().filePath(QStringLiteral("hourglint-%1").arg(uid));
    problem =
        QString::fromStdString(MakePrivateFolder(QFile::encodeName(fallback).toStdString(), uid));
    return fallback;
}

}  // namespace

CSingleInstance::CSingleInstance(QString folder, QObject* parent)
    : QObject(parent),
      folder_(folder.isEmpty() ? RuntimeFolder(problem_) : std::move(folder)),
      socketName_(QDir(folder_).filePath(QStringLiteral("hourglint.sock"))) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
}

CSingleInstance::Outcome CSingleInstance::Claim() {
    if (!problem_.isEmpty()) {
        return Outcome::Failed;
    }
    const QString lockPath = QDir(folder_).filePath(QStringLiteral("hourglint.lock"));
    lock_ = std::make_unique<QLockFile>(lockPath);
    // Held for the program's whole life; a crashed holder's lock goes stale.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        // A socket left by a crashed run would make listen fail.
        QLocalServer::removeServer(socketName_);
        // Without the socket the program still runs; it just cannot be called forward.
        server_.listen(socketName_);
        return Outcome::First;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        problem_ = tr("Cannot create the lock file %1.").arg(lockPath);
        return Outcome::Failed;
    }
    // The first instance may still be starting up: give it a moment to listen.
    for (int attempt = 0; attempt < kConnectTries; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(socketName_);
        if (socket.waitForConnected(kWaitMs)) {
            socket.write(kShowRequest);
            socket.waitForBytesWritten(kWaitMs);
            socket.disconnectFromServer();
            return Outcome::HandedOver;
        }
        QThread::msleep(kWaitMs);
    }
    qint64 pid = 0;
    QString host;
    QString app;
    lock_->getLockInfo(&pid, &host, &app);
    problem_ = tr("Hourglint is already running (process %1, lock file %2), but it does not "
                  "answer. End that process and start Hourglint again.")
                   .arg(QString::number(pid), lockPath);
    return Outcome::Failed;
}

void CSingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains('\n')) {
                emit ActivationRequested();
            }
        });
    }
}
