// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/ProcessExecutable.h"

#include <unistd.h>

#include <climits>

#include "core/Utf8Text.h"

std::optional<std::string> ExecutableOf(uint32_t pid) {
    const std::string link = "/proc/" + std::to_string(pid) + "/exe";
    char buffer[PATH_MAX];
    const ssize_t length = readlink(link.c_str(), buffer, sizeof buffer);
    if (length <= 0) {
        return std::nullopt;
    }
    std::string path(buffer, static_cast<std::size_t>(length));
    // A program replaced on disk while running (an upgrade) is still the same program.
    constexpr std::string_view kDeleted = " (deleted)";
    if (path.size() > kDeleted.size() && path.ends_with(kDeleted)) {
        path.resize(path.size() - kDeleted.size());
    }
    return path;
}

ForegroundSample ProcessSample(std::string_view title, uint32_t pid) {
    ForegroundSample sample;
    sample.title = CutValidUtf8(title, kMaxSampleTitleChars);
    std::optional<std::string> path;
    if (pid != 0) {
        path = ExecutableOf(pid);
    }
    if (!path) {
        return sample;
    }
    sample.processFound = true;
    const std::size_t slash = path->rfind('/');
    sample.name = slash == std::string::npos ? *path : path->substr(slash + 1);
    sample.path = std::move(*path);
    return sample;
}
