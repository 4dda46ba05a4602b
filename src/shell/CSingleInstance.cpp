#include "shell/CSingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
constexpr int kConnectTries = 20;
constexpr int kWaitMs = 250;

QString RuntimeFolder(const QString& folder) {
    if (!folder.isEmpty()) {
        return folder;
    }
#ifdef _WIN32
    return QString();
#else
    // Per user; Qt falls back to a private folder under /tmp without XDG_RUNTIME_DIR.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
}

QString LockPath(const QString& folder) {
    const QString dir = RuntimeFolder(folder);
    if (dir.isEmpty()) {
        return QDir::temp().filePath(QStringLiteral("hourglint-") +
                                     qEnvironmentVariable("USERNAME") + QStringLiteral(".lock"));
    }
    return QDir(dir).filePath(QStringLiteral("hourglint.lock"));
}

QString ServerName(const QString& folder) {
    const QString dir = RuntimeFolder(folder);
    if (dir.isEmpty()) {
        return QStringLiteral("Hourglint-") + qEnvironmentVariable("USERNAME");
    }
    return QDir(dir).filePath(QStringLiteral("hourglint.sock"));
}

}  // namespace

CSingleInstance::CSingleInstance(QString folder, QObject* parent)
    : QObject(parent), socketName_(ServerName(folder)), lock_(LockPath(folder)) {
    // The lock is held for the program's whole life; a crashed holder's lock goes stale.
    lock_.setStaleLockTime(0);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
}

bool CSingleInstance::Claim() {
    if (lock_.tryLock(0)) {
        // A socket left by a crashed run would make listen fail.
        QLocalServer::removeServer(socketName_);
        // Without the socket the program still runs; it just cannot be called forward.
        server_.listen(socketName_);
        return true;
    }
    // The first instance may still be starting up: give it a moment to listen.
    for (int attempt = 0; attempt < kConnectTries; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(socketName_);
        if (socket.waitForConnected(kWaitMs)) {
            socket.write(kShowRequest);
            socket.waitForBytesWritten(kWaitMs);
            socket.disconnectFromServer();
            return false;
        }
        QThread::msleep(kWaitMs);
    }
    return false;
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
