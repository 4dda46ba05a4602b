// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/PrivateFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string Octal(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

}  // namespace

std::string PrivateFolderProblem(const std::string& folder, uid_t owner) {
    struct stat info {};
    // lstat: a symlink planted by someone else must not lead us into their folder.
    if (lstat(folder.c_str(), &info) != 0) {
        return "Cannot use the folder " + folder + ": " + std::strerror(errno) + ".";
    }
    if (!S_ISDIR(info.st_mode)) {
        return "Cannot use " + folder + ": it is not a folder.";
    }
    if (info.st_uid != owner) {
        return "Cannot use the folder " + folder + ": it belongs to user " +
               std::to_string(info.st_uid) + ", not to you (user " + std::to_string(owner) + ").";
    }
    if ((info.st_mode & 077) != 0) {
        return "Cannot use the folder " + folder + ": its mode is " + Octal(info.st_mode) +
               ", but only you may have access to it (0700).";
    }
    return {};
}

std::string MakePrivateFolder(const std::string& folder, uid_t owner) {
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return "Cannot create the folder " + folder + ": " + std::strerror(errno) + ".";
    }
    return PrivateFolderProblem(folder, owner);
}

std::string MakeFolderPath(const std::string& folder) {
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return {};
    }
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return "Cannot create the folder " + part + ": " + std::strerror(errno) + ".";
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return "Cannot use " + folder + ": it is not a folder.";
    }
    return {};
}
