// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/CGnomeForegroundSampler.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include "core/Message.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/gnome/GnomeExtension.h"
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

std::unique_ptr<CGnomeForegroundSampler> CGnomeForegroundSampler::Connect(
    CDesktopEntryIndex& entries, std::string& error) {
    std::unique_ptr<CGnomeForegroundSampler> sampler(new CGnomeForegroundSampler(entries));
    if (!sampler->Start(error)) {
        return nullptr;
    }
    return sampler;
}

CGnomeForegroundSampler::CGnomeForegroundSampler(CDesktopEntryIndex& entries)
    : m_watcher(
          kGnomeExtensionBusName, QDBusConnection::sessionBus(),
          QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration),
      m_desktopIcons(entries) {
    connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] { Greet(false); });
    connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        m_answering = false;
        m_pid = 0;
        m_class.clear();
        m_title.clear();
    });
}

bool CGnomeForegroundSampler::Start(std::string& error) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        error = "Hourglint cannot reach the session bus to ask GNOME Shell for the active window.";
        return false;
    }
    // Signals are sent to this connection alone; the match only picks the extension's.
    bus.connect(kGnomeExtensionBusName, kGnomeExtensionPath, kGnomeExtensionInterface,
                QStringLiteral("Changed"), this, SLOT(OnChanged(uint, QString, QString)));
    if (bus.interface()->isServiceRegistered(kGnomeExtensionBusName).value()) {
        Greet(true);
    }
    if (!m_answering) {
        Explain();
    }
    return true;
}

void CGnomeForegroundSampler::Greet(bool blocking) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Subscribed before asking, so no change falls between the answer and the signals.
    bus.asyncCall(CallExtension("Subscribe"));
    const QDBusMessage get = CallExtension("Get");
    auto take = [this](const QDBusMessage& reply) {
        const QVariantList values = reply.arguments();
        if (reply.type() == QDBusMessage::ReplyMessage && values.size() == 3) {
            OnChanged(values[0].toUInt(), values[1].toString(), values[2].toString());
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

void CGnomeForegroundSampler::OnChanged(uint pid, const QString& wmClass, const QString& title) {
    m_answering = true;
    m_pid = pid;
    m_class = wmClass.toStdString();
    m_title = title.toStdString();
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
    if (!m_answering) {
        return {};
    }
    return ProcessSample(m_title, m_pid);
}

std::optional<IconImage> CGnomeForegroundSampler::ExtractIcon(const std::string& path,
                                                              bool useSampledWindow) {
    return m_desktopIcons.IconFor(path, useSampledWindow ? m_sampledClass : std::string());
}

int CGnomeForegroundSampler::IconsRevision() {
    return m_desktopIcons.Index().Revision();
}
