// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/PrivateFolder.h"

#include <sys/stat.h>
#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/system/Translations.h"

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
        const std::string reason = std::strerror(errno);
        return FillPlaceholders(
            QCoreApplication::translate("PrivateFolder", "Cannot use the folder %1: %2."),
            {folder, reason});
    }
    if (!S_ISDIR(info.st_mode)) {
        return FillPlaceholders(
            QCoreApplication::translate("PrivateFolder", "Cannot use %1: it is not a folder."),
            {folder});
    }
    if (info.st_uid != owner) {
        return FillPlaceholders(
            QCoreApplication::translate(
                "PrivateFolder",
                "Cannot use the folder %1: it belongs to user %2, not to you (user %3)."),
            {folder, std::to_string(info.st_uid), std::to_string(owner)});
    }
    if ((info.st_mode & 077) != 0) {
        return FillPlaceholders(
            QCoreApplication::translate("PrivateFolder",
                                        "Cannot use the folder %1: its mode is %2, but only you "
                                        "may have access to it (0700)."),
            {folder, Octal(info.st_mode)});
    }
    return {};
}

std::string MakePrivateFolder(const std::string& folder, uid_t owner) {
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        const std::string reason = std::strerror(errno);
        return FillPlaceholders(
            QCoreApplication::translate("PrivateFolder", "Cannot create the folder %1: %2."),
            {folder, reason});
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
            const std::string reason = std::strerror(errno);
            return FillPlaceholders(
                QCoreApplication::translate("PrivateFolder", "Cannot create the folder %1: %2."),
                {part, reason});
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return FillPlaceholders(
            QCoreApplication::translate("PrivateFolder", "Cannot use %1: it is not a folder."),
            {folder});
    }
    return {};
}
