// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sway/CSwayForegroundSampler.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstring>

#include "core/Message.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/system/BusText.h"
#include "platform/system/ProcessExecutable.h"
#include "platform/system/Translations.h"

namespace {

// i3 IPC: "i3-ipc", payload length and message type in native byte order, then JSON.
constexpr char kMagic[] = "i3-ipc";
constexpr std::size_t kMagicSize = sizeof kMagic - 1;
constexpr std::size_t kHeaderSize = kMagicSize + 2 * sizeof(uint32_t);
constexpr uint32_t kSubscribe = 2;
constexpr uint32_t kGetTree = 4;
constexpr uint32_t kEventBit = 0x80000000u;
constexpr uint32_t kWindowEvent = kEventBit | 3;
constexpr int kStartWaitMs = 2000;

// A socket file, not a link to one, owned by uid.
bool SocketOwnedBy(const QString& path, uid_t uid) {
    struct stat info {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_uid == uid;
}

std::optional<uid_t> PeerUid(qintptr fd) {
    ucred peer{};
    socklen_t length = sizeof peer;
    if (fd < 0 || getsockopt(static_cast<int>(fd), SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0) {
        return std::nullopt;
    }
    return peer.uid;
}

// A restarted sway listens on a new socket in the runtime folder: the newest one there that
// belongs to sway's user and was not refused. "" when there is none.
QString NewestSocketBeside(const QString& socketPath, uid_t uid, const QSet<QString>& refused) {
    const QFileInfo old(socketPath);
    const QFileInfoList found =
        QDir(old.absolutePath())
            .entryInfoList({QStringLiteral("sway-ipc.*.sock")}, QDir::System, QDir::Time);
    for (const QFileInfo& candidate : found) {
        const QString path = candidate.absoluteFilePath();
        if (!refused.contains(path) && SocketOwnedBy(path, uid)) {
            return path;
        }
    }
    return !refused.contains(socketPath) && SocketOwnedBy(socketPath, uid) ? socketPath : QString();
}

}  // namespace

std::unique_ptr<CSwayForegroundSampler> CSwayForegroundSampler::Connect(
    const std::string& socketPath, CDesktopEntryIndex& entries, std::string& error) {
    std::unique_ptr<CSwayForegroundSampler> sampler(
        new CSwayForegroundSampler(socketPath, entries));
    QLocalSocket& socket = sampler->socket_;
    socket.connectToServer(QString::fromStdString(socketPath));
    QElapsedTimer waited;
    waited.start();
    if (!socket.waitForConnected(kStartWaitMs)) {
        error = FillPlaceholders(
            QCoreApplication::translate("CSwayForegroundSampler",
                                        "Hourglint cannot reach sway's IPC socket (%1): %2."),
            {socketPath, socket.errorString().toStdString()});
        return nullptr;
    }
    // The focused window before the first second is counted (readyRead handles the tree).
    while (!sampler->treeRead_ && waited.elapsed() < kStartWaitMs) {
        if (!socket.waitForReadyRead(static_cast<int>(kStartWaitMs - waited.elapsed()))) {
            break;
        }
    }
    if (!sampler->treeRead_) {
        error =
            FillPlaceholders(QCoreApplication::translate("CSwayForegroundSampler",
                                                         "sway's IPC socket (%1) did not answer."),
                             {socketPath});
        return nullptr;
    }
    // From now on a loss is news for the user.
    connect(&socket, &QLocalSocket::disconnected, sampler.get(), &CSwayForegroundSampler::OnLost);
    connect(&socket, &QLocalSocket::errorOccurred, sampler.get(),
            [s = sampler.get()] { s->OnSocketError(); });
    return sampler;
}

CSwayForegroundSampler::CSwayForegroundSampler(const std::string& socketPath,
                                               CDesktopEntryIndex& entries)
    : socketPath_(socketPath), desktopIcons_(entries) {
    connect(&socket_, &QLocalSocket::connected, this, &CSwayForegroundSampler::OnConnected);
    connect(&socket_, &QLocalSocket::readyRead, this, &CSwayForegroundSampler::OnReadyRead);
}

CSwayForegroundSampler::~CSwayForegroundSampler() {
    socket_.disconnect(this);
    socket_.abort();
}

bool CSwayForegroundSampler::Connected() const {
    return socket_.state() == QLocalSocket::ConnectedState && treeRead_;
}

void CSwayForegroundSampler::Send(uint32_t type, const QByteArray& payload) {
    QByteArray message(kMagic, kMagicSize);
    const auto length = static_cast<uint32_t>(payload.size());
    message.append(reinterpret_cast<const char*>(&length), sizeof length);
    message.append(reinterpret_cast<const char*>(&type), sizeof type);
    message.append(payload);
    socket_.write(message);
}

void CSwayForegroundSampler::OnConnected() {
    const std::optional<uid_t> peer = PeerUid(socket_.socketDescriptor());
    if (!swayUid_) {
        swayUid_ = peer.value_or(getuid());
    } else if (peer != swayUid_) {
        refused_.insert(socket_.fullServerName());
        socket_.abort();  // lost again: the retry looks for another socket
        return;
    }
    buffer_.clear();
    treeRead_ = false;
    // Subscribed first, so no focus change falls between the tree and the events.
    Send(kSubscribe, QByteArrayLiteral(R"(["window"])"));
    Send(kGetTree, {});
    socket_.flush();
}

void CSwayForegroundSampler::OnReadyRead() {
    buffer_.append(socket_.readAll());
    while (buffer_.size() >= static_cast<qsizetype>(kHeaderSize)) {
        if (std::memcmp(buffer_.constData(), kMagic, kMagicSize) != 0) {
            socket_.abort();  // out of step: start over on a fresh connection
            return;
        }
        uint32_t length = 0;
        uint32_t type = 0;
        std::memcpy(&length, buffer_.constData() + kMagicSize, sizeof length);
        std::memcpy(&type, buffer_.constData() + kMagicSize + sizeof length, sizeof type);
        if (buffer_.size() < static_cast<qsizetype>(kHeaderSize + length)) {
            return;
        }
        const QJsonDocument body =
            QJsonDocument::fromJson(buffer_.mid(kHeaderSize, static_cast<qsizetype>(length)));
        buffer_.remove(0, static_cast<qsizetype>(kHeaderSize + length));
        TakeMessage(type, body.object());
    }
}

void CSwayForegroundSampler::TakeMessage(uint32_t type, const QJsonObject& body) {
    if (type == kGetTree) {
        focus_ = {};
        TakeTree(body);
        treeRead_ = true;
    } else if (type == kWindowEvent) {
        TakeWindowEvent(body);
    }
}

// The focused node of the tree, when it is a window (not an empty workspace).
void CSwayForegroundSampler::TakeTree(const QJsonObject& node) {
    if (node.value(QStringLiteral("focused")).toBool() && node.contains(QStringLiteral("pid"))) {
        TakeFocus(node);
        return;
    }
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue child : node.value(QLatin1String(children)).toArray()) {
            TakeTree(child.toObject());
        }
    }
}

void CSwayForegroundSampler::TakeWindowEvent(const QJsonObject& event) {
    const QString change = event.value(QStringLiteral("change")).toString();
    const QJsonObject window = event.value(QStringLiteral("container")).toObject();
    const qint64 id = window.value(QStringLiteral("id")).toInteger();
    if (change == QStringLiteral("focus")) {
        TakeFocus(window);
    } else if (change == QStringLiteral("title") && id == focus_.id) {
        focus_.title = CutBusText(window.value(QStringLiteral("name")).toString(), kMaxTitleChars);
    } else if (change == QStringLiteral("close") && id == focus_.id) {
        focus_ = {};
    }
}

void CSwayForegroundSampler::TakeFocus(const QJsonObject& window) {
    focus_.id = window.value(QStringLiteral("id")).toInteger();
    focus_.pid = static_cast<uint32_t>(window.value(QStringLiteral("pid")).toInteger());
    focus_.title = CutBusText(window.value(QStringLiteral("name")).toString(), kMaxTitleChars);
    const QJsonValue appId = window.value(QStringLiteral("app_id"));
    focus_.appId = CutBusText(appId.isString() ? appId.toString()
                                               : window.value(QStringLiteral("window_properties"))
                                                     .toObject()
                                                     .value(QStringLiteral("class"))
                                                     .toString(),
                              kMaxAppIdChars);
}

// A failed reconnect, or a loss reported as an error rather than a disconnection.
void CSwayForegroundSampler::OnSocketError() {
    if (socket_.state() == QLocalSocket::UnconnectedState && !reconnect_.Active()) {
        OnLost();
    }
}

void CSwayForegroundSampler::OnLost() {
    if (reconnect_.Active()) {
        return;
    }
    focus_ = {};
    treeRead_ = false;
    if (loss_.First()) {
        ShowMessage(FillPlaceholders(
            QCoreApplication::translate(
                "CSwayForegroundSampler",
                "Hourglint lost its connection to sway (%1). Until sway answers again, the seconds "
                "go to the program that was last in front; Hourglint reconnects by itself."),
            {socketPath_}));
    }
    reconnect_.Start([this] { return TryReconnect(); });
}

bool CSwayForegroundSampler::TryReconnect() {
    if (socket_.state() != QLocalSocket::UnconnectedState) {
        socket_.abort();
    }
    const QString path = NewestSocketBeside(QString::fromStdString(socketPath_),
                                            swayUid_.value_or(getuid()), refused_);
    if (path.isEmpty()) {
        return false;
    }
    socketPath_ = path.toStdString();
    // A refusal that comes later arrives as a lost connection, which starts again.
    socket_.connectToServer(path);
    return socket_.state() != QLocalSocket::UnconnectedState;
}

ForegroundSample CSwayForegroundSampler::Sample() {
    if (treeRead_) {
        loss_.Worked();
    }
    sampled_ = focus_;
    return ProcessSample(focus_.title, focus_.pid);
}

std::optional<IconImage> CSwayForegroundSampler::ExtractIcon(const std::string& path,
                                                             bool useSampledWindow) {
    return desktopIcons_.IconFor(path, useSampledWindow ? sampled_.appId : std::string());
}

int CSwayForegroundSampler::IconsRevision() {
    return desktopIcons_.Index().Revision();
}
