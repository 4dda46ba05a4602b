// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVirtualObject>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "GnomeSession.h"
#include "core/Message.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/gnome/CGnomeForegroundSampler.h"
#include "platform/gnome/GnomeExtension.h"

namespace {

// A call answered by the shell after everything it sent before, then those messages handled.
bool RoundTripToShell() {
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall("org.gnome.Shell", "/org/gnome/Shell",
                                       "org.freedesktop.DBus.Peer", "Ping"),
        QDBus::Block, 20000);
    QCoreApplication::processEvents();
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool PumpUntil(const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done() && std::chrono::steady_clock::now() < end) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return done();
}

// Answers calls on this process's connection. A call's handling comes after that of every
// message its caller sent before, so its answer shows they were all handled.
class CBarrier : public QDBusVirtualObject {
  public:
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        return connection.send(message.createReply());
    }
    QString introspect(const QString&) const override { return {}; }
};

// GNOME Shell with Hourglint's extension installed but not enabled.
TEST(GnomeWithoutExtensionTest, SaysWhatToDoKeepsRunningAndCountsOnceItIsEnabled) {
    static int argc = 1;
    static char name[] = "hourglint-gnome-tests";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    GnomeSession session(false);
    std::string error;
    ASSERT_TRUE(session.Start(error)) << error;
    const std::string window = session.StartTestWindow("hourglint-window-one", "Window one");
    ASSERT_FALSE(window.empty());
    setenv("DBUS_SESSION_BUS_ADDRESS", session.BusAddress().c_str(), 1);

    std::vector<std::string> texts;
    OfferAnswered answer;
    const OfferHandler previousOffer =
        SetOfferHandler([&](const std::string& text, OfferAnswered a) {
            texts.push_back(text);
            answer = std::move(a);
        });
    const MessageHandler previousMessage =
        SetMessageHandler([&](const std::string& text) { texts.push_back(text); });
    CDesktopEntryIndex entries;
    entries.Start();
    const auto sampler = CGnomeForegroundSampler::Connect(entries, error);
    ASSERT_TRUE(sampler) << error;
    ASSERT_EQ(texts.size(), 1u);
    for (const char* told : {"gnome-extensions enable " HOURGLINT_GNOME_UUID, "Extensions app",
                             "next login", "Enable it now?"}) {
        EXPECT_NE(texts[0].find(told), std::string::npos) << told;
    }

    // Running, counting nothing, until the user accepts the offer.
    // Once the shell has the window, has focused it and has said all it had to say since.
    ASSERT_TRUE(session.FocusUntil("Window one", [&] { return session.Focus("Window one"); }));
    ASSERT_TRUE(RoundTripToShell());
    EXPECT_FALSE(sampler->Sample().processFound);

    // Another program takes the extension's name meanwhile: it is named on standard error,
    // and what it signals is not believed.
    {
        QDBusConnection stranger =
            QDBusConnection::connectToBus(QString::fromStdString(session.BusAddress()), "stranger");
        ASSERT_TRUE(stranger.registerService(kGnomeExtensionBusName));
        testing::internal::CaptureStderr();
        const bool told = PumpUntil([&] { return sampler->Stranger() == stranger.baseService(); });
        const std::string said = testing::internal::GetCapturedStderr();
        ASSERT_TRUE(told);
        EXPECT_NE(said.find(stranger.baseService().toStdString() + " (pid " +
                            std::to_string(getpid()) + ")"),
                  std::string::npos)
            << said;
        QDBusMessage forged = QDBusMessage::createTargetedSignal(
            QDBusConnection::sessionBus().baseService(), kGnomeExtensionPath,
            kGnomeExtensionInterface, QStringLiteral("Changed"));
        forged << static_cast<uint>(getpid()) << QStringLiteral("forged")
               << QStringLiteral("Forged");
        ASSERT_TRUE(stranger.send(forged));
        CBarrier barrier;
        ASSERT_TRUE(QDBusConnection::sessionBus().registerVirtualObject("/barrier", &barrier));
        const QDBusPendingCall passed = stranger.asyncCall(QDBusMessage::createMethodCall(
            QDBusConnection::sessionBus().baseService(), "/barrier", "org.hourglint.Test", "Pass"));
        ASSERT_TRUE(PumpUntil([&] { return passed.isFinished(); }));
        EXPECT_FALSE(passed.isError());
        EXPECT_FALSE(sampler->Answering());
        EXPECT_EQ(sampler->Sample().title, "");
        QDBusConnection::sessionBus().unregisterObject("/barrier");
    }
    QDBusConnection::disconnectFromBus("stranger");
    ASSERT_TRUE(answer);
    answer(true);
    ForegroundSample sample;
    session.FocusUntil("Window one", [&] {
        QCoreApplication::processEvents();
        sample = sampler->Sample();
        return sample.processFound;
    });
    SetOfferHandler(previousOffer);
    SetMessageHandler(previousMessage);
    EXPECT_EQ(sample.title, "Window one");
    EXPECT_EQ(sample.path, window);
    EXPECT_EQ(texts.size(), 1u) << texts.back();
}

// A copy that does not fit the running shell gives way to the form the program carries.
TEST(GnomeExtensionCopy, TheFormWrittenForTheUserFitsTheShellItWasWrittenFor) {
    EXPECT_FALSE(GnomeExtensionCopyFits(43));  // none in this test's home
    for (const int shell : {43, 44, 45, 47}) {
        std::string error;
        ASSERT_TRUE(InstallGnomeExtensionForUser(shell, error)) << error;
        EXPECT_TRUE(GnomeExtensionCopyFits(shell)) << shell;
        EXPECT_FALSE(GnomeExtensionCopyFits(shell < 45 ? 45 : 44)) << shell;
        std::ifstream code(GnomeExtensionUserFolder() + "/extension.js");
        const std::string text((std::istreambuf_iterator<char>(code)), {});
        EXPECT_EQ(text.find("export default") != std::string::npos, shell >= 45) << shell;
    }
}

}  // namespace
