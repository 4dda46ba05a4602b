#include "platform/DesktopEntryIcons.h"

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

#include "platform/X11IconScale.h"

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator)) {
        if (!part.empty()) {
            parts.push_back(part);
        }
    }
    return parts;
}

// $XDG_DATA_HOME first, then $XDG_DATA_DIRS: earlier folders take precedence.
std::vector<std::string> DataDirs() {
    std::vector<std::string> dirs;
    std::string home = Env("XDG_DATA_HOME");
    if (home.empty() && !Env("HOME").empty()) {
        home = Env("HOME") + "/.local/share";
    }
    if (!home.empty()) {
        dirs.push_back(home);
    }
    std::string system = Env("XDG_DATA_DIRS");
    if (system.empty()) {
        system = "/usr/local/share:/usr/share";
    }
    for (std::string& dir : Split(system, ':')) {
        dirs.push_back(std::move(dir));
    }
    return dirs;
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

// The escapes every desktop entry string value may carry.
std::string UnescapeValue(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        switch (next) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                out += '\\';
                out += next;
                break;  // kept for the Exec quoting rules
        }
    }
    return out;
}

// Exec's arguments, with its double-quote rules.
std::vector<std::string> ExecWords(const std::string& exec) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char ch = exec[i];
        if (quoted) {
            if (ch == '\\' && i + 1 < exec.size()) {
                word += exec[++i];
            } else if (ch == '"') {
                quoted = false;
            } else {
                word += ch;
            }
        } else if (ch == '"') {
            quoted = true;
            inWord = true;
        } else if (ch == ' ' || ch == '\t') {
            if (inWord) {
                words.push_back(word);
                word.clear();
                inWord = false;
            }
        } else {
            word += ch == '\\' && i + 1 < exec.size() ? exec[++i] : ch;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

// The program an Exec line starts, looking through a leading "env VAR=value".
std::string ExecProgram(const std::string& exec) {
    const std::vector<std::string> words = ExecWords(exec);
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

// Where a command of an entry leads, as the kernel would report the running executable.
std::string Resolve(const std::string& command) {
    std::error_code error;
    if (command.find('/') != std::string::npos) {
        const fs::path canonical = fs::canonical(command, error);
        return error ? std::string() : canonical.string();
    }
    for (const std::string& dir : Split(Env("PATH"), ':')) {
        const fs::path candidate = fs::path(dir) / command;
        if (fs::is_regular_file(candidate, error)) {
            const fs::path canonical = fs::canonical(candidate, error);
            if (!error) {
                return canonical.string();
            }
        }
    }
    return {};
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
    return X11IconFromImage(image);
}

// The hicolor theme and the legacy pixmaps folders, smallest fitting size first. Works
// without a running QGuiApplication, unlike QIcon's theme lookup.
std::optional<IconImage> LoadThemeIcon(const std::string& name) {
    static const char* const kSizes[] = {"16x16",   "22x22",    "24x24",   "32x32",   "36x36",
                                         "48x48",   "scalable", "64x64",   "72x72",   "96x96",
                                         "128x128", "192x192",  "256x256", "512x512", "8x8"};
    static const char* const kSuffixes[] = {".png", ".svg", ".xpm"};
    std::vector<std::string> iconDirs;
    const std::vector<std::string> dataDirs = DataDirs();
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
                return X11IconFromImage(image);
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
    for (const std::string& dataDir : DataDirs()) {
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
    std::ifstream in(file);
    std::string line;
    bool inMain = false;
    std::string type;
    std::string exec;
    std::string tryExec;
    std::string icon;
    std::string windowClass;
    bool hidden = false;
    while (std::getline(in, line)) {
        const std::string text = Trim(line);
        if (text.empty() || text[0] == '#') {
            continue;
        }
        if (text[0] == '[') {
            inMain = text == "[Desktop Entry]";
            continue;
        }
        const auto equals = text.find('=');
        if (!inMain || equals == std::string::npos) {
            continue;
        }
        const std::string key = Trim(std::string_view(text).substr(0, equals));
        const std::string value = UnescapeValue(Trim(std::string_view(text).substr(equals + 1)));
        if (key == "Type") {
            type = value;
        } else if (key == "Exec") {
            exec = value;
        } else if (key == "TryExec") {
            tryExec = value;
        } else if (key == "Icon") {
            icon = value;
        } else if (key == "StartupWMClass") {
            windowClass = value;
        } else if (key == "Hidden") {
            hidden = value == "true";
        }
    }
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
                Resolve(command) == executablePath) {
                return m_entries[index].icon;
            }
        }
    }
    return m_entries[candidates->second.front()].icon;
}
