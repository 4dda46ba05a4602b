// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/DesktopEntryScan.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string_view>
#include <utility>

#include "core/Environment.h"
#include "platform/desktop/AppIdExecutables.h"
#include "platform/desktop/DesktopEntryFile.h"

namespace fs = std::filesystem;

namespace {

// Icon folders hold far more names than entry folders; each name costs no more than reading it.
constexpr std::size_t kMaxScannedIconEntries = 200000;
constexpr std::size_t kMaxThemeIndexBytes = 256 * 1024;
constexpr std::size_t kMaxIconCandidates = 6;
constexpr std::size_t kMaxThemes = 6;  // the user's, those it inherits, hicolor

using Keys = std::unordered_map<std::string, std::string>;
using IconFileMap = std::unordered_map<std::string, std::vector<std::string>>;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) {
        return static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    });
    return text;
}

std::string BaseName(const std::string& path) {
    return fs::path(path).filename().string();
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        std::string item = DesktopTrim(std::string_view(text).substr(start, comma - start));
        if (!item.empty()) {
            items.push_back(std::move(item));
        }
        start = comma + 1;
    }
    return items;
}

// The program an Exec line starts, looking through a leading "env VAR=value".
std::string ExecProgram(const std::string& exec) {
    const std::vector<std::string> words = DesktopExecWords(exec);
    std::size_t i = 0;
    if (i < words.size() && BaseName(words[i]) == "env") {
        ++i;
        while (i < words.size() &&
               (words[i].find('=') != std::string::npos || words[i][0] == '-')) {
            ++i;
        }
    }
    return i < words.size() ? words[i] : std::string();
}

// A theme name or a folder of one, as data: nothing that climbs out of the icon folders.
bool IsPlainRelative(const std::string& name) {
    return !name.empty() && name[0] != '/' && name.find("..") == std::string::npos;
}

// One reading in progress; what the walks visit is counted against the caps.
class ScanState {
  public:
    ScanState(const DesktopEntrySources& sources, const std::atomic<bool>& stop)
        : sources_(sources), stop_(stop) {}

    DesktopEntryScan Run() {
        ReadEntries();
        ReadIconFolders();
        return std::move(scan_);
    }

  private:
    bool Going() const { return !stop_.load(std::memory_order_relaxed); }

    void ReadEntries() {
        std::set<std::string> seenIds;
        for (const std::string& dataDir : sources_.dataDirs) {
            const fs::path root = fs::path(dataDir) / "applications";
            std::error_code error;
            if (!fs::is_directory(root, error)) {
                // Watched instead, so that the folder is seen once it is made.
                if (fs::is_directory(dataDir, error)) {
                    scan_.folders.push_back(dataDir);
                }
                continue;
            }
            scan_.folders.push_back(root.string());
            std::vector<fs::path> files;
            // Links to folders are not followed: no loops, and each folder is watched.
            for (fs::recursive_directory_iterator
                     it(root, fs::directory_options::skip_permission_denied, error),
                 end;
                 !error && it != end && entriesLeft_ > 0 && Going(); it.increment(error)) {
                --entriesLeft_;
                std::error_code typeError;
                if (it->is_directory(typeError) && !it->is_symlink(typeError)) {
                    scan_.folders.push_back(it->path().string());
                } else if (it->path().extension() == ".desktop") {
                    files.push_back(it->path());
                }
            }
            std::sort(files.begin(), files.end());
            for (const fs::path& file : files) {
                if (!Going()) {
                    return;
                }
                // The desktop file id: the same id in an earlier folder hides this one.
                std::string id = file.lexically_relative(root).string();
                std::replace(id.begin(), id.end(), '/', '-');
                id.resize(id.size() - file.extension().string().size());
                if (seenIds.count(id) != 0) {
                    continue;
                }
                Keys keys = ReadDesktopEntry(file.string());
                if (!keys.empty()) {
                    seenIds.insert(id);
                    AddEntry(keys, id);
                }
            }
        }
    }

    void AddEntry(Keys& keys, const std::string& id) {
        const std::string& exec = keys["Exec"];
        const std::string& windowClass = keys["StartupWMClass"];
        // An app id names its entry whether or not it shows.
        const std::optional<std::string> executable = ExecTargetPath(exec, sources_.searchPath);
        scan_.executableById.emplace(id, executable);
        if (!windowClass.empty()) {
            scan_.executableByClass.emplace(Lower(windowClass), executable);
        }

        const std::string& type = keys["Type"];
        const std::string& icon = keys["Icon"];
        if (keys["Hidden"] == "true" || icon.empty() || (!type.empty() && type != "Application")) {
            return;
        }
        if (icon.find('/') == std::string::npos) {
            wantedIcons_.insert(icon);
        }
        // Wayland compositors name a window's entry by its id (app id) or its window class.
        for (const std::string& name : {id, windowClass}) {
            if (!name.empty()) {
                scan_.iconByWindowName.emplace(Lower(name), icon);
            }
        }
        DesktopEntryScan::Entry entry;
        for (const std::string& command : {keys["TryExec"], ExecProgram(exec)}) {
            if (!command.empty()) {
                entry.commands.push_back(
                    {command, DesktopResolveCommand(command, sources_.searchPath)});
            }
        }
        if (entry.commands.empty()) {
            return;
        }
        const std::size_t index = scan_.entries.size();
        entry.icon = icon;
        scan_.entries.push_back(std::move(entry));
        std::set<std::string> bases;
        for (const DesktopEntryScan::Command& command : scan_.entries.back().commands) {
            if (bases.insert(BaseName(command.written)).second) {
                scan_.byBaseName[BaseName(command.written)].push_back(index);
            }
        }
    }

    // The user's data folder first, then ~/.icons, then the other data folders.
    std::vector<std::string> IconBases() const {
        std::vector<std::string> bases;
        const std::vector<std::string>& dataDirs = sources_.dataDirs;
        if (!dataDirs.empty()) {
            bases.push_back(dataDirs.front() + "/icons");
        }
        if (!sources_.home.empty()) {
            bases.push_back(sources_.home + "/.icons");
        }
        for (std::size_t i = 1; i < dataDirs.size(); ++i) {
            bases.push_back(dataDirs[i] + "/icons");
        }
        return bases;
    }

    struct ThemeLayout {
        std::vector<std::string> folders;  // of application icons, fitting the size best first
        std::vector<std::string> inherits;
    };

    // Sizes in the order an icon of side wanted is best made from: that size, then larger
    // ones, scalable ones after three times it; smaller ones last.
    static int SizeRank(int size, bool scalable, int wanted) {
        if (scalable) {
            return 3 * wanted + wanted / 2;
        }
        return size >= wanted ? size : 1000 + (wanted - size);
    }

    static ThemeLayout ReadThemeLayout(const std::vector<std::string>& bases,
                                       const std::string& theme, int wanted) {
        ThemeLayout layout;
        for (const std::string& base : bases) {
            const std::optional<std::string> text =
                ReadSmallRegularFile(base + "/" + theme + "/index.theme", kMaxThemeIndexBytes);
            if (!text) {
                continue;
            }
            DesktopGroups groups = ParseDesktopGroups(*text);
            Keys& main = groups["Icon Theme"];
            std::vector<std::pair<int, std::string>> ranked;
            for (std::string& folder : SplitList(main["Directories"])) {
                Keys& keys = groups[folder];
                const std::string& context = keys["Context"];
                if (!IsPlainRelative(folder) || (context != "Applications" && context != "Legacy" &&
                                                 folder.find("apps") == std::string::npos)) {
                    continue;
                }
                const int size =
                    std::atoi(keys["Size"].c_str()) * std::max(1, std::atoi(keys["Scale"].c_str()));
                ranked.emplace_back(SizeRank(size, keys["Type"] == "Scalable", wanted),
                                    std::move(folder));
            }
            std::stable_sort(ranked.begin(), ranked.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            for (auto& [rank, folder] : ranked) {
                layout.folders.push_back(std::move(folder));
            }
            layout.inherits = SplitList(main["Inherits"]);
            return layout;
        }
        // hicolor as applications install into it, when it has no index.
        static const int kSizes[] = {8, 16, 22, 24, 32, 36, 48, 64, 72, 96, 128, 192, 256, 512};
        std::vector<std::pair<int, std::string>> ranked;
        for (const int size : kSizes) {
            const std::string side = std::to_string(size);
            ranked.emplace_back(SizeRank(size, false, wanted), side + "x" + side + "/apps");
        }
        ranked.emplace_back(SizeRank(0, true, wanted), "scalable/apps");
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [rank, folder] : ranked) {
            layout.folders.push_back(std::move(folder));
        }
        return layout;
    }

    void AddTheme(const std::vector<std::string>& bases, const std::string& theme,
                  std::vector<std::pair<std::string, ThemeLayout>>& themes) {
        if (themes.size() + 1 >= kMaxThemes || !IsPlainRelative(theme) ||
            theme.find('/') != std::string::npos || theme == "hicolor") {
            return;
        }
        for (const auto& [name, layout] : themes) {
            if (name == theme) {
                return;
            }
        }
        themes.emplace_back(theme, ReadThemeLayout(bases, theme, sources_.iconSize));
        const std::vector<std::string> inherits = themes.back().second.inherits;
        for (const std::string& parent : inherits) {
            AddTheme(bases, parent, themes);
        }
    }

    // The files of one folder named after a wanted icon; suffixes in order of preference,
    // and with exactNames a file named just so comes first.
    void ListIconFolder(const std::string& folder, std::initializer_list<std::string_view> suffixes,
                        bool exactNames, const std::set<std::string>& wanted, IconFileMap& found) {
        std::vector<std::pair<std::size_t, std::pair<std::string, std::string>>> hits;
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end;
             !error && it != end && iconEntriesLeft_ > 0 && Going(); it.increment(error)) {
            --iconEntriesLeft_;
            const std::string file = it->path().filename().string();
            if (exactNames && wanted.count(file) != 0) {
                hits.push_back({0, {file, it->path().string()}});
            }
            std::size_t rank = 1;
            for (const std::string_view suffix : suffixes) {
                if (file.size() > suffix.size() && file.ends_with(suffix)) {
                    std::string stem = file.substr(0, file.size() - suffix.size());
                    if (wanted.count(stem) != 0) {
                        hits.push_back({rank, {std::move(stem), it->path().string()}});
                    }
                }
                ++rank;
            }
        }
        std::stable_sort(hits.begin(), hits.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [rank, hit] : hits) {
            std::vector<std::string>& files = found[hit.first];
            if (files.size() < kMaxIconCandidates) {
                files.push_back(std::move(hit.second));
            }
        }
    }

    // Each theme name an entry uses, to its files: in the first theme that has it (at its
    // best size first), then the legacy pixmaps folders.
    void ReadIconFolders() {
        if (wantedIcons_.empty()) {
            return;
        }
        const std::vector<std::string> bases = IconBases();
        std::vector<std::pair<std::string, ThemeLayout>> themes;
        AddTheme(bases, sources_.iconTheme, themes);
        themes.emplace_back("hicolor", ReadThemeLayout(bases, "hicolor", sources_.iconSize));
        std::set<std::string> missing = wantedIcons_;
        for (const auto& [theme, layout] : themes) {
            IconFileMap found;
            for (const std::string& folder : layout.folders) {
                for (const std::string& base : bases) {
                    ListIconFolder(base + "/" + theme + "/" + folder, {".png", ".svg", ".xpm"},
                                   false, missing, found);
                }
            }
            for (auto& [name, files] : found) {
                missing.erase(name);
                scan_.iconFiles.emplace(name, std::move(files));
            }
        }
        IconFileMap pixmaps;
        for (const std::string& dataDir : sources_.dataDirs) {
            ListIconFolder(dataDir + "/pixmaps", {".png", ".xpm", ".svg"}, true, wantedIcons_,
                           pixmaps);
        }
        for (auto& [name, files] : pixmaps) {
            std::vector<std::string>& all = scan_.iconFiles[name];
            for (std::string& file : files) {
                if (all.size() < kMaxIconCandidates) {
                    all.push_back(std::move(file));
                }
            }
        }
    }

    const DesktopEntrySources& sources_;
    const std::atomic<bool>& stop_;
    DesktopEntryScan scan_;
    std::set<std::string> wantedIcons_;  // theme names the entries use
    std::size_t entriesLeft_ = kMaxScannedEntries;
    std::size_t iconEntriesLeft_ = kMaxScannedIconEntries;
};

}  // namespace

DesktopEntrySources DesktopEntrySources::FromEnvironment(std::string iconTheme) {
    return DesktopEntrySources{DesktopDataDirs(), Env("HOME"), Env("PATH"), std::move(iconTheme),
                               16};
}

std::optional<std::string> DesktopEntryScan::IconNameFor(const std::string& executablePath) const {
    const std::string base = BaseName(executablePath);
    const auto candidates = byBaseName.find(base);
    if (base.empty() || candidates == byBaseName.end()) {
        return std::nullopt;
    }
    for (const std::size_t index : candidates->second) {
        for (const Command& command : entries[index].commands) {
            if (command.resolved == executablePath && BaseName(command.written) == base) {
                return entries[index].icon;
            }
        }
    }
    return entries[candidates->second.front()].icon;
}

std::optional<std::string> DesktopEntryScan::IconNameForWindow(const std::string& appId) const {
    const auto named = appId.empty() ? iconByWindowName.end() : iconByWindowName.find(Lower(appId));
    return named != iconByWindowName.end() ? std::optional<std::string>(named->second)
                                           : std::nullopt;
}

std::vector<std::string> DesktopEntryScan::IconFiles(const std::string& icon) const {
    if (icon.starts_with('/')) {
        return {icon};
    }
    const auto files = iconFiles.find(icon);
    return files != iconFiles.end() ? files->second : std::vector<std::string>();
}

bool DesktopEntryScan::NamesAppId(const std::string& appId) const {
    if (appId.empty() || appId.find('/') != std::string::npos) {
        return false;
    }
    return executableById.count(appId) != 0 || executableById.count(Lower(appId)) != 0 ||
           executableByClass.count(Lower(appId)) != 0;
}

std::optional<std::string> DesktopEntryScan::ExecutableFor(const std::string& appId) const {
    if (appId.empty() || appId.find('/') != std::string::npos) {
        return std::nullopt;
    }
    for (const std::string& id : {appId, Lower(appId)}) {
        const auto found = executableById.find(id);
        if (found != executableById.end()) {
            return found->second;
        }
    }
    const auto byClass = executableByClass.find(Lower(appId));
    return byClass != executableByClass.end() ? byClass->second : std::nullopt;
}

DesktopEntryScan ScanDesktopEntries(const DesktopEntrySources& sources,
                                    const std::atomic<bool>& stop) {
    return ScanState(sources, stop).Run();
}
