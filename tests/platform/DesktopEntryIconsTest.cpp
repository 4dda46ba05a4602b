// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/desktop/DesktopEntryIcons.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kGreen = 0xFF00FF00u;
constexpr uint32_t kBlue = 0xFF0000FFu;

// A user data folder and a system data folder of our own, with PATH pointing into it.
class DesktopEntryIconsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_root = fs::path(std::getenv("HOME")) /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(m_root / "user/applications");
        fs::create_directories(m_root / "system/applications");
        fs::create_directories(m_root / "bin");
        m_oldPath = std::getenv("PATH");
        setenv("XDG_DATA_HOME", (m_root / "user").c_str(), 1);
        setenv("XDG_DATA_DIRS", (m_root / "system").c_str(), 1);
        setenv("PATH", (m_root / "bin").c_str(), 1);
    }
    void TearDown() override { setenv("PATH", m_oldPath.c_str(), 1); }

    std::string Program(const std::string& relative) {
        const fs::path file = m_root / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "#!/bin/sh\n";
        fs::permissions(file, fs::perms::owner_all);
        return file.string();
    }
    std::string Png(const std::string& relative, uint32_t argb, int size = 32) {
        const fs::path file = m_root / relative;
        fs::create_directories(file.parent_path());
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(QColor::fromRgba(argb));
        EXPECT_TRUE(image.save(QString::fromStdString(file.string()), "PNG"));
        return file.string();
    }
    void Entry(const std::string& relative, const std::string& body) {
        std::ofstream(m_root / relative) << "[Desktop Entry]\nType=Application\nName=X\n" << body;
    }
    static uint32_t Colour(const std::optional<IconImage>& icon) {
        return icon && !icon->IsNull() ? icon->argb[8 * 16 + 8] : 0;
    }

    fs::path m_root;
    std::string m_oldPath;
};

TEST_F(DesktopEntryIconsTest, ExecOrTryExecNamingTheExecutable) {
    const std::string tool = Program("opt/tool/tool");
    const std::string other = Program("opt/other/other");
    Entry("system/applications/tool.desktop",
          "Exec=" + tool + " --flag %U\nIcon=" + Png("tool.png", kRed) + "\n");
    Entry(
        "system/applications/other.desktop",
        "TryExec=" + other + "\nExec=sh -c 'start other'\nIcon=" + Png("other.png", kBlue) + "\n");
    CDesktopEntryIcons icons;
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
    CDesktopEntryIcons icons;
    EXPECT_EQ(Colour(icons.IconFor(tool)), kGreen);
}

TEST_F(DesktopEntryIconsTest, EntryLeadingToTheFileBeatsOneWithTheSameBaseName) {
    const std::string inPath = Program("bin/edit");
    Program("elsewhere/edit");
    // Sorted first, but names another file called "edit".
    Entry("system/applications/a-edit.desktop",
          "Exec=" + (m_root / "elsewhere/edit").string() + "\nIcon=" + Png("a.png", kBlue) + "\n");
    Entry("system/applications/b-edit.desktop", "Exec=edit\nIcon=" + Png("b.png", kGreen) + "\n");
    CDesktopEntryIcons icons;
    EXPECT_EQ(Colour(icons.IconFor(inPath)), kGreen);
    // A copy nobody names exactly still gets the icon of its base name.
    EXPECT_EQ(Colour(icons.IconFor(Program("third/edit"))), kBlue);
}

TEST_F(DesktopEntryIconsTest, WaylandWindowsNameTheirEntryByIdOrWindowClass) {
    fs::create_directories(m_root / "system/applications/org");
    Entry("system/applications/org/example.Viewer.desktop",
          "Exec=/nowhere/viewer\nIcon=" + Png("v.png", kRed) + "\n");
    Entry("system/applications/term.desktop",
          "Exec=/nowhere/term\nStartupWMClass=XTerm\nIcon=" + Png("t.png", kBlue) + "\n");
    CDesktopEntryIcons icons;
    EXPECT_EQ(Colour(icons.IconForWindow("org-example.viewer")), kRed);
    EXPECT_EQ(Colour(icons.IconForWindow("xterm")), kBlue);
    EXPECT_FALSE(icons.IconForWindow("unknown").has_value());
}

TEST_F(DesktopEntryIconsTest, UserEntryHidesSystemEntryOfTheSameId) {
    const std::string tool = Program("bin/tool");
    Entry("system/applications/tool.desktop", "Exec=tool\nIcon=" + Png("s.png", kRed) + "\n");
    Entry("user/applications/tool.desktop",
          "Exec=tool\nHidden=true\nIcon=" + Png("u.png", kBlue) + "\n");
    CDesktopEntryIcons icons;
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
    CDesktopEntryIcons icons;
    EXPECT_EQ(Colour(icons.IconFor(themed)), kBlue);
    EXPECT_EQ(Colour(icons.IconFor(legacy)), kRed);
}

TEST_F(DesktopEntryIconsTest, ResultsAreKeptWithoutRescanning) {
    const std::string tool = Program("bin/tool");
    const std::string icon = Png("tool.png", kRed);
    Entry("system/applications/tool.desktop", "Exec=tool\nIcon=" + icon + "\n");
    CDesktopEntryIcons icons;
    EXPECT_EQ(Colour(icons.IconFor(tool)), kRed);
    fs::remove_all(m_root / "system/applications");
    fs::remove(icon);
    EXPECT_EQ(Colour(icons.IconFor(tool)), kRed);
}

TEST_F(DesktopEntryIconsTest, UnreadableIconGivesNone) {
    const std::string tool = Program("bin/tool");
    std::ofstream(m_root / "broken.png") << "not a picture";
    Entry("system/applications/tool.desktop",
          "Exec=tool\nIcon=" + (m_root / "broken.png").string() + "\n");
    CDesktopEntryIcons icons;
    EXPECT_FALSE(icons.IconFor(tool).has_value());
}

}  // namespace
