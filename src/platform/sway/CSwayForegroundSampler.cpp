// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sway/CSwayForegroundSampler.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstring>

#include "core/Message.h"
#include "platform/system/BusText.h"
#include "platform/system/ProcessExecutable.h"

namespace {

// i3 IPC: "i3-ipc", payload length and message type in native byte order, then JSON.
constexpr char kMagic[] = "i3-ipc";
constexpr std::size_t kMagicSize = sizeof kMagic - 1;
constexpr std::size_t kHeaderSize = kMagicSize + 2 * sizeof(uint32_t);
constexpr uint32_t kSubscribe = 2;
constexpr uint32_t kGetTree = 4;
constexpr uint32_t kEventBit = 0x80000000u;
constexpr uint32_t kWindowEvent = kEventBit | 3;
constexpr int kRetryMs = 1000;
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
    const std::string& socketPath, std::string& error) {
    std::unique_ptr<CSwayForegroundSampler> sampler(new CSwayForegroundSampler(socketPath));
    QLocalSocket& socket = sampler->m_socket;
    socket.connectToServer(QString::fromStdString(socketPath));
    QElapsedTimer waited;
    waited.start();
    if (!socket.waitForConnected(kStartWaitMs)) {
        error = "Hourglint cannot reach sway's IPC socket (" + socketPath +
                "): " + socket.errorString().toStdString() + ".";
        return nullptr;
    }
    // The focused window before the first second is counted (readyRead handles the tree).
    while (!sampler->m_treeRead && waited.elapsed() < kStartWaitMs) {
        if (!socket.waitForReadyRead(static_cast<int>(kStartWaitMs - waited.elapsed()))) {
            break;
        }
    }
    if (!sampler->m_treeRead) {
        error = "sway's IPC socket (" + socketPath + ") did not answer.";
        return nullptr;
    }
    // From now on a loss is news for the user.
    connect(&socket, &QLocalSocket::disconnected, sampler.get(), &CSwayForegroundSampler::OnLost);
    connect(&socket, &QLocalSocket::errorOccurred, sampler.get(),
            [s = sampler.get()] { s->OnSocketError(); });
    return sampler;
}

CSwayForegroundSampler::CSwayForegroundSampler(const std::string& socketPath)
    : m_socketPath(socketPath) {
    connect(&m_socket, &QLocalSocket::connected, this, &CSwayForegroundSampler::OnConnected);
    connect(&m_socket, &QLocalSocket::readyRead, this, &CSwayForegroundSampler::OnReadyRead);
    m_retry.setInterval(kRetryMs);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &CSwayForegroundSampler::TryReconnect);
}

CSwayForegroundSampler::~CSwayForegroundSampler() {
    m_socket.disconnect(this);
    m_socket.abort();
}

bool CSwayForegroundSampler::Connected() const {
    return m_socket.state() == QLocalSocket::ConnectedState && m_treeRead;
}

void CSwayForegroundSampler::Send(uint32_t type, const QByteArray& payload) {
    QByteArray message(kMagic, kMagicSize);
    const auto length = static_cast<uint32_t>(payload.size());
    message.append(reinterpret_cast<const char*>(&length), sizeof length);
    message.append(reinterpret_cast<const char*>(&type), sizeof type);
    message.append(payload);
    m_socket.write(message);
}

void CSwayForegroundSampler::OnConnected() {
    const std::optional<uid_t> peer = PeerUid(m_socket.socketDescriptor());
    if (!m_swayUid) {
        m_swayUid = peer.value_or(getuid());
    } else if (peer != m_swayUid) {
        m_refused.insert(m_socket.fullServerName());
        m_socket.abort();  // lost again: the retry looks for another socket
        return;
    }
    m_buffer.clear();
    m_treeRead = false;
    // Subscribed first, so no focus change falls between the tree and the events.
    Send(kSubscribe, QByteArrayLiteral(R"(["window"])"));
    Send(kGetTree, {});
    m_socket.flush();
}

void CSwayForegroundSampler::OnReadyRead() {
    m_buffer.append(m_socket.readAll());
    while (m_buffer.size() >= static_cast<qsizetype>(kHeaderSize)) {
        if (std::memcmp(m_buffer.constData(), kMagic, kMagicSize) != 0) {
            m_socket.abort();  // out of step: start over on a fresh connection
            return;
        }
        uint32_t length = 0;
        uint32_t type = 0;
        std::memcpy(&length, m_buffer.constData() + kMagicSize, sizeof length);
        std::memcpy(&type, m_buffer.constData() + kMagicSize + sizeof length, sizeof type);
        if (m_buffer.size() < static_cast<qsizetype>(kHeaderSize + length)) {
            return;
        }
        const QJsonDocument body =
            QJsonDocument::fromJson(m_buffer.mid(kHeaderSize, static_cast<qsizetype>(length)));
        m_buffer.remove(0, static_cast<qsizetype>(kHeaderSize + length));
        TakeMessage(type, body.object());
    }
}

void CSwayForegroundSampler::TakeMessage(uint32_t type, const QJsonObject& body) {
    if (type == kGetTree) {
        m_focus = {};
        TakeTree(body);
        m_treeRead = true;
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
    } else if (change == QStringLiteral("title") && id == m_focus.id) {
        m_focus.title =
            CutBusText(window.value(QStringLiteral("name")).toString(), kMaxSampleTitleChars);
    } else if (change == QStringLiteral("close") && id == m_focus.id) {
        m_focus = {};
    }
}

void CSwayForegroundSampler::TakeFocus(const QJsonObject& window) {
    m_focus.id = window.value(QStringLiteral("id")).toInteger();
    m_focus.pid = static_cast<uint32_t>(window.value(QStringLiteral("pid")).toInteger());
    m_focus.title =
        CutBusText(window.value(QStringLiteral("name")).toString(), kMaxSampleTitleChars);
    const QJsonValue appId = window.value(QStringLiteral("app_id"));
    m_focus.appId = CutBusText(appId.isString() ? appId.toString()
                                                : window.value(QStringLiteral("window_properties"))
                                                      .toObject()
                                                      .value(QStringLiteral("class"))
                                                      .toString(),
                               kMaxSampleAppIdChars);
}

// A failed reconnect, or a loss reported as an error rather than a disconnection.
void CSwayForegroundSampler::OnSocketError() {
    if (m_socket.state() == QLocalSocket::UnconnectedState && !m_retry.isActive()) {
        OnLost();
    }
}

void CSwayForegroundSampler::OnLost() {
    if (m_retry.isActive()) {
        return;
    }
    m_focus = {};
    m_treeRead = false;
    if (!m_lossShown) {
        m_lossShown = true;
        ShowMessage("Hourglint lost its connection to sway (" + m_socketPath +
                    "). Until sway answers again, the seconds go to the program that was "
                    "last in front; Hourglint reconnects by itself.");
    }
    m_retry.start();
}

void CSwayForegroundSampler::TryReconnect() {
    if (m_socket.state() != QLocalSocket::UnconnectedState) {
        m_socket.abort();
    }
    const QString path = NewestSocketBeside(QString::fromStdString(m_socketPath),
                                            m_swayUid.value_or(getuid()), m_refused);
    if (path.isEmpty()) {
        m_retry.start();
        return;
    }
    m_socketPath = path.toStdString();
    m_socket.connectToServer(path);
    if (m_socket.state() == QLocalSocket::UnconnectedState) {
        m_retry.start();
    }
}

ForegroundSample CSwayForegroundSampler::Sample() {
    if (m_treeRead) {
        m_lossShown = false;  // a later loss is news again
    }
    m_sampled = m_focus;
    return ProcessSample(m_focus.title, m_focus.pid);
}

std::optional<IconImage> CSwayForegroundSampler::ExtractIcon(const std::string& path,
                                                             bool useSampledWindow) {
    return m_desktopIcons.IconFor(path, useSampledWindow ? m_sampled.appId : std::string());
}
