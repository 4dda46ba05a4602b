// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QColor>
#include <QImage>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "FakeClock.h"
#include "FakeImageList.h"
#include "FakeListControl.h"
#include "LocalInstant.h"
#include "ReadEntries.h"
#include "XvfbSession.h"
#include "core/CAppSettings.h"
#include "core/CUsageTracker.h"
#include "db/CUsageDb.h"
#include "platform/desktop/CDesktopEntryIcons.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/x11/CX11ForegroundSampler.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kGreen = 0xFF00FF00u;
constexpr uint32_t kBlue = 0xFF0000FFu;

// A user data folder and a system data folder of our own, with PATH pointing into it.
class DesktopEntryIconsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::path(std::getenv("HOME")) /
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(root_ / "user/applications");
        fs::create_directories(root_ / "system/applications");
        fs::create_directories(root_ / "bin");
        oldPath_ = std::getenv("PATH");
        setenv("XDG_DATA_HOME", (root_ / "user").c_str(), 1);
        setenv("XDG_DATA_DIRS", (root_ / "system").c_str(), 1);
        setenv("PATH", (root_ / "bin").c_str(), 1);
    }
    void TearDown() override { setenv("PATH", oldPath_.c_str(), 1); }

    std::string Program(const std::string& relative) {
        const fs::path file = root_ / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "#!/bin/sh\n";
        fs::permissions(file, fs::perms::owner_all);
        return file.string();
    }
    std::string Png(const std::string& relative, uint32_t argb, int size = 32) {
        const fs::path file = root_ / relative;
        fs::create_directories(file.parent_path());
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(QColor::fromRgba(argb));
        EXPECT_TRUE(image.save(QString::fromStdString(file.string()), "PNG"));
        return file.string();
    }
    void Entry(const std::string& relative, const std::string& body) {
        std::ofstream(root_ / relative) << "[Desktop Entry]\nType=Application\nName=X\n" << body;
    }
    static uint32_t Colour(const std::optional<IconImage>& icon) {
        return icon && !icon->IsNull() ? icon->argb[8 * 16 + 8] : 0;
    }
    // The icons as a sampler has them once the entries are read.
    CDesktopEntryIcons& ReadIcons() {
        EXPECT_TRUE(ReadEntries(index_));
        return icons_;
    }

    fs::path root_;
    std::string oldPath_;
    CDesktopEntryIndex index_;
    CDesktopEntryIcons icons_{index_};
};

TEST_F(DesktopEntryIconsTest, ExecOrTryExecNamingTheExecutable) {
    const std::string tool = Program("opt/tool/tool");
    const std::string other = Program("opt/other/other");
    Entry("system/applications/tool.desktop",
          "Exec=" + tool + " --flag %U\nIcon=" + Png("tool.png", kRed) + "\n");
    Entry(
        "system/applications/other.desktop",
        "TryExec=" + other + "\nExec=sh -c 'start other'\nIcon=" + Png("other.png", kBlue) + "\n");
    CDesktopEntryIcons& icons = ReadIcons();
    const std::optional<IconImage> icon = icons.IconFor(tool);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->width, 16);
    EXPECT_EQ(icon->height, 16);
    EXPECT_EQ(Colour(icon), kRed);
    EXPECT_EQ(Colour(icons.IconFor(other)), kBlue);
    EXPECT_FALSE(icons.IconFor(Program("opt/unknown/unknown")).has_value());
}

TEST_F(DesktopEntryIconsTest, QuotedExecAfterEnv) {
    const std::string tool = Program("with space/tool");
    Entry("system/applications/tool.desktop",
          "Exec=env LANG=C \"" + tool + "\" %f\nIcon=" + Png("t.png", kGreen) + "\n");
    CDesktopEntryIcons& icons = ReadIcons();
    EXPECT_EQ(Colour(icons.IconFor(tool)), kGreen);
}

TEST_F(DesktopEntryIconsTest, EntryLeadingToTheFileBeatsOneWithTheSameBaseName) {
    const std::string inPath = Program("bin/edit");
    Program("elsewhere/edit");
    // Sorted first, but names another file called "edit".
    Entry("system/applications/a-edit.desktop",
          "Exec=" + (root_ / "elsewhere/edit").string() + "\nIcon=" + Png("a.png", kBlue) + "\n");
    Entry("system/applications/b-edit.desktop", "Exec=edit\nIcon=" + Png("b.png", kGreen) + "\n");
    CDesktopEntryIcons& icons = ReadIcons();
    EXPECT_EQ(Colour(icons.IconFor(inPath)), kGreen);
    // A copy nobody names exactly still gets the icon of its base name.
    EXPECT_EQ(Colour(icons.IconFor(Program("third/edit"))), kBlue);
}

TEST_F(DesktopEntryIconsTest, WaylandWindowsNameTheirEntryByIdOrWindowClass) {
    fs::create_directories(root_ / "system/applications/org");
    Entry("system/applications/org/example.Viewer.desktop",
          "Exec=/nowhere/viewer\nIcon=" + Png("v.png", kRed) + "\n");
    Entry("system/applications/term.desktop",
          "Exec=/nowhere/term\nStartupWMClass=XTerm\nIcon=" + Png("t.png", kBlue) + "\n");
    CDesktopEntryIcons& icons = ReadIcons();
    EXPECT_EQ(Colour(icons.IconForWindow("org-example.viewer")), kRed);
    EXPECT_EQ(Colour(icons.IconForWindow("xterm")), kBlue);
    EXPECT_FALSE(icons.IconForWindow("unknown").has_value());
}

TEST_F(DesktopEntryIconsTest, UserEntryHidesSystemEntryOfTheSameId) {
    const std::string tool = Program("bin/tool");
    Entry("system/applications/tool.desktop", "Exec=tool\nIcon=" + Png("s.png", kRed) + "\n");
    Entry("user/applications/tool.desktop",
          "Exec=tool\nHidden=true\nIcon=" + Png("u.png", kBlue) + "\n");
    CDesktopEntryIcons& icons = ReadIcons();
    EXPECT_FALSE(icons.IconFor(tool).has_value());
}

TEST_F(DesktopEntryIconsTest, ThemeNamesFromHicolorThenPixmaps) {
    const std::string themed = Program("bin/themed");
    const std::string legacy = Program("bin/legacy");
    Png("system/icons/hicolor/48x48/apps/themed-icon.png", kGreen, 48);
    Png("system/icons/hicolor/16x16/apps/themed-icon.png", kBlue, 16);  // the fitting size wins
    Png("system/pixmaps/legacy-icon.png", kRed);
    Entry("system/applications/themed.desktop", "Exec=themed\nIcon=themed-icon\n");
    Entry("system/applications/legacy.desktop", "Exec=legacy\nIcon=legacy-icon\n");
    CDesktopEntryIcons& icons = ReadIcons();
    EXPECT_EQ(Colour(icons.IconFor(themed)), kBlue);
    EXPECT_EQ(Colour(icons.IconFor(legacy)), kRed);
}

TEST_F(DesktopEntryIconsTest, ResultsAreKeptWithoutRescanning) {
    const std::string tool = Program("bin/tool");
    const std::string icon = Png("tool.png", kRed);
    Entry("system/applications/tool.desktop", "Exec=tool\nIcon=" + icon + "\n");
    CDesktopEntryIcons& icons = ReadIcons();
    EXPECT_EQ(Colour(icons.IconFor(tool)), kRed);
    fs::remove_all(root_ / "system/applications");
    fs::remove(icon);
    EXPECT_EQ(Colour(icons.IconFor(tool)), kRed);
}

TEST_F(DesktopEntryIconsTest, UnreadableIconGivesNone) {
    const std::string tool = Program("bin/tool");
    std::ofstream(root_ / "broken.png") << "not a picture";
    Entry("system/applications/tool.desktop",
          "Exec=tool\nIcon=" + (root_ / "broken.png").string() + "\n");
    CDesktopEntryIcons& icons = ReadIcons();
    EXPECT_FALSE(icons.IconFor(tool).has_value());
}

// Among the entries a pipe (opening it would wait for a writer), a link to /dev/zero (it
// never ends) and an entry whose icon is a pipe; a genuine entry is a link to a file
// elsewhere, as Flatpak exports them. The tick runs on before and while the entries are
// read; then the program in front (an xterm) and the one loaded from today's totals get their
// icons in the live list.
TEST_F(DesktopEntryIconsTest, PipesAndDevicesNeitherStopTheTickNorHideOtherIcons) {
    setenv("PATH", ((root_ / "bin").string() + ":" + oldPath_).c_str(), 1);  // xterm, Xvfb
    XvfbSession x;
    std::string error;
    ASSERT_TRUE(x.Start(error)) << error;
    const uint32_t terminal = x.StartXterm("In front");
    ASSERT_NE(terminal, 0u);
    ASSERT_EQ(x.Run({"xdotool", "windowfocus", "--sync", std::to_string(terminal)}), 0);

    ASSERT_EQ(mkfifo((root_ / "user/applications/a-pipe.desktop").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", root_ / "user/applications/b-zero.desktop");
    const std::string pipeIcon = (root_ / "pipe.png").string();
    ASSERT_EQ(mkfifo(pipeIcon.c_str(), 0600), 0);
    const std::string piped = Program("bin/piped");
    Entry("system/applications/piped.desktop", "Exec=piped\nIcon=" + pipeIcon + "\n");
    Entry("system/applications/xterm.desktop", "Exec=xterm\nIcon=" + Png("xterm.png", kRed) + "\n");
    const std::string tool = Program("bin/tool");
    fs::create_directories(root_ / "exports");
    Entry("exports/tool.desktop", "Exec=tool\nIcon=" + Png("tool.png", kBlue) + "\n");
    fs::create_symlink(root_ / "exports/tool.desktop", root_ / "user/applications/tool.desktop");

    CAppSettings settings;
    FakeClock clock;
    clock.now = LocalInstant(2026, 12, 8, 0, 10, 0);  // a day of ticks before midnight
    CUsageDb db((root_ / "usage.db").string());
    for (const std::string& program : {tool, piped}) {
        db.AddSecond(clock.now - 60, fs::path(program).filename().string(), program);
    }
    db.Flush(clock.now - 60, clock.now - 60);

    auto sampler = CX11ForegroundSampler::Connect(x.Display().c_str(), index_, error);
    ASSERT_NE(sampler, nullptr) << error;
    CUsageTracker tracker(settings, clock, *sampler, db);
    FakeListControl live;
    FakeImageList images;
    tracker.Attach(&live, nullptr, nullptr, &images);
    tracker.LoadToday();
    int ticks = 0;
    const auto tick = [&] {
        clock.now += 1;
        tracker.Tick();
        ++ticks;
    };
    while (ticks < 3) tick();  // nothing read yet
    ASSERT_EQ(live.rows.size(), 3u);
    EXPECT_TRUE(images.icons.empty());

    index_.Start();
    const auto colour = [&](const std::string& name) -> uint32_t {
        for (const FakeListControl::Row& row : live.rows) {
            if (row.cells[0] == name && row.image >= 0) return Colour(images.icons[row.image]);
        }
        return 0;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while ((colour("xterm") == 0 || colour("tool") == 0) &&
           std::chrono::steady_clock::now() < deadline) {
        tick();
    }
    EXPECT_EQ(colour("xterm"), kRed);
    EXPECT_EQ(colour("tool"), kBlue);
    EXPECT_EQ(colour("piped"), 0u);
    ASSERT_NE(tracker.Current(), nullptr);
    EXPECT_EQ(tracker.Current()->name, "xterm");
    EXPECT_EQ(tracker.Current()->seconds, ticks);  // every tick credited
}

}  // namespace
