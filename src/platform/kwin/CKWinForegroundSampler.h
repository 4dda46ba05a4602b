// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusVirtualObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "core/IForegroundSampler.h"
#include "platform/desktop/DesktopEntryIcons.h"
#include "platform/system/CBusNameOwner.h"

// The foreground window of KWin (KDE Plasma on Wayland). A KWin script loaded at start
// calls back over the session bus on every activation and caption change; a sample only
// reads the last state those calls gave, so the tick never waits on the bus.
class CKWinForegroundSampler final : public QDBusVirtualObject, public IForegroundSampler {
  public:
    // Takes Hourglint's bus name, removes scripts left by copies that are gone, and loads
    // and starts the script. nullptr with the reason in error when KWin refuses.
    static std::unique_ptr<CKWinForegroundSampler> Connect(std::string& error);
    // Unloads the script and gives up the name.
    ~CKWinForegroundSampler() override;

    ForegroundSample Sample() override;
    std::optional<IconImage> ExtractIcon(const std::string& path, bool useSampledWindow) override;

    // This copy's bus name and script name: both carry the process id, so two copies
    // never unload each other's script.
    static QString ServiceName(qint64 pid);
    static QString PluginName(qint64 pid);

    // Activated is believed only from the connection that owns org.kde.KWin now; any other
    // caller gets AccessDenied.
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;
    QString introspect(const QString& path) const override;

  private:
    CKWinForegroundSampler() = default;
    bool Start(std::string& error);
    void UnloadScript();

    std::unique_ptr<CBusNameOwner> m_kwin;
    QString m_scriptFile;
    bool m_loaded = false;
    bool m_registered = false;
    uint32_t m_pid = 0;
    std::string m_title;
    std::string m_class;
    std::string m_sampledClass;  // of the window the last sample described
    CDesktopEntryIcons m_desktopIcons;
};
