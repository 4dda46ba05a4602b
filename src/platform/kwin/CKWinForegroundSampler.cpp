// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/kwin/CKWinForegroundSampler.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/system/BusText.h"
#include "platform/system/OwnBusName.h"
#include "platform/system/ProcessExecutable.h"

namespace {

const QString kKWin = QStringLiteral("org.kde.KWin");
const QString kScriptingPath = QStringLiteral("/Scripting");
const QString kScriptingInterface = QStringLiteral("org.kde.kwin.Scripting");
const QString kObjectPath = QStringLiteral("/Foreground");
const QString kInterface = QStringLiteral("org.hourglint.Foreground");
const QString kFilePrefix = QStringLiteral("hourglint-kwin-");
const QString kFileSuffix = QStringLiteral(".js");
constexpr int kCallTimeoutMs = 5000;

QDBusMessage CallScripting(const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kKWin, kScriptingPath, kScriptingInterface, method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, kCallTimeoutMs);
}

QString ScriptFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

// A copy that was killed never unloaded its script: its file is still here, its bus name
// is gone.
void RemoveOrphanScripts(qint64 ownPid) {
    QDir folder(ScriptFolder());
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    for (const QString& file : folder.entryList({kFilePrefix + "*" + kFileSuffix}, QDir::Files)) {
        bool number = false;
        const qint64 pid =
            file.mid(kFilePrefix.size(), file.size() - kFilePrefix.size() - kFileSuffix.size())
                .toLongLong(&number);
        if (!number || pid == ownPid ||
            bus->isServiceRegistered(CKWinForegroundSampler::ServiceName(pid)).value()) {
            continue;
        }
        CallScripting(QStringLiteral("unloadScript"), {CKWinForegroundSampler::PluginName(pid)});
        folder.remove(file);
    }
}

}  // namespace

QString CKWinForegroundSampler::ServiceName(qint64 pid) {
    return OwnBusName(pid);
}

QString CKWinForegroundSampler::PluginName(qint64 pid) {
    return QStringLiteral("hourglint_%1").arg(pid);
}

std::unique_ptr<CKWinForegroundSampler> CKWinForegroundSampler::Connect(std::string& error) {
    std::unique_ptr<CKWinForegroundSampler> sampler(new CKWinForegroundSampler);
    if (!sampler->Start(error)) {
        return nullptr;
    }
    return sampler;
}

bool CKWinForegroundSampler::Start(std::string& error) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const qint64 pid = QCoreApplication::applicationPid();
    if (!bus.isConnected()) {
        error = "Hourglint cannot reach the session bus to ask KWin for the active window.";
        return false;
    }
    // Asked before the script is loaded: its first call comes after the answer.
    m_kwin = std::make_unique<CBusNameOwner>(kKWin);
    if (!bus.registerService(ServiceName(pid))) {
        error = "Hourglint cannot take its name on the session bus: " +
                bus.lastError().message().toStdString();
        return false;
    }
    m_registered = bus.registerVirtualObject(kObjectPath, this);
    if (!m_registered) {
        error = "Hourglint cannot offer its object on the session bus.";
        return false;
    }
    RemoveOrphanScripts(pid);

    QFile resource(QStringLiteral(":/kwin/ActiveWindow.js"));
    if (!resource.open(QIODevice::ReadOnly)) {
        error = "The KWin script is missing from the program.";
        return false;
    }
    QByteArray script = resource.readAll();
    script.replace("@SERVICE@", ServiceName(pid).toUtf8());
    QDir().mkpath(ScriptFolder());
    m_scriptFile = ScriptFolder() + "/" + kFilePrefix + QString::number(pid) + kFileSuffix;
    QSaveFile file(m_scriptFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size() || !file.commit()) {
        error = "Hourglint cannot write its KWin script to " + m_scriptFile.toStdString() + ".";
        return false;
    }

    const QDBusMessage loaded =
        CallScripting(QStringLiteral("loadScript"), {m_scriptFile, PluginName(pid)});
    if (loaded.type() != QDBusMessage::ReplyMessage || loaded.arguments().isEmpty() ||
        loaded.arguments().first().toInt() < 0) {
        error = "KWin did not load Hourglint's script" +
                (loaded.type() == QDBusMessage::ErrorMessage
                     ? ": " + loaded.errorMessage().toStdString()
                     : std::string()) +
                ".";
        return false;
    }
    m_loaded = true;
    CallScripting(QStringLiteral("start"));
    return true;
}

CKWinForegroundSampler::~CKWinForegroundSampler() {
    UnloadScript();
}

void CKWinForegroundSampler::UnloadScript() {
    const qint64 pid = QCoreApplication::applicationPid();
    if (m_loaded) {
        CallScripting(QStringLiteral("unloadScript"), {PluginName(pid)});
        m_loaded = false;
    }
    if (!m_scriptFile.isEmpty()) {
        QFile::remove(m_scriptFile);
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (m_registered) {
        bus.unregisterObject(kObjectPath);
        bus.unregisterService(ServiceName(pid));
        m_registered = false;
    }
}

bool CKWinForegroundSampler::handleMessage(const QDBusMessage& message,
                                           const QDBusConnection& connection) {
    const QVariantList arguments = message.arguments();
    if (message.interface() != kInterface || message.member() != QStringLiteral("Activated") ||
        arguments.size() != 3) {
        return false;
    }
    if (!m_kwin || !m_kwin->IsOwner(message.service())) {
        if (message.isReplyRequired()) {
            connection.send(message.createErrorReply(QDBusError::AccessDenied,
                                                     QStringLiteral("Only KWin tells this.")));
        }
        return true;
    }
    // The script passes the pid as a number and the class as text or bytes, whichever
    // KWin's types give: read all three by value.
    const QString caption = arguments[0].toString();
    const QString resourceClass = arguments[1].toString();
    const auto pid = static_cast<uint32_t>(arguments[2].toLongLong());
    // Each switch first reports that no window is active; the next call names the new one.
    if (!caption.isEmpty() || !resourceClass.isEmpty() || pid != 0) {
        m_pid = pid;
        m_title = CutBusText(caption, kMaxSampleTitleChars);
        m_class = CutBusText(resourceClass, kMaxSampleAppIdChars);
    }
    if (message.isReplyRequired()) {
        connection.send(message.createReply());
    }
    return true;
}

QString CKWinForegroundSampler::introspect(const QString&) const {
    return QStringLiteral(
        "<interface name=\"org.hourglint.Foreground\">"
        "<method name=\"Activated\"><arg name=\"caption\" type=\"s\" direction=\"in\"/>"
        "<arg name=\"resourceClass\" type=\"s\" direction=\"in\"/>"
        "<arg name=\"pid\" type=\"i\" direction=\"in\"/></method></interface>");
}

ForegroundSample CKWinForegroundSampler::Sample() {
    m_sampledClass = m_class;
    return ProcessSample(m_title, m_pid);
}

std::optional<IconImage> CKWinForegroundSampler::ExtractIcon(const std::string& path,
                                                             bool useSampledWindow) {
    return m_desktopIcons.IconFor(path, useSampledWindow ? m_sampledClass : std::string());
}
