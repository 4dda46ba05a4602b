// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FrontSample.h"
#include "ReadEntries.h"
#include "SwaySession.h"
#include "platform/backend/ForegroundBackend.h"
#include "platform/desktop/AppIdExecutables.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/wlr/CWlrForegroundSampler.h"

namespace fs = std::filesystem;

namespace {

void WriteEntry(const std::string& id, const std::string& exec) {
    const fs::path dir = fs::path(std::getenv("XDG_DATA_HOME")) / "applications";
    fs::create_directories(dir);
    std::ofstream(dir / (id + ".desktop"))
        << "[Desktop Entry]\nType=Application\nName=" << id << "\nExec=" << exec << "\n";
}

// sway with its IPC left aside: the generic backend reads the same compositor through
// zwlr_foreign_toplevel_manager_v1.
class WlrSwayTest : public ::testing::Test {
  protected:
    struct Shared {
        SwaySession session;
        std::string error;
        bool started = session.Start(error);
    };

    void SetUp() override {
        static int argc = 1;
        static char name[] = "hourglint-wlr-tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
        static Shared shared;
        ASSERT_TRUE(shared.started) << shared.error;
        session_ = &shared.session;
        session_->ConnectThisProcess();
        std::string error;
        sampler_ = CWlrForegroundSampler::Connect(entries_, error);
        ASSERT_TRUE(sampler_) << error;
        ASSERT_TRUE(ReadEntries(entries_));
    }

    ForegroundSample FrontSample(const std::string& title,
                                 const std::function<bool(const ForegroundSample&)>& ready = {}) {
        return ::FrontSample(*session_, *sampler_, title, ready);
    }

    SwaySession* session_ = nullptr;
    CDesktopEntryIndex entries_;  // outlives the sampler
    std::unique_ptr<CWlrForegroundSampler> sampler_;
};

TEST_F(WlrSwayTest, ReportsTheEntrysExecutableOrTheAppIdOfEachWindowInFront) {
    // A Qt window behind env and sh -c, a Flatpak-launched app id, and xterm (Xwayland,
    // its class named by the system's entry).
    // Each window is in front before the next starts, so none maps late and takes the focus
    // from the one a case gives it to.
    const std::string qtWindow = session_->StartTestWindow("hourglint-window-one", "Window one");
    ASSERT_FALSE(qtWindow.empty());
    WriteEntry("hourglint-test-window", "env A=1 sh -c \"" + qtWindow + " %U\"");
    const std::string sandboxed = "org.hourglint.Sandboxed";
    WriteEntry(sandboxed, "flatpak run " + sandboxed);
    ASSERT_EQ(FrontSample("Window one").title, "Window one");
    ASSERT_GT(session_->SpawnClient(
                  {"foot", "--app-id=" + sandboxed, "--title=Window two", "sleep", "600"}),
              0);
    ASSERT_EQ(FrontSample("Window two").title, "Window two");
    ASSERT_TRUE(session_->StartXterm("Terminal three"));
    ASSERT_EQ(FrontSample("Terminal three").title, "Terminal three");
    ASSERT_TRUE(ReadEntries(entries_, {"hourglint-test-window", sandboxed}));

    struct Case {
        std::string title;
        std::string name;
        std::string path;
    };
    const std::vector<Case> cases = {{"Window one", "hourglint-window-one", qtWindow},
                                     {"Terminal three", "xterm", "/usr/bin/xterm"},
                                     {"Window two", sandboxed, ""},
                                     {"Window one", "hourglint-window-one", qtWindow}};
    for (const Case& c : cases) {
        const ForegroundSample sample = FrontSample(c.title, [&](const ForegroundSample& s) {
            return s.name == c.name && s.path == c.path;
        });
        EXPECT_EQ(sample.title, c.title);
        EXPECT_TRUE(sample.processFound) << c.title;
        EXPECT_EQ(sample.name, c.name) << c.title;
        EXPECT_EQ(sample.path, c.path) << c.title;
    }
}

// Before the entries are read a window's app id cannot tell its program: its samples are
// provisional, and settle into the entry's executable once the entries are in.
TEST_F(WlrSwayTest, AppIdsSeenBeforeTheEntriesAreReadSettleIntoTheirExecutable) {
    const std::string early = session_->StartTestWindow("hourglint-window-early", "Early window");
    ASSERT_FALSE(early.empty());
    WriteEntry("hourglint-test-window", early);
    CDesktopEntryIndex entries;  // not read yet
    std::string error;
    const auto sampler = CWlrForegroundSampler::Connect(entries, error);
    ASSERT_TRUE(sampler) << error;
    ForegroundSample held = ::FrontSample(*session_, *sampler, "Early window");
    EXPECT_TRUE(held.provisional);
    EXPECT_EQ(held.name, "hourglint-test-window");
    ASSERT_TRUE(ReadEntries(entries));
    sampler->Settle(held);
    EXPECT_FALSE(held.provisional);
    EXPECT_EQ(held.name, "hourglint-window-early");
    EXPECT_EQ(held.path, early);
    EXPECT_FALSE(sampler->Sample().provisional);
}

TEST(ExecTargetPath, LooksThroughWrappersButNotIntoSandboxes) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"xterm -e top", "/usr/bin/xterm"},
        {"env LANG=C -u X xterm", "/usr/bin/xterm"},
        {"sh -c \"A=1 exec xterm %U\"", "/usr/bin/xterm"},
        {"flatpak run --branch=stable org.example.App", std::nullopt},
        {"/snap/bin/example", std::nullopt},
        {"hourglint-no-such-program", std::nullopt},
    };
    for (const auto& [exec, path] : cases) {
        EXPECT_EQ(ExecTargetPath(exec), path) << exec;
    }
}

TEST(ForegroundBackendChoice, TakesForeignToplevelLastOrWhenForced) {
    struct Case {
        SessionFacts facts;
        std::string key;  // "" for none
    };
    const std::vector<Case> cases = {
        {{true, "", false, "labwc", true, false, ""}, "wlr"},
        {{true, "", false, "gnome-shell", false, true, ""}, "gnome"},
        {{true, "/run/sway-ipc.sock", false, "sway", true, false, ""}, "sway"},
        {{true, "/run/sway-ipc.sock", false, "sway", true, false, "wlr"}, "wlr"},
        {{false, "", false, "", false, false, "sway"}, "sway"},
        {{true, "", false, "weston", false, false, "nonsense"}, ""},
    };
    for (const Case& c : cases) {
        std::string problem;
        const ForegroundBackend* backend = ChooseForegroundBackend(c.facts, problem);
        if (c.key.empty()) {
            EXPECT_EQ(backend, nullptr);
            EXPECT_NE(problem.find("wlr"), std::string::npos) << problem;
        } else {
            ASSERT_NE(backend, nullptr) << c.key;
            EXPECT_EQ(backend->key, c.key);
        }
    }
}

}  // namespace
