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

#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/system/BusText.h"
#include "platform/system/OwnBusName.h"
#include "platform/system/ProcessExecutable.h"
#include "platform/system/Translations.h"

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

std::unique_ptr<CKWinForegroundSampler> CKWinForegroundSampler::Connect(CDesktopEntryIndex& entries,
                                                                        std::string& error) {
    std::unique_ptr<CKWinForegroundSampler> sampler(new CKWinForegroundSampler(entries));
    if (!sampler->Start(error)) {
        return nullptr;
    }
    return sampler;
}

bool CKWinForegroundSampler::Start(std::string& error) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const qint64 pid = QCoreApplication::applicationPid();
    if (!bus.isConnected()) {
        error = QCoreApplication::translate(
                    "CKWinForegroundSampler",
                    "Hourglint cannot reach the session bus to ask KWin for the active window.")
                    .toStdString();
        return false;
    }
    // Asked before the script is loaded: its first call comes after the answer.
    kwin_ = std::make_unique<CBusNameOwner>(kKWin);
    if (!bus.registerService(ServiceName(pid))) {
        error = FillPlaceholders(
            QCoreApplication::translate("CKWinForegroundSampler",
                                        "Hourglint cannot take its name on the session bus: %1"),
            {bus.lastError().message().toStdString()});
        return false;
    }
    registered_ = bus.registerVirtualObject(kObjectPath, this);
    if (!registered_) {
        error = QCoreApplication::translate("CKWinForegroundSampler",
                                            "Hourglint cannot offer its object on the session bus.")
                    .toStdString();
        return false;
    }
    RemoveOrphanScripts(pid);

    QFile resource(QStringLiteral(":/kwin/ActiveWindow.js"));
    if (!resource.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("CKWinForegroundSampler",
                                            "The KWin script is missing from the program.")
                    .toStdString();
        return false;
    }
    QByteArray script = resource.readAll();
    script.replace("@SERVICE@", ServiceName(pid).toUtf8());
    QDir().mkpath(ScriptFolder());
    scriptFile_ = ScriptFolder() + "/" + kFilePrefix + QString::number(pid) + kFileSuffix;
    QSaveFile file(scriptFile_);
    if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size() || !file.commit()) {
        error = FillPlaceholders(
            QCoreApplication::translate("CKWinForegroundSampler",
                                        "Hourglint cannot write its KWin script to %1."),
            {scriptFile_.toStdString()});
        return false;
    }

    const QDBusMessage loaded =
        CallScripting(QStringLiteral("loadScript"), {scriptFile_, PluginName(pid)});
    if (loaded.type() != QDBusMessage::ReplyMessage || loaded.arguments().isEmpty() ||
        loaded.arguments().first().toInt() < 0) {
        error = loaded.type() == QDBusMessage::ErrorMessage
                    ? FillPlaceholders(
                          QCoreApplication::translate("CKWinForegroundSampler",
                                                      "KWin did not load Hourglint's script: %1."),
                          {loaded.errorMessage().toStdString()})
                    : QCoreApplication::translate("CKWinForegroundSampler",
                                                  "KWin did not load Hourglint's script.")
                          .toStdString();
        return false;
    }
    loaded_ = true;
    CallScripting(QStringLiteral("start"));
    return true;
}

CKWinForegroundSampler::~CKWinForegroundSampler() {
    UnloadScript();
}

void CKWinForegroundSampler::UnloadScript() {
    const qint64 pid = QCoreApplication::applicationPid();
    if (loaded_) {
        CallScripting(QStringLiteral("unloadScript"), {PluginName(pid)});
        loaded_ = false;
    }
    if (!scriptFile_.isEmpty()) {
        QFile::remove(scriptFile_);
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (registered_) {
        bus.unregisterObject(kObjectPath);
        bus.unregisterService(ServiceName(pid));
        registered_ = false;
    }
}

bool CKWinForegroundSampler::handleMessage(const QDBusMessage& message,
                                           const QDBusConnection& connection) {
    const QVariantList arguments = message.arguments();
    if (message.interface() != kInterface || message.member() != QStringLiteral("Activated") ||
        arguments.size() != 3) {
        return false;
    }
    if (!kwin_ || !kwin_->IsOwner(message.service())) {
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
        pid_ = pid;
        title_ = CutBusText(caption, kMaxTitleChars);
        class_ = CutBusText(resourceClass, kMaxAppIdChars);
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
    sampledClass_ = class_;
    return ProcessSample(title_, pid_);
}

std::optional<IconImage> CKWinForegroundSampler::ExtractIcon(const std::string& path,
                                                             bool useSampledWindow) {
    return desktopIcons_.IconFor(path, useSampledWindow ? sampledClass_ : std::string());
}

int CKWinForegroundSampler::IconsRevision() {
    return desktopIcons_.Index().Revision();
}
