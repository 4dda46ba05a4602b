// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "core/IForegroundSampler.h"
#include "platform/desktop/CDesktopEntryIcons.h"
#include "platform/system/CBusNameOwner.h"

class CDesktopEntryIndex;

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
    // reason in error when there is no session bus or the name cannot be had. Icons come
    // from the entries, which must outlive the sampler.
    static std::unique_ptr<CGnomeForegroundSampler> Connect(CDesktopEntryIndex& entries,
                                                            std::string& error);
    ~CGnomeForegroundSampler() override;

    ForegroundSample Sample() override;
    std::optional<IconImage> ExtractIcon(const std::string& path, bool useSampledWindow) override;
    int IconsRevision() override;

    // Whether the extension has answered and its name is still GNOME Shell's.
    bool Answering() { return answering_ && Believed(); }
    // The unique name of the last other program found holding the extension's name, once
    // standard error has said so.
    const QString& Stranger() const { return stranger_; }

  private slots:
    void OnChanged(const QDBusMessage& message);

  private:
    explicit CGnomeForegroundSampler(CDesktopEntryIndex& entries);
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

    CBusNameOwner shell_;
    CBusNameOwner extension_;
    bool registered_ = false;
    bool believed_ = false;
    bool answering_ = false;
    bool explained_ = false;
    QString strangerAsked_;  // whose pid was asked for, so each stranger is told once
    QString stranger_;
    uint32_t pid_ = 0;
    std::string class_;         // WM class: GNOME's app id on Wayland, the class on X11
    std::string sampledClass_;  // of the last sample, for its icon
    std::string title_;
    CDesktopEntryIcons desktopIcons_;
};
