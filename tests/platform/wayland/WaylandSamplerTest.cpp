// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDeadlineTimer>
#include <QImage>
#include <QLocalServer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "CompositorSamplers.h"
#include "FrontSample.h"
#include "ReadEntries.h"
#include "core/Message.h"
#include "platform/backend/ForegroundBackend.h"
#include "platform/gnome/GnomeExtension.h"
#include "platform/kwin/CKWinForegroundSampler.h"
#include "platform/sway/CSwayForegroundSampler.h"

namespace fs = std::filesystem;

namespace {

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "hourglint-wayland-tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// The answer to a call from a second connection to the session's bus: another program of
// the same user. Events are handled meanwhile, since the callee may be this process.
QDBusMessage CallAsStranger(const std::string& busAddress, const QDBusMessage& call) {
    const QString name = QStringLiteral("stranger");
    QDBusMessage reply;
    {
        QDBusConnection stranger =
            QDBusConnection::connectToBus(QString::fromStdString(busAddress), name);
        const QDBusPendingCall pending = stranger.asyncCall(call, 20000);
        QDeadlineTimer deadline(30000);
        while (!pending.isFinished() && !deadline.hasExpired()) {
            QCoreApplication::processEvents();
            usleep(10000);
        }
        reply = pending.reply();
    }
    QDBusConnection::disconnectFromBus(name);
    return reply;
}

// One compositor for all tests of a process, started once and ended at exit: the
// process's session bus stays with the first KWin it meets.
template <typename Compositor>
class CompositorTest : public ::testing::Test {
  protected:
    using Session = typename Compositor::Session;
    struct Shared {
        Session session;
        std::string error;
        bool started = session.Start(error);
    };

    void SetUp() override {
        App();
        static Shared shared;
        ASSERT_TRUE(shared.started) << shared.error;
        session_ = &shared.session;
        std::string error;
        sampler_ = Compositor::Open(*session_, entries_, error);
        ASSERT_TRUE(sampler_) << error;
        ASSERT_TRUE(ReadEntries(entries_));
    }

    ForegroundSample FrontSample(const std::string& title) {
        return ::FrontSample(*session_, *sampler_, title);
    }

    Session* session_ = nullptr;
    CDesktopEntryIndex entries_;  // outlives the sampler
    std::unique_ptr<IForegroundSampler> sampler_;
};

using Compositors = ::testing::Types<Sway, KWin, Gnome>;
TYPED_TEST_SUITE(CompositorTest, Compositors);

TYPED_TEST(CompositorTest, ReportsTheExecutableAndTitleOfEachWindowInFront) {
    auto& session = *this->session_;
    pid_t onePid = -1;
    const std::string one = session.StartTestWindow("hourglint-window-one", "Window one", &onePid);
    const std::string two = session.StartTestWindow("hourglint-window-two", "Window two");
    ASSERT_FALSE(one.empty());
    ASSERT_FALSE(two.empty());
    ASSERT_TRUE(session.StartXterm("Terminal three"));

    // The test windows' app id names this entry; no entry names their executables.
    const fs::path data = std::getenv("XDG_DATA_HOME");
    fs::create_directories(data / "applications");
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString((data / "window.png").string())));
    std::ofstream(data / "applications" / "hourglint-test-window.desktop")
        << "[Desktop Entry]\nType=Application\nName=W\nExec=/nowhere\nIcon="
        << (data / "window.png").string() << "\n";
    ASSERT_TRUE(ReadEntries(this->entries_, {"hourglint-test-window"}));

    struct Case {
        std::string title;
        std::string path;
    };
    const std::vector<Case> cases = {{"Window one", one},
                                     {"Terminal three", "/usr/bin/xterm"},
                                     {"Window two", two},
                                     {"Window one", one}};
    for (const Case& c : cases) {
        const ForegroundSample sample = this->FrontSample(c.title);
        EXPECT_EQ(sample.title, c.title);
        EXPECT_TRUE(sample.processFound) << c.title;
        EXPECT_EQ(sample.path, c.path) << c.title;
        EXPECT_EQ(sample.name, fs::path(c.path).filename().string());
        if (c.path != "/usr/bin/xterm") {
            EXPECT_TRUE(this->sampler_->ExtractIcon(sample.path, true).has_value()) << c.title;
        }
    }

    // The window in front changes its title: the next samples carry the new one.
    session.Processes().Signal(onePid, SIGUSR1);
    std::string title;
    for (int i = 0; i < 500 && title != "Window one renamed"; ++i) {
        QCoreApplication::processEvents();
        title = this->sampler_->Sample().title;
        usleep(10000);
    }
    EXPECT_EQ(title, "Window one renamed");
}

using SwayTest = CompositorTest<Sway>;

TEST_F(SwayTest, ALostSocketGivesOneMessageThenReconnects) {
    std::vector<std::string> messages;
    const MessageHandler previous =
        SetMessageHandler([&](const std::string& text) { messages.push_back(text); });
    auto& sampler = static_cast<CSwayForegroundSampler&>(*sampler_);
    std::string error;
    ASSERT_TRUE(session_->Restart(error)) << error;
    // Beside the new sway's socket, a newer one of another user: not taken. (The test's own
    // socket is another user's only where sway runs as nobody.)
    QLocalServer stranger;
    if (getuid() == 0) {
        const fs::path path = fs::path(session_->SocketPath()).parent_path() / "sway-ipc.0.sock";
        ASSERT_TRUE(stranger.listen(QString::fromStdString(path.string())));
    }
    // The loss is noticed on the event loop, then the new sway is found.
    for (const bool connected : {false, true}) {
        for (int i = 0; i < 500 && sampler.Connected() != connected; ++i) {
            QCoreApplication::processEvents();
            usleep(10000);
        }
    }
    SetMessageHandler(previous);
    EXPECT_TRUE(sampler.Connected());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("lost its connection to sway"), std::string::npos);

    const std::string window = session_->StartTestWindow("hourglint-window-one", "After restart");
    EXPECT_EQ(FrontSample("After restart").path, window);
}

using KWinTest = CompositorTest<KWin>;

TEST_F(KWinTest, ItsScriptCarriesItsPidAndOutlivesNoCopy) {
    const std::string own = CKWinForegroundSampler::PluginName(getpid()).toStdString();
    EXPECT_TRUE(session_->ScriptLoaded(own));
    sampler_.reset();
    EXPECT_FALSE(session_->ScriptLoaded(own)) << "not unloaded at exit";

    // A copy that was killed left its script loaded and its file behind.
    long pidMax = 0;
    std::ifstream("/proc/sys/kernel/pid_max") >> pidMax;
    const std::string orphan = CKWinForegroundSampler::PluginName(pidMax + 1).toStdString();
    const fs::path orphanFile = fs::path(std::getenv("XDG_RUNTIME_DIR")) /
                                ("hourglint-kwin-" + std::to_string(pidMax + 1) + ".js");
    std::ofstream(orphanFile) << "// left behind\n";
    ASSERT_EQ(
        session_->Processes().Run(
            {"dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin", "/Scripting",
             "org.kde.kwin.Scripting.loadScript", "string:" + orphanFile.string(),
             "string:" + orphan},
            ChildProcesses::Environment({"DBUS_SESSION_BUS_ADDRESS=" + session_->BusAddress()})),
        0);
    ASSERT_TRUE(session_->ScriptLoaded(orphan));

    std::string error;
    sampler_ = KWin::Open(*session_, entries_, error);
    ASSERT_TRUE(sampler_) << error;
    EXPECT_FALSE(session_->ScriptLoaded(orphan));
    EXPECT_FALSE(fs::exists(orphanFile));
}

TEST_F(KWinTest, AnActivatedCallFromAnotherProgramIsRefused) {
    ASSERT_FALSE(session_->StartTestWindow("hourglint-window-one", "Window one").empty());
    ASSERT_EQ(FrontSample("Window one").title, "Window one");
    QDBusMessage forged = QDBusMessage::createMethodCall(
        CKWinForegroundSampler::ServiceName(getpid()), QStringLiteral("/Foreground"),
        QStringLiteral("org.hourglint.Foreground"), QStringLiteral("Activated"));
    forged << QStringLiteral("Forged") << QStringLiteral("forged") << static_cast<int>(getpid());
    EXPECT_EQ(CallAsStranger(session_->BusAddress(), forged).errorName().toStdString(),
              "org.freedesktop.DBus.Error.AccessDenied");
    EXPECT_EQ(sampler_->Sample().title, "Window one");
}

using GnomeTest = CompositorTest<Gnome>;

// The real extension answers Hourglint's own connection, which owns the name carrying this
// process's id, and refuses a second connection of the same process.
TEST_F(GnomeTest, TheExtensionAnswersOnlyHourglint) {
    struct Case {
        const char* method;
        bool asHourglint;
        std::string error;  // "" for an answer
    };
    const std::vector<Case> cases = {
        {"Get", false, "org.freedesktop.DBus.Error.AccessDenied"},
        {"Subscribe", false, "org.freedesktop.DBus.Error.AccessDenied"},
        {"Get", true, ""},
    };
    for (const Case& c : cases) {
        const QDBusMessage call = QDBusMessage::createMethodCall(
            kGnomeExtensionBusName, kGnomeExtensionPath, kGnomeExtensionInterface, c.method);
        const QDBusMessage reply = c.asHourglint
                                       ? QDBusConnection::sessionBus().call(call, QDBus::Block)
                                       : CallAsStranger(session_->BusAddress(), call);
        EXPECT_EQ(reply.errorName().toStdString(), c.error) << c.method << " " << c.asHourglint;
        EXPECT_EQ(reply.type() == QDBusMessage::ReplyMessage, c.error.empty());
    }
}

// Which backend a session gets, from its facts alone.
TEST(ForegroundBackendChoice, FollowsTheSession) {
    struct Case {
        SessionFacts facts;
        std::string backend;  // start of its name; "" for none
    };
    const std::vector<Case> cases = {
        {{false, "", false, "", false, false, ""}, "X11"},
        {{false, "/run/sway-ipc.sock", true, "", false, false, ""}, "X11"},
        {{true, "/run/sway-ipc.sock", false, "sway", false, false, ""}, "sway"},
        {{true, "", true, "kwin_wayland", false, false, ""}, "KDE Plasma"},
        {{true, "", false, "weston", false, false, ""}, ""},
    };
    for (const Case& c : cases) {
        std::string problem;
        const ForegroundBackend* backend = ChooseForegroundBackend(c.facts, problem);
        if (c.backend.empty()) {
            EXPECT_EQ(backend, nullptr);
            EXPECT_NE(problem.find("(" + c.facts.compositor + ")"), std::string::npos) << problem;
            EXPECT_NE(problem.find("sway"), std::string::npos) << problem;
        } else {
            ASSERT_NE(backend, nullptr) << c.backend;
            EXPECT_TRUE(std::string(backend->name).starts_with(c.backend)) << backend->name;
        }
    }
}

}  // namespace
