// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "core/IForegroundSampler.h"
#include "platform/desktop/DesktopEntryIcons.h"

class CDesktopEntryIndex;

// The focused window of GNOME Shell, told by Hourglint's own extension: after Subscribe it
// signals every change of focus or title to this program alone. A sample only reads the
// kept state, so the tick never waits on the bus. Without the extension the program keeps
// running, explains once what to do, and starts counting when the extension appears.
class CGnomeForegroundSampler final : public QObject, public IForegroundSampler {
    Q_OBJECT

  public:
    // nullptr with the reason in error only when there is no session bus. Icons come from
    // the entries, which must outlive the sampler.
    static std::unique_ptr<CGnomeForegroundSampler> Connect(CDesktopEntryIndex& entries,
                                                            std::string& error);

    ForegroundSample Sample() override;
    std::optional<IconImage> ExtractIcon(const std::string& path, bool useSampledWindow) override;
    int IconsRevision() override;

    // Whether the extension has answered and is still on the bus.
    bool Answering() const { return m_answering; }

  private slots:
    void OnChanged(uint pid, const QString& wmClass, const QString& title);

  private:
    explicit CGnomeForegroundSampler(CDesktopEntryIndex& entries);
    bool Start(std::string& error);
    // Subscribes and asks for the focused window; blocking only before counting starts.
    void Greet(bool blocking);
    void Explain();
    void EnableThroughShell();

    QDBusServiceWatcher m_watcher;
    bool m_answering = false;
    bool m_explained = false;
    uint32_t m_pid = 0;
    std::string m_class;         // WM class: GNOME's app id on Wayland, the class on X11
    std::string m_sampledClass;  // of the last sample, for its icon
    std::string m_title;
    CDesktopEntryIcons m_desktopIcons;
};
