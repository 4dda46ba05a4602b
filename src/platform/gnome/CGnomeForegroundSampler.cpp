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
#include "platform/gnome/GnomeExtension.h"
#include "platform/system/BusText.h"
#include "platform/system/OwnBusName.h"
#include "platform/system/ProcessExecutable.h"

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

std::unique_ptr<CGnomeForegroundSampler> CGnomeForegroundSampler::Connect(std::string& error) {
    std::unique_ptr<CGnomeForegroundSampler> sampler(new CGnomeForegroundSampler);
    if (!sampler->Start(error)) {
        return nullptr;
    }
    return sampler;
}

CGnomeForegroundSampler::CGnomeForegroundSampler()
    : m_shell(kShell), m_extension(QString::fromLatin1(kGnomeExtensionBusName)) {
    connect(&m_shell, &CBusNameOwner::OwnerChanged, this, &CGnomeForegroundSampler::Judge);
    connect(&m_extension, &CBusNameOwner::OwnerChanged, this, &CGnomeForegroundSampler::Judge);
}

CGnomeForegroundSampler::~CGnomeForegroundSampler() {
    if (m_registered) {
        QDBusConnection::sessionBus().unregisterService(
            OwnBusName(QCoreApplication::applicationPid()));
    }
}

bool CGnomeForegroundSampler::Start(std::string& error) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        error = "Hourglint cannot reach the session bus to ask GNOME Shell for the active window.";
        return false;
    }
    // The extension answers only the connection that owns this name.
    m_registered = bus.registerService(OwnBusName(QCoreApplication::applicationPid()));
    if (!m_registered) {
        error = "Hourglint cannot take its name on the session bus: " +
                bus.lastError().message().toStdString();
        return false;
    }
    // Signals are sent to this connection alone; the match only picks the extension's.
    bus.connect(kGnomeExtensionBusName, kGnomeExtensionPath, kGnomeExtensionInterface,
                QStringLiteral("Changed"), this, SLOT(OnChanged(QDBusMessage)));
    // Both owners were asked before the name was taken, so their answers are in by now.
    m_believed = Believed();
    if (m_believed) {
        Greet(true);
    } else {
        Judge();
    }
    if (!m_answering) {
        Explain();
    }
    return true;
}

bool CGnomeForegroundSampler::Believed() {
    const QString owner = m_extension.Owner();
    return !owner.isEmpty() && m_shell.IsOwner(owner);
}

void CGnomeForegroundSampler::Judge() {
    const bool believed = Believed();
    if (believed != m_believed) {
        m_believed = believed;
        Forget();
        if (believed) {
            Greet(false);
        }
    }
    const QString owner = m_extension.Owner();
    if (!believed && !owner.isEmpty() && m_shell.Known()) {
        TellStranger(owner);
    }
}

void CGnomeForegroundSampler::Forget() {
    m_answering = false;
    m_pid = 0;
    m_class.clear();
    m_title.clear();
}

// Once per stranger, with its pid when the bus knows it.
void CGnomeForegroundSampler::TellStranger(const QString& owner) {
    if (owner == m_strangerAsked) {
        return;
    }
    m_strangerAsked = owner;
    QDBusMessage ask =
        Call(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
             QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetConnectionUnixProcessID"),
             {owner});
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, owner] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> pid = *watcher;
        const std::string who =
            owner.toStdString() +
            (pid.isError() ? std::string() : " (pid " + std::to_string(pid.value()) + ")");
        std::fprintf(stderr,
                     "Hourglint: %s is held by %s, not by GNOME Shell; its answers are not "
                     "believed, and nothing is counted while it holds the name.\n",
                     kGnomeExtensionBusName, who.c_str());
        m_stranger = owner;
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
            m_shell.IsOwner(reply.service())) {
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
    if (Believed() && m_shell.IsOwner(message.service())) {
        Take(message.arguments());
    }
}

void CGnomeForegroundSampler::Take(const QVariantList& values) {
    if (values.size() != 3) {
        return;
    }
    m_answering = true;
    m_pid = values[0].toUInt();
    m_class = CutBusText(values[1].toString(), kMaxSampleAppIdChars);
    m_title = CutBusText(values[2].toString(), kMaxSampleTitleChars);
}

// One message with what to do; where the shell already knows the extension it is offered
// to enable it, else to install the form that fits the running shell.
void CGnomeForegroundSampler::Explain() {
    if (m_explained) {
        return;
    }
    m_explained = true;
    const std::string uuid = kGnomeExtensionUuid;
    const int major = GnomeShellMajor(ShellVersion());
    const std::string known = KnownExtensionFolder();
    const bool fits =
        known.empty() ? GnomeExtensionCopyFits(major) : GnomeExtensionFolderFits(known, major);
    std::string text =
        "On GNOME, Hourglint learns which window is in front from its own small GNOME Shell "
        "extension (" +
        uuid +
        "). It tells Hourglint only the focused window's process id, WM class and title, and "
        "reads nothing else. It is not enabled, so Hourglint counts nothing for now; it keeps "
        "running and starts counting as soon as the extension answers.\n\nTo enable it: run\n"
        "    gnome-extensions enable " +
        uuid +
        "\nor switch on \"Hourglint focused window\" in the Extensions app. GNOME on Wayland "
        "loads a newly installed extension only after the next login.";
    if (!known.empty() && fits) {
        Offer(text + "\n\nEnable it now?", [this](bool accepted) {
            if (accepted) {
                EnableThroughShell();
            }
        });
    } else if (major > 0 && !fits) {
        text += "\n\nNo installed copy fits GNOME Shell " + std::to_string(major) +
                ". Install the fitting one into " + GnomeExtensionUserFolder() + " and enable it?";
        Offer(text, [this, major](bool accepted) {
            if (!accepted) {
                return;
            }
            std::string error;
            if (!InstallGnomeExtensionForUser(major, error)) {
                ShowMessage("Hourglint could not install its GNOME Shell extension: " + error);
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
            ShowMessage(
                "GNOME Shell did not enable Hourglint's extension now. Log out and in again, "
                "then enable it with: gnome-extensions enable " +
                std::string(kGnomeExtensionUuid));
        }
        watcher->deleteLater();
    });
}

ForegroundSample CGnomeForegroundSampler::Sample() {
    m_sampledClass = m_class;
    if (!Answering()) {
        return {};
    }
    return ProcessSample(m_title, m_pid);
}

std::optional<IconImage> CGnomeForegroundSampler::ExtractIcon(const std::string& path,
                                                              bool useSampledWindow) {
    return m_desktopIcons.IconFor(path, useSampledWindow ? m_sampledClass : std::string());
}
