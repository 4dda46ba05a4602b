// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "core/IForegroundSampler.h"
#include "platform/desktop/DesktopEntryIcons.h"
#include "platform/system/CBusNameOwner.h"

// The focused window of GNOME Shell, told by Hourglint's own extension: after Subscribe it
// signals every change of focus or title to this program alone. A sample only reads the
// kept state, so the tick never waits on the bus. Without the extension the program keeps
// running, explains once what to do, and starts counting when the extension appears.
// The extension's name is believed only while GNOME Shell's own connection owns it: any
// other program could take the name while the extension is off.
class CGnomeForegroundSampler final : public QObject, public IForegroundSampler {
    Q_OBJECT

  public:
    // Takes Hourglint's bus name, which the extension asks callers for. nullptr with the
    // reason in error when there is no session bus or the name cannot be had.
    static std::unique_ptr<CGnomeForegroundSampler> Connect(std::string& error);
    ~CGnomeForegroundSampler() override;

    ForegroundSample Sample() override;
    std::optional<IconImage> ExtractIcon(const std::string& path, bool useSampledWindow) override;

    // Whether the extension has answered and its name is still GNOME Shell's.
    bool Answering() { return m_answering && Believed(); }
    // The unique name of the last other program found holding the extension's name, once
    // standard error has said so.
    const QString& Stranger() const { return m_stranger; }

  private slots:
    void OnChanged(const QDBusMessage& message);

  private:
    CGnomeForegroundSampler();
    bool Start(std::string& error);
    bool Believed();
    // Called on every owner change of the shell's or the extension's name.
    void Judge();
    void Forget();
    void TellStranger(const QString& owner);
    // Takes a Get answer or a Changed signal whose arguments fit.
    void Take(const QVariantList& values);
    // Subscribes and asks for the focused window; blocking only before counting starts.
    void Greet(bool blocking);
    void Explain();
    void EnableThroughShell();

    CBusNameOwner m_shell;
    CBusNameOwner m_extension;
    bool m_registered = false;
    bool m_believed = false;
    bool m_answering = false;
    bool m_explained = false;
    QString m_strangerAsked;  // whose pid was asked for, so each stranger is told once
    QString m_stranger;
    uint32_t m_pid = 0;
    std::string m_class;         // WM class: GNOME's app id on Wayland, the class on X11
    std::string m_sampledClass;  // of the last sample, for its icon
    std::string m_title;
    CDesktopEntryIcons m_desktopIcons;
};
