// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/DesktopEntryIcons.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string_view>

#include "platform/desktop/DesktopEntryFile.h"
#include "platform/desktop/IconScale.h"

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The program an Exec line starts, looking through a leading "env VAR=value".
std::string ExecProgram(const std::string& exec) {
    const std::vector<std::string> words = DesktopExecWords(exec);
    std::size_t i = 0;
    if (i < words.size() && fs::path(words[i]).filename() == "env") {
        ++i;
        while (i < words.size() &&
               (words[i].find('=') != std::string::npos || words[i][0] == '-')) {
            ++i;
        }
    }
    return i < words.size() ? words[i] : std::string();
}

std::string BaseName(const std::string& path) {
    return fs::path(path).filename().string();
}

std::optional<IconImage> LoadImageFile(const std::string& file) {
    QImageReader reader(QString::fromStdString(file));
    if (reader.format() == "svg" || reader.format() == "svgz") {
        // Qt's SVG renderer aborts without a running QGuiApplication (it needs fonts).
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
            return std::nullopt;
        }
        reader.setScaledSize(QSize(kProgramIconSize, kProgramIconSize));
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        return std::nullopt;
    }
    return ProgramIconFromImage(image);
}

// The hicolor theme and the legacy pixmaps folders, smallest fitting size first. Works
// without a running QGuiApplication, unlike QIcon's theme lookup.
std::optional<IconImage> LoadThemeIcon(const std::string& name) {
    static const char* const kSizes[] = {"16x16",   "22x22",    "24x24",   "32x32",   "36x36",
                                         "48x48",   "scalable", "64x64",   "72x72",   "96x96",
                                         "128x128", "192x192",  "256x256", "512x512", "8x8"};
    static const char* const kSuffixes[] = {".png", ".svg", ".xpm"};
    std::vector<std::string> iconDirs;
    const std::vector<std::string> dataDirs = DesktopDataDirs();
    if (!dataDirs.empty()) {
        iconDirs.push_back(dataDirs.front() + "/icons");
    }
    if (!Env("HOME").empty()) {
        iconDirs.push_back(Env("HOME") + "/.icons");
    }
    for (std::size_t i = 1; i < dataDirs.size(); ++i) {
        iconDirs.push_back(dataDirs[i] + "/icons");
    }
    std::error_code error;
    for (const char* size : kSizes) {
        for (const std::string& dir : iconDirs) {
            for (const char* suffix : kSuffixes) {
                const std::string file = dir + "/hicolor/" + size + "/apps/" + name + suffix;
                if (fs::is_regular_file(file, error)) {
                    if (auto icon = LoadImageFile(file)) {
                        return icon;
                    }
                }
            }
        }
    }
    for (const std::string& dir : dataDirs) {
        for (const char* suffix : {"", ".png", ".xpm", ".svg"}) {
            const std::string file = dir + "/pixmaps/" + name + suffix;
            if (fs::is_regular_file(file, error)) {
                if (auto icon = LoadImageFile(file)) {
                    return icon;
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<IconImage> LoadIcon(const std::string& icon) {
    if (icon.starts_with('/')) {
        return LoadImageFile(icon);
    }
    // With a GUI running, the user's own icon theme comes first.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        const QIcon themed = QIcon::fromTheme(QString::fromStdString(icon));
        if (!themed.isNull()) {
            const QImage image = themed.pixmap(kProgramIconSize, kProgramIconSize).toImage();
            if (!image.isNull()) {
                return ProgramIconFromImage(image);
            }
        }
    }
    return LoadThemeIcon(icon);
}

}  // namespace

std::optional<IconImage> CDesktopEntryIcons::IconFor(const std::string& executablePath) {
    const auto cached = m_cache.find(executablePath);
    if (cached != m_cache.end()) {
        return cached->second;
    }
    if (!m_scanned) {
        Scan();
    }
    std::optional<IconImage> icon;
    if (const std::optional<std::string> name = IconNameFor(executablePath)) {
        icon = LoadIcon(*name);
    }
    m_cache.emplace(executablePath, icon);
    return icon;
}

std::optional<IconImage> CDesktopEntryIcons::IconForWindow(const std::string& appId) {
    if (appId.empty()) {
        return std::nullopt;
    }
    const std::string key = '\n' + appId;  // never a path
    const auto cached = m_cache.find(key);
    if (cached != m_cache.end()) {
        return cached->second;
    }
    if (!m_scanned) {
        Scan();
    }
    std::optional<IconImage> icon;
    const auto named = m_byWindowName.find(QString::fromStdString(appId).toLower().toStdString());
    if (named != m_byWindowName.end()) {
        icon = LoadIcon(named->second);
    }
    m_cache.emplace(key, icon);
    return icon;
}

std::optional<IconImage> CDesktopEntryIcons::IconFor(const std::string& executablePath,
                                                     const std::string& appId) {
    std::optional<IconImage> icon;
    if (!executablePath.empty()) {
        icon = IconFor(executablePath);
    }
    return icon ? icon : IconForWindow(appId);
}

void CDesktopEntryIcons::Scan() {
    m_scanned = true;
    std::set<std::string> seenIds;
    for (const std::string& dataDir : DesktopDataDirs()) {
        const fs::path root = fs::path(dataDir) / "applications";
        std::error_code error;
        if (!fs::is_directory(root, error)) {
            continue;
        }
        std::vector<fs::path> files;
        for (fs::recursive_directory_iterator
                 it(root, fs::directory_options::skip_permission_denied, error),
             end;
             !error && it != end; it.increment(error)) {
            if (it->path().extension() == ".desktop") {
                files.push_back(it->path());
            }
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            // The desktop file id: the same id in an earlier folder hides this one.
            std::string id = file.lexically_relative(root).string();
            std::replace(id.begin(), id.end(), '/', '-');
            if (seenIds.insert(id).second) {
                ReadEntry(file.string(),
                          id.substr(0, id.size() - file.extension().string().size()));
            }
        }
    }
}

void CDesktopEntryIcons::ReadEntry(const std::string& file, const std::string& id) {
    auto keys = ReadDesktopEntry(file);
    const std::string& type = keys["Type"];
    const std::string& exec = keys["Exec"];
    const std::string& tryExec = keys["TryExec"];
    const std::string& icon = keys["Icon"];
    const std::string& windowClass = keys["StartupWMClass"];
    const bool hidden = keys["Hidden"] == "true";
    if (hidden || icon.empty() || (!type.empty() && type != "Application")) {
        return;
    }
    Entry entry;
    for (const std::string& command : {tryExec, ExecProgram(exec)}) {
        if (!command.empty()) {
            entry.commands.push_back(command);
        }
    }
    entry.icon = icon;
    // Wayland compositors name a window's entry by its id (app id) or its window class.
    for (const std::string& name : {id, windowClass}) {
        if (!name.empty()) {
            m_byWindowName.emplace(QString::fromStdString(name).toLower().toStdString(), icon);
        }
    }
    if (entry.commands.empty()) {
        return;
    }
    const std::size_t index = m_entries.size();
    m_entries.push_back(std::move(entry));
    std::set<std::string> bases;
    for (const std::string& command : m_entries.back().commands) {
        if (bases.insert(BaseName(command)).second) {
            m_byBaseName[BaseName(command)].push_back(index);
        }
    }
}

// An entry whose command leads to this very file wins; else the first entry whose command
// has the same base name (a wrapper script in PATH for a program installed elsewhere).
std::optional<std::string> CDesktopEntryIcons::IconNameFor(
    const std::string& executablePath) const {
    const auto candidates = m_byBaseName.find(BaseName(executablePath));
    if (candidates == m_byBaseName.end()) {
        return std::nullopt;
    }
    for (const std::size_t index : candidates->second) {
        for (const std::string& command : m_entries[index].commands) {
            if (BaseName(command) == BaseName(executablePath) &&
                DesktopResolveCommand(command) == executablePath) {
                return m_entries[index].icon;
            }
        }
    }
    return m_entries[candidates->second.front()].icon;
}
