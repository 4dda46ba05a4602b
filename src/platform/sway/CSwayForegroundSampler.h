// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>
#include <QByteArray>
#include <QJsonObject>
#include <QLocalSocket>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/IForegroundSampler.h"
#include "platform/desktop/DesktopEntryIcons.h"

// The foreground window of sway (or another compositor speaking i3's IPC), kept from the
// window events it sends over its socket. A sample only reads the kept state: the tick
// never waits on the socket. After a loss only a socket of sway's own user is taken: the
// one whose file and listening process belong to the user of the sway first reached
// through $SWAYSOCK (the user's own sway, or the one a test runs as another user).
class CSwayForegroundSampler final : public QObject, public IForegroundSampler {
  public:
    // Connects to the socket and reads the focused window before returning (the program is
    // not counting yet). nullptr with the reason in error when the socket does not answer.
    static std::unique_ptr<CSwayForegroundSampler> Connect(const std::string& socketPath,
                                                           std::string& error);
    ~CSwayForegroundSampler() override;

    ForegroundSample Sample() override;
    std::optional<IconImage> ExtractIcon(const std::string& path, bool useSampledWindow) override;

    // Whether the socket is up; after a loss the sampler reconnects by itself.
    bool Connected() const;

  private:
    struct Focus {
        qint64 id = 0;
        uint32_t pid = 0;
        std::string title;
        std::string appId;  // Xwayland windows: their X11 class
    };

    explicit CSwayForegroundSampler(const std::string& socketPath);
    void Send(uint32_t type, const QByteArray& payload);
    void OnConnected();
    void OnReadyRead();
    void OnLost();
    void OnSocketError();
    void TryReconnect();
    void TakeMessage(uint32_t type, const QJsonObject& body);
    void TakeTree(const QJsonObject& node);
    void TakeWindowEvent(const QJsonObject& event);
    void TakeFocus(const QJsonObject& window);

    std::string m_socketPath;
    std::optional<uid_t> m_swayUid;  // of the first sway's process
    QSet<QString> m_refused;         // sockets whose listener is not sway's user
    QLocalSocket m_socket;
    QByteArray m_buffer;
    QTimer m_retry;
    bool m_lossShown = false;
    bool m_treeRead = false;
    Focus m_focus;
    Focus m_sampled;  // the window the last sample described
    CDesktopEntryIcons m_desktopIcons;
};
