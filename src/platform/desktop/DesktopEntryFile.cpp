// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/DesktopEntryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "core/Environment.h"

namespace fs = std::filesystem;

namespace {

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

}  // namespace

std::vector<std::string> DesktopDataDirs() {
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

std::string DesktopTrim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::string DesktopUnescape(const std::string& value) {
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

std::vector<std::string> DesktopExecWords(const std::string& exec) {
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

std::string DesktopResolveCommand(const std::string& command, const std::string& searchPath) {
    std::error_code error;
    if (command.find('/') != std::string::npos) {
        const fs::path canonical = fs::canonical(command, error);
        return error ? std::string() : canonical.string();
    }
    for (const std::string& dir : Split(searchPath, ':')) {
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

std::optional<std::string> ReadSmallRegularFile(const std::string& file, std::size_t maxBytes) {
    // stat first, so a device behind a link is not even opened (opening some has effects).
    struct stat info {};
    if (stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::size_t>(info.st_size) > maxBytes) {
        return std::nullopt;
    }
    const int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return std::nullopt;
    }
    // The name may lead elsewhere by now: the descriptor is what counts.
    std::optional<std::string> bytes;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::size_t>(info.st_size) <= maxBytes) {
        // One byte more than its size tells a file that grew meanwhile: refused too.
        const auto size = static_cast<std::size_t>(info.st_size);
        std::string data(size + 1, '\0');
        std::size_t length = 0;
        while (length < data.size()) {
            const ssize_t got = read(fd, data.data() + length, data.size() - length);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            length += static_cast<std::size_t>(got);
        }
        if (length <= size) {
            data.resize(length);
            bytes = std::move(data);
        }
    }
    close(fd);
    return bytes;
}

DesktopGroups ParseDesktopGroups(std::string_view text) {
    DesktopGroups groups;
    std::unordered_map<std::string, std::string>* keys = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string line = DesktopTrim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line[0] == '[' && line.back() == ']') {
            // A group named twice keeps the keys of its first.
            const auto [group, added] = groups.try_emplace(line.substr(1, line.size() - 2));
            keys = added ? &group->second : nullptr;
            continue;
        }
        const auto equals = line.find('=');
        if (keys != nullptr && equals != std::string::npos) {
            keys->emplace(DesktopTrim(std::string_view(line).substr(0, equals)),
                          DesktopUnescape(DesktopTrim(std::string_view(line).substr(equals + 1))));
        }
    }
    return groups;
}

std::unordered_map<std::string, std::string> ParseDesktopEntry(std::string_view text) {
    DesktopGroups groups = ParseDesktopGroups(text);
    const auto main = groups.find("Desktop Entry");
    return main != groups.end() ? std::move(main->second)
                                : std::unordered_map<std::string, std::string>();
}

std::unordered_map<std::string, std::string> ReadDesktopEntry(const std::string& file) {
    const std::optional<std::string> text = ReadSmallRegularFile(file, kMaxDesktopEntryBytes);
    return text ? ParseDesktopEntry(*text) : std::unordered_map<std::string, std::string>();
}
