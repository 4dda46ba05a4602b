// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "ReadEntries.h"
#include "XvfbSession.h"
#include "platform/x11/CX11ForegroundSampler.h"

namespace fs = std::filesystem;

namespace {

// A pid no process can have: one past the kernel's limit.
uint32_t ImpossiblePid() {
    long max = 0;
    std::ifstream("/proc/sys/kernel/pid_max") >> max;
    return static_cast<uint32_t>(max > 0 ? max + 1 : 4194305);
}

std::string OwnExecutable() {
    return fs::read_symlink("/proc/self/exe").string();
}

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        old_ = had_ ? old : "";
        value != nullptr ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { had_ ? setenv(name_, old_.c_str(), 1) : unsetenv(name_); }

  private:
    const char* name_;
    bool had_;
    std::string old_;
};

// Xvfb, optionally openbox, and a sampler connected to them.
class X11SamplerTest : public ::testing::Test {
  protected:
    void StartServer(bool windowManager) {
        std::string error;
        ASSERT_TRUE(session_.Start(error)) << error;
        if (windowManager) {
            ASSERT_TRUE(session_.StartWindowManager(error)) << error;
        }
        sampler_ = CX11ForegroundSampler::Connect(session_.Display().c_str(), entries_, error);
        ASSERT_NE(sampler_, nullptr) << error;
        ASSERT_TRUE(ReadEntries(entries_));
    }

    xcb_atom_t Atom(const char* name) {
        xcb_connection_t* c = session_.Connection();
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), nullptr);
        const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(reply);
        return atom;
    }
    void SetProperty(uint32_t window, const char* property, xcb_atom_t type, uint8_t format,
                     uint32_t count, const void* data) {
        xcb_change_property(session_.Connection(), XCB_PROP_MODE_REPLACE, window, Atom(property),
                            type, format, count, data);
    }
    void SetText(uint32_t window, const char* property, const char* type, const std::string& text) {
        const xcb_atom_t typeAtom =
            std::string(type) == "STRING" ? xcb_atom_t{XCB_ATOM_STRING} : Atom(type);
        SetProperty(window, property, typeAtom, 8, static_cast<uint32_t>(text.size()), text.data());
    }
    void SetCardinals(uint32_t window, const char* property, const std::vector<uint32_t>& values) {
        SetProperty(window, property, XCB_ATOM_CARDINAL, 32, static_cast<uint32_t>(values.size()),
                    values.data());
    }
    // A plain window made by this test process; properties are set before it is shown.
    uint32_t CreateWindow() {
        xcb_connection_t* c = session_.Connection();
        const uint32_t window = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, window, session_.Root(), 10, 10, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        return window;
    }
    void ShowAndActivate(uint32_t window) {
        ASSERT_TRUE(session_.MapAndWait(window));
        ASSERT_TRUE(session_.Activate(window));
    }
    // Samples until the window is the one in front (openbox may still be moving the focus
    // to a window it mapped just before), at most about two seconds.
    ForegroundSample SampleWhenInFront(uint32_t window) {
        ForegroundSample sample = sampler_->Sample();
        for (int i = 0; i < 100 && sampler_->SampledWindow() != window; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            sample = sampler_->Sample();
        }
        return sample;
    }
    void Focus(uint32_t window) {
        ASSERT_EQ(session_.Run({"xdotool", "windowfocus", "--sync", std::to_string(window)}), 0);
    }

    XvfbSession session_;
    CDesktopEntryIndex entries_;  // outlives the sampler
    std::unique_ptr<CX11ForegroundSampler> sampler_;
};

TEST_F(X11SamplerTest, XtermsActivatedInTurn) {
    StartServer(true);
    const uint32_t alpha = session_.StartXterm("Alpha terminal");
    const uint32_t bravo = session_.StartXterm("Bravo terminal");
    ASSERT_NE(alpha, 0u);
    ASSERT_NE(bravo, 0u);
    // Let openbox finish focusing the terminal it mapped last before activating others.
    SampleWhenInFront(bravo);
    for (const auto& [window, title] : {std::pair{alpha, "Alpha terminal"},
                                        {bravo, "Bravo terminal"},
                                        {alpha, "Alpha terminal"}}) {
        ASSERT_TRUE(session_.Activate(window));
        const ForegroundSample sample = SampleWhenInFront(window);
        EXPECT_TRUE(sample.processFound);
        EXPECT_EQ(sample.name, "xterm");
        EXPECT_EQ(sample.path, "/usr/bin/xterm");
        EXPECT_EQ(sample.title, title);
        EXPECT_EQ(sampler_->SampledWindow(), window);
    }
}

TEST_F(X11SamplerTest, ProcessFromXResWhenThePidIsMissingForeignOrUnreadable) {
    StartServer(true);
    struct Case {
        const char* title;
        const char* machine;  // nullptr: this machine
        bool withPid;
    };
    // A pid that cannot be read is what a program in its own pid namespace publishes.
    const Case cases[] = {
        {"No pid", nullptr, false},
        {"Remote", "elsewhere.invalid", true},
        {"Sandboxed", nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const uint32_t window = CreateWindow();
        SetText(window, "WM_NAME", "STRING", c.title);
        if (c.machine != nullptr) SetText(window, "WM_CLIENT_MACHINE", "STRING", c.machine);
        if (c.withPid) SetCardinals(window, "_NET_WM_PID", {ImpossiblePid()});
        ShowAndActivate(window);
        const ForegroundSample sample = SampleWhenInFront(window);
        EXPECT_EQ(sample.title, c.title);
        EXPECT_TRUE(sample.processFound);
        EXPECT_EQ(sample.path, OwnExecutable());
        EXPECT_EQ(sample.name, fs::path(OwnExecutable()).filename().string());
    }
}

TEST_F(X11SamplerTest, TitleEncodingsAndLength) {
    StartServer(true);
    const uint32_t window = CreateWindow();
    SetText(window, "WM_NAME", "STRING", "Caf\xe9");
    ShowAndActivate(window);
    EXPECT_EQ(SampleWhenInFront(window).title, "Caf\xc3\xa9");

    // _NET_WM_NAME wins over WM_NAME, and 150 characters keep their first 99, each whole.
    std::string longTitle;
    for (int i = 0; i < 150; ++i) {
        longTitle += i % 3 == 0 ? "\xe2\x82\xac" : "x";
    }
    SetText(window, "_NET_WM_NAME", "UTF8_STRING", longTitle);
    xcb_connection_t* c = session_.Connection();
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // a round trip
    const std::string title = sampler_->Sample().title;
    EXPECT_EQ(title, longTitle.substr(0, 33 * 3 + 66));
}

TEST_F(X11SamplerTest, ExecutableReplacedOnDiskKeepsItsPath) {
    StartServer(true);
    const fs::path copy = fs::path(std::getenv("HOME")) / "bin" / "xterm-copy";
    fs::create_directories(copy.parent_path());
    fs::copy_file("/usr/bin/xterm", copy);
    session_.Spawn({copy.string(), "-T", "Copied terminal", "-e", "sleep", "600"});
    const uint32_t window = session_.WaitForWindow("^Copied terminal$");
    ASSERT_NE(window, 0u);
    fs::remove(copy);
    ASSERT_TRUE(session_.Activate(window));
    const ForegroundSample sample = SampleWhenInFront(window);
    EXPECT_TRUE(sample.processFound);
    EXPECT_EQ(sample.path, copy.string());
    EXPECT_EQ(sample.name, "xterm-copy");
}

TEST_F(X11SamplerTest, StaleWindowManagerPropertiesAreIgnored) {
    StartServer(true);
    const uint32_t alpha = session_.StartXterm("Alpha terminal");
    const uint32_t bravo = session_.StartXterm("Bravo terminal");
    ASSERT_NE(bravo, 0u);
    ASSERT_TRUE(session_.Activate(alpha));
    session_.KillWindowManager();
    // _NET_ACTIVE_WINDOW still names Alpha, but the input focus is on Bravo.
    Focus(bravo);
    const ForegroundSample sample = sampler_->Sample();
    EXPECT_EQ(sample.title, "Bravo terminal");
    EXPECT_EQ(sample.path, "/usr/bin/xterm");
    EXPECT_EQ(sampler_->SampledWindow(), bravo);
}

TEST_F(X11SamplerTest, WithoutWindowManagerTheFocusedTopLevelCounts) {
    StartServer(false);
    const uint32_t alpha = session_.StartXterm("Alpha terminal");
    ASSERT_NE(alpha, 0u);
    // Focus on a child window: the sample still names the top-level xterm window.
    xcb_connection_t* c = session_.Connection();
    const uint32_t child = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, child, alpha, 0, 0, 10, 10, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    // Focus goes only to a viewable window, which a busy server may not have made it yet.
    ASSERT_TRUE(session_.MapAndWait(child));
    Focus(child);
    ForegroundSample sample = sampler_->Sample();
    EXPECT_EQ(sample.title, "Alpha terminal");
    EXPECT_EQ(sample.name, "xterm");
    EXPECT_EQ(sampler_->SampledWindow(), alpha);

    xcb_set_input_focus(c, XCB_INPUT_FOCUS_NONE, XCB_NONE, XCB_CURRENT_TIME);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // a round trip
    sample = sampler_->Sample();
    EXPECT_FALSE(sample.processFound);
    EXPECT_EQ(sample.title, "");
    EXPECT_EQ(sampler_->SampledWindow(), 0u);
}

TEST_F(X11SamplerTest, WindowIconClosestTo16) {
    StartServer(true);
    const uint32_t window = CreateWindow();
    SetText(window, "WM_NAME", "STRING", "Icon window");
    std::vector<uint32_t> icon;
    for (const auto& [size, colour] :
         {std::pair{32u, 0xFFFF0000u}, {17u, 0xFF0000FFu}, {48u, 0xFF00FF00u}}) {
        icon.push_back(size);
        icon.push_back(size);
        icon.insert(icon.end(), size * size, colour);
    }
    SetCardinals(window, "_NET_WM_ICON", icon);
    ShowAndActivate(window);
    ASSERT_TRUE(SampleWhenInFront(window).processFound);
    // This test binary has no desktop entry: the window's own icon serves.
    EXPECT_FALSE(sampler_->ExtractIcon(OwnExecutable(), false).has_value());
    const std::optional<IconImage> image = sampler_->ExtractIcon(OwnExecutable(), true);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 16);
    EXPECT_EQ(image->height, 16);
    EXPECT_EQ(image->argb[8 * 16 + 8], 0xFF0000FFu);
}

TEST_F(X11SamplerTest, XtermIconFromItsDesktopEntry) {
    StartServer(true);
    // xterm's icon is an SVG, which Qt renders only inside a GUI application, as in the
    // program itself.
    ScopedEnv platform("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "hourglint-test";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    // Without the window fallback only the desktop entry can give the icon.
    const std::optional<IconImage> icon = sampler_->ExtractIcon("/usr/bin/xterm", false);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->width, 16);
    int opaque = 0;
    for (const uint32_t pixel : icon->argb) {
        opaque += (pixel >> 24) != 0 ? 1 : 0;
    }
    EXPECT_GT(opaque, 16);
}

TEST(X11SessionTest, ExplainsAMissingDisplay) {
    CDesktopEntryIndex entries;
    {
        ScopedEnv display("DISPLAY", nullptr);
        ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
        const std::string problem = X11SessionProblem();
        EXPECT_NE(problem.find("needs an X11 session"), std::string::npos);
        EXPECT_NE(problem.find("DISPLAY is not set"), std::string::npos);
        std::string error;
        EXPECT_EQ(CX11ForegroundSampler::Connect(nullptr, entries, error), nullptr);
        EXPECT_EQ(error, problem);
    }
    {
        ScopedEnv display("DISPLAY", "");
        ScopedEnv wayland("WAYLAND_DISPLAY", "wayland-0");
        EXPECT_NE(X11SessionProblem().find("Wayland session"), std::string::npos);
    }
    {
        ScopedEnv display("DISPLAY", ":0");
        EXPECT_EQ(X11SessionProblem(), "");
    }
    // A display nobody serves.
    std::string error;
    EXPECT_EQ(CX11ForegroundSampler::Connect(":4093", entries, error), nullptr);
    EXPECT_NE(error.find("\":4093\" could not be opened"), std::string::npos) << error;
}

}  // namespace
