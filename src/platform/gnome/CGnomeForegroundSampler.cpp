// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/CGnomeForegroundSampler.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <cstdio>

#include "core/Message.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/gnome/GnomeExtension.h"
#include "platform/system/BusText.h"
#include "platform/system/OwnBusName.h"
#include "platform/system/ProcessExecutable.h"
#include "platform/system/Translations.h"

namespace {

const QString kShell = QStringLiteral("org.gnome.Shell");
const QString kShellPath = QStringLiteral("/org/gnome/Shell");
const QString kExtensionsInterface = QStringLiteral("org.gnome.Shell.Extensions");
constexpr int kStartWaitMs = 3000;

QDBusMessage Call(const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    return call;
}

QDBusMessage CallExtension(const char* method) {
    return Call(kGnomeExtensionBusName, kGnomeExtensionPath, kGnomeExtensionInterface, method);
}

std::string ShellVersion() {
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        Call(kShell, kShellPath, QStringLiteral("org.freedesktop.DBus.Properties"),
             QStringLiteral("Get"), {kShell, QStringLiteral("ShellVersion")}),
        QDBus::Block, kStartWaitMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return reply.arguments().first().value<QDBusVariant>().variant().toString().toStdString();
}

// The folder of the copy the running shell knows (installed before it started); "" for none.
std::string KnownExtensionFolder() {
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        Call(kShell, kShellPath, kExtensionsInterface, QStringLiteral("GetExtensionInfo"),
             {QString::fromUtf8(kGnomeExtensionUuid)}),
        QDBus::Block, kStartWaitMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return qdbus_cast<QVariantMap>(reply.arguments().first())
        .value(QStringLiteral("path"))
        .toString()
        .toStdString();
}

}  // namespace

std::unique_ptr<CGnomeForegroundSampler> CGnomeForegroundSampler::Connect(
    CDesktopEntryIndex& entries, std::string& error) {
    std::unique_ptr<CGnomeForegroundSampler> sampler(new CGnomeForegroundSampler(entries));
    if (!sampler->Start(error)) {
        return nullptr;
    }
    return sampler;
}

CGnomeForegroundSampler::CGnomeForegroundSampler(CDesktopEntryIndex& entries)
    : shell_(kShell),
      extension_(QString::fromLatin1(kGnomeExtensionBusName)),
      desktopIcons_(entries) {
    connect(&shell_, &CBusNameOwner::OwnerChanged, this, &CGnomeForegroundSampler::Judge);
    connect(&extension_, &CBusNameOwner::OwnerChanged, this, &CGnomeForegroundSampler::Judge);
}

CGnomeForegroundSampler::~CGnomeForegroundSampler() {
    if (registered_) {
        QDBusConnection::sessionBus().unregisterService(
            OwnBusName(QCoreApplication::applicationPid()));
    }
}

bool CGnomeForegroundSampler::Start(std::string& error) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        error =
            QCoreApplication::translate(
                "CGnomeForegroundSampler",
                "Hourglint cannot reach the session bus to ask GNOME Shell for the active window.")
                .toStdString();
        return false;
    }
    // The extension answers only the connection that owns this name.
    registered_ = bus.registerService(OwnBusName(QCoreApplication::applicationPid()));
    if (!registered_) {
        error = FillPlaceholders(
            QCoreApplication::translate("CGnomeForegroundSampler",
                                        "Hourglint cannot take its name on the session bus: %1"),
            {bus.lastError().message().toStdString()});
        return false;
    }
    // Signals are sent to this connection alone; the match only picks the extension's.
    bus.connect(kGnomeExtensionBusName, kGnomeExtensionPath, kGnomeExtensionInterface,
                QStringLiteral("Changed"), this, SLOT(OnChanged(QDBusMessage)));
    // Both owners were asked before the name was taken, so their answers are in by now.
    believed_ = Believed();
    if (believed_) {
        Greet(true);
    } else {
        Judge();
    }
    if (!answering_) {
        Explain();
    }
    return true;
}

bool CGnomeForegroundSampler::Believed() {
    const QString owner = extension_.Owner();
    return !owner.isEmpty() && shell_.IsOwner(owner);
}

void CGnomeForegroundSampler::Judge() {
    const bool believed = Believed();
    if (believed != believed_) {
        believed_ = believed;
        Forget();
        if (believed) {
            Greet(false);
        }
    }
    const QString owner = extension_.Owner();
    if (!believed && !owner.isEmpty() && shell_.Known()) {
        TellStranger(owner);
    }
}

void CGnomeForegroundSampler::Forget() {
    answering_ = false;
    pid_ = 0;
    class_.clear();
    title_.clear();
}

// Once per stranger, with its pid when the bus knows it.
void CGnomeForegroundSampler::TellStranger(const QString& owner) {
    if (owner == strangerAsked_) {
        return;
    }
    strangerAsked_ = owner;
    QDBusMessage ask =
        Call(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
             QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixProcessID"),
             {owner});
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, owner] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> pid = *watcher;
        const std::string who =
            pid.isError() ? owner.toStdString()
                          : FillPlaceholders(QCoreApplication::translate("CGnomeForegroundSampler",
                                                                         "%1 (pid %2)"),
                                             {owner.toStdString(), std::to_string(pid.value())});
        const std::string text =
            FillPlaceholders(QCoreApplication::translate(
                                 "CGnomeForegroundSampler",
                                 "%1 is held by %2, not by GNOME Shell; its answers are not "
                                 "believed, and nothing is counted while it holds the name."),
                             {kGnomeExtensionBusName, who});
        std::fprintf(stderr, "Hourglint: %s\n", text.c_str());
        stranger_ = owner;
    });
}

void CGnomeForegroundSampler::Greet(bool blocking) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Subscribed before asking, so no change falls between the answer and the signals.
    bus.asyncCall(CallExtension("Subscribe"));
    const QDBusMessage get = CallExtension("Get");
    auto take = [this](const QDBusMessage& reply) {
        // Only an answer from the shell's own connection, while it still holds the name.
        if (reply.type() == QDBusMessage::ReplyMessage && Believed() &&
            shell_.IsOwner(reply.service())) {
            Take(reply.arguments());
        }
    };
    if (blocking) {
        take(bus.call(get, QDBus::Block, kStartWaitMs));
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, take] {
        take(watcher->reply());
        watcher->deleteLater();
    });
}

void CGnomeForegroundSampler::OnChanged(const QDBusMessage& message) {
    if (Believed() && shell_.IsOwner(message.service())) {
        Take(message.arguments());
    }
}

void CGnomeForegroundSampler::Take(const QVariantList& values) {
    if (values.size() != 3) {
        return;
    }
    answering_ = true;
    pid_ = values[0].toUInt();
    class_ = CutBusText(values[1].toString(), kMaxAppIdChars);
    title_ = CutBusText(values[2].toString(), kMaxTitleChars);
}

// One message with what to do; where the shell already knows the extension it is offered
// to enable it, else to install the form that fits the running shell.
void CGnomeForegroundSampler::Explain() {
    if (explained_) {
        return;
    }
    explained_ = true;
    const std::string uuid = kGnomeExtensionUuid;
    const int major = GnomeShellMajor(ShellVersion());
    const std::string known = KnownExtensionFolder();
    const bool fits =
        known.empty() ? GnomeExtensionCopyFits(major) : GnomeExtensionFolderFits(known, major);
    const std::string text = FillPlaceholders(
        QCoreApplication::translate(
            "CGnomeForegroundSampler",
            "On GNOME, Hourglint learns which window is in front from its own small GNOME Shell "
            "extension (%1). It tells Hourglint only the focused window's process id, WM class and "
            "title, and reads nothing else. It is not enabled, so Hourglint counts nothing for "
            "now; it keeps running and starts counting as soon as the extension answers.\n\nTo "
            "enable it: run\n    gnome-extensions enable %1\nor switch on \"Hourglint focused "
            "window\" in the Extensions app. GNOME on Wayland loads a newly installed extension "
            "only after the next login."),
        {uuid});
    if (!known.empty() && fits) {
        Offer(text + "\n\n" +
                  QCoreApplication::translate("CGnomeForegroundSampler", "Enable it now?")
                      .toStdString(),
              [this](bool accepted) {
                  if (accepted) {
                      EnableThroughShell();
                  }
              });
    } else if (major > 0 && !fits) {
        const std::string install = FillPlaceholders(
            QCoreApplication::translate("CGnomeForegroundSampler",
                                        "No installed copy fits GNOME Shell %1. Install the "
                                        "fitting one into %2 and enable it?"),
            {std::to_string(major), GnomeExtensionUserFolder()});
        Offer(text + "\n\n" + install, [this, major](bool accepted) {
            if (!accepted) {
                return;
            }
            std::string error;
            if (!InstallGnomeExtensionForUser(major, error)) {
                ShowMessage(FillPlaceholders(
                    QCoreApplication::translate(
                        "CGnomeForegroundSampler",
                        "Hourglint could not install its GNOME Shell extension: %1"),
                    {error}));
                return;
            }
            EnableThroughShell();
        });
    } else {
        ShowMessage(text);
    }
}

// The shell's own Extensions interface also records the choice for the next login.
void CGnomeForegroundSampler::EnableThroughShell() {
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(Call(kShell, kShellPath, kExtensionsInterface,
                                                     QStringLiteral("EnableExtension"),
                                                     {QString::fromUtf8(kGnomeExtensionUuid)})),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher] {
        const QDBusPendingReply<bool> reply = *watcher;
        if (reply.isError() || !reply.value()) {
            ShowMessage(FillPlaceholders(
                QCoreApplication::translate(
                    "CGnomeForegroundSampler",
                    "GNOME Shell did not enable Hourglint's extension now. Log out and in again, "
                    "then enable it with: gnome-extensions enable %1"),
                {kGnomeExtensionUuid}));
        }
        watcher->deleteLater();
    });
}

ForegroundSample CGnomeForegroundSampler::Sample() {
    sampledClass_ = class_;
    if (!Answering()) {
        return {};
    }
    return ProcessSample(title_, pid_);
}

std::optional<IconImage> CGnomeForegroundSampler::ExtractIcon(const std::string& path,
                                                              bool useSampledWindow) {
    return desktopIcons_.IconFor(path, useSampledWindow ? sampledClass_ : std::string());
}

int CGnomeForegroundSampler::IconsRevision() {
    return desktopIcons_.Index().Revision();
}
