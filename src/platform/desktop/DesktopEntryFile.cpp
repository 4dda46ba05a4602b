// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/DesktopEntryFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

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

std::string DesktopResolveCommand(const std::string& command) {
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

std::unordered_map<std::string, std::string> ReadDesktopEntry(const std::string& file) {
    std::unordered_map<std::string, std::string> keys;
    std::ifstream in(file);
    std::string line;
    bool inMain = false;
    while (std::getline(in, line)) {
        const std::string text = DesktopTrim(line);
        if (text.empty() || text[0] == '#') {
            continue;
        }
        if (text[0] == '[') {
            inMain = text == "[Desktop Entry]";
            continue;
        }
        const auto equals = text.find('=');
        if (inMain && equals != std::string::npos) {
            keys.emplace(DesktopTrim(std::string_view(text).substr(0, equals)),
                         DesktopUnescape(DesktopTrim(std::string_view(text).substr(equals + 1))));
        }
    }
    return keys;
}
