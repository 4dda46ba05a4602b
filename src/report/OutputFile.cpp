// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <optional>
#include <random>

#include "core/Translate.h"
#include "core/WriteAll.h"

namespace fs = std::filesystem;

namespace {

// The files SQLite keeps beside a database, the database itself first.
const char* const kDatabaseSuffixes[] = {"", "-wal", "-shm", "-journal"};

struct FileId {
    dev_t dev;
    ino_t ino;
    bool operator==(const FileId&) const = default;
};

std::optional<FileId> IdOf(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileId{info.st_dev, info.st_ino};
}

struct Walk {
    fs::path path;             // where a write would land
    bool foreignLink = false;  // a link the protected-symlinks rule would not follow
};

// Absolute, with every link on the way followed, a dangling last one too, one component at
// a time: a link in a sticky, world-writable folder is followed only when its owner is the
// user or the folder's owner, as the kernel does for its own opens.
Walk Resolve(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    std::deque<std::string> rest;
    for (const fs::path& part : absolute.relative_path()) {
        rest.push_back(part.string());
    }
    fs::path at = "/";
    int hops = 0;
    while (!rest.empty()) {
        const std::string part = rest.front();
        rest.pop_front();
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            at = at.parent_path();
            continue;
        }
        const fs::path next = at / part;
        struct stat link {};
        if (::lstat(next.c_str(), &link) != 0 || !S_ISLNK(link.st_mode) || ++hops > 40) {
            at = next;
            continue;
        }
        struct stat folder {};
        if (::stat(at.c_str(), &folder) == 0 && (folder.st_mode & S_ISVTX) != 0 &&
            (folder.st_mode & S_IWOTH) != 0 && link.st_uid != ::geteuid() &&
            link.st_uid != folder.st_uid) {
            Walk refused{next, true};
            for (const std::string& left : rest) refused.path /= left;
            return refused;
        }
        const fs::path target = fs::read_symlink(next, error);
        if (error) {
            at = next;
            continue;
        }
        std::vector<std::string> parts;
        for (const fs::path& item : target.relative_path()) parts.push_back(item.string());
        rest.insert(rest.begin(), parts.begin(), parts.end());
        if (target.is_absolute()) {
            at = "/";
        }
    }
    return {at.lexically_normal(), false};
}

fs::path Resolved(const std::string& path) {
    return Resolve(path).path;
}

bool IsDatabaseFile(const fs::path& target, const std::string& databasePath) {
    if (databasePath.empty()) {
        return false;
    }
    const fs::path database = Resolved(databasePath);
    const std::optional<FileId> targetId = IdOf(target);
    const std::optional<FileId> targetFolder = IdOf(target.parent_path());
    const bool sameFolder = targetFolder && targetFolder == IdOf(database.parent_path());
    for (const char* suffix : kDatabaseSuffixes) {
        // A hard link or another name of the same file.
        for (const std::string& name : {databasePath + suffix, database.string() + suffix}) {
            if (targetId && targetId == IdOf(name)) {
                return true;
            }
        }
        // A side file that is not there now may be at any moment.
        if (sameFolder && target.filename().string() == database.filename().string() + suffix) {
            return true;
        }
    }
    return false;
}

// Usable for a rename: the folder can take a new entry.
std::optional<std::string> FolderProblem(const fs::path& target) {
    if (::access(target.parent_path().c_str(), W_OK | X_OK) != 0) {
        return std::string(std::strerror(errno));
    }
    return std::nullopt;
}

struct Staged {
    Staged() = default;
    Staged(const Staged&) = delete;
    Staged& operator=(const Staged&) = delete;
    ~Staged() {
        if (folder >= 0) ::close(folder);
    }
    fs::path target;
    int folder = -1;        // the target's folder, opened once: every name below is in it
    std::string name;       // the target's name in folder
    std::string temporary;  // the temporary's name in folder
    bool existed = false;
    bool swapped = false;   // the target is the new file, the temporary holds the old one
    bool replaced = false;  // the target is the new file, renamed over the old one
};

// A temporary beside target holding bytes, with the mode (and owner, where allowed) of the
// file it replaces, else the mode a new file gets.
bool Stage(Staged& staged, const std::string& bytes, std::string& error) {
    staged.folder = ::open(staged.target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (staged.folder < 0) {
        error = std::strerror(errno);
        return false;
    }
    staged.name = staged.target.filename().string();
    struct stat old {};
    staged.existed = ::fstatat(staged.folder, staged.name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    // A swap would move a folder, device or a link put there since the check aside: only
    // files are replaced.
    if (staged.existed && !S_ISREG(old.st_mode)) {
        error =
            Translate("OutputFile", QT_TRANSLATE_NOOP("OutputFile", "it is not a regular file"));
        return false;
    }
    std::random_device random;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        staged.temporary = "." + staged.name + "." + std::to_string(random());
        fd = ::openat(staged.folder, staged.temporary.c_str(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        error = std::strerror(errno);
        staged.temporary.clear();
        return false;
    }
    if (staged.existed) {
        [[maybe_unused]] const int owner = ::fchown(fd, old.st_uid, old.st_gid);
        ::fchmod(fd, old.st_mode & 07777);
    }
    const bool written = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    if (::close(fd) != 0 || !written) {
        error = std::strerror(written ? errno : writeErrno);
        return false;
    }
    return true;
}

// Puts the target as it was and removes the temporary.
void Undo(const Staged& staged) {
    const char* target = staged.name.c_str();
    const char* temporary = staged.temporary.c_str();
    if (staged.swapped) {
        ::renameat2(staged.folder, temporary, staged.folder, target, RENAME_EXCHANGE);
        ::unlinkat(staged.folder, temporary, 0);
    } else if (staged.replaced) {
        if (!staged.existed) {
            ::unlinkat(staged.folder, target, 0);
        }
    } else if (!staged.temporary.empty()) {
        ::unlinkat(staged.folder, temporary, 0);
    }
}

}  // namespace

OutputTarget CheckOutputTarget(const std::string& path, const std::string& databasePath) {
    using Kind = OutputTarget::Kind;
    const Walk walk = Resolve(path);
    if (walk.foreignLink) {
        return {Kind::ForeignLink,
                Translate("OutputFile",
                          QT_TRANSLATE_NOOP("OutputFile", "it is a link owned by another user"))};
    }
    const fs::path& target = walk.path;
    if (IsDatabaseFile(target, databasePath)) {
        return {
            Kind::Database,
            Translate("OutputFile", QT_TRANSLATE_NOOP("OutputFile", "it is the database in use"))};
    }
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            return {Kind::Unwritable, std::strerror(errno)};
        }
        if (const auto problem = FolderProblem(target)) {
            return {Kind::Unwritable, *problem};
        }
        return {Kind::New, {}};
    }
    if (S_ISREG(info.st_mode)) {
        if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
            return {Kind::Unwritable, std::strerror(EACCES)};
        }
        if (const auto problem = FolderProblem(target)) {
            return {Kind::Unwritable, *problem};
        }
        return {Kind::Regular, {}};
    }
    if (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode)) {
        return {Kind::Stream, {}};
    }
    return {
        Kind::NotAFile,
        S_ISDIR(info.st_mode)
            ? Translate("OutputFile", QT_TRANSLATE_NOOP("OutputFile", "it is a folder"))
            : Translate("OutputFile", QT_TRANSLATE_NOOP("OutputFile", "it is not a regular file"))};
}

bool ReplaceFiles(const std::vector<std::pair<std::string, std::string>>& files,
                  std::string& error) {
    std::vector<Staged> staged(files.size());
    auto fail = [&] {
        for (auto it = staged.rbegin(); it != staged.rend(); ++it) {
            Undo(*it);
        }
        return false;
    };
    for (size_t i = 0; i < files.size(); ++i) {
        const Walk walk = Resolve(files[i].first);
        staged[i].target = walk.path;
        if (walk.foreignLink) {
            error =
                Translate("OutputFile",
                          QT_TRANSLATE_NOOP("OutputFile", "%1: it is a link owned by another user"),
                          {files[i].first});
            return fail();
        }
        if (!Stage(staged[i], files[i].second, error)) {
            //: A file's name, then why it cannot be written.
            error = Translate("OutputFile", QT_TRANSLATE_NOOP("OutputFile", "%1: %2"),
                              {files[i].first, error});
            return fail();
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        Staged& s = staged[i];
        const char* target = s.name.c_str();
        const char* temporary = s.temporary.c_str();
        // Swapped rather than renamed over, so a later failure can put the old file back;
        // file systems that cannot swap get a plain rename.
        if (s.existed && ::renameat2(s.folder, temporary, s.folder, target, RENAME_EXCHANGE) == 0) {
            s.swapped = true;
        } else if (::renameat(s.folder, temporary, s.folder, target) == 0) {
            s.replaced = true;
        } else {
            error = Translate("OutputFile", QT_TRANSLATE_NOOP("OutputFile", "%1: %2"),
                              {files[i].first, std::strerror(errno)});
            return fail();
        }
    }
    for (const Staged& s : staged) {
        if (s.swapped) {
            ::unlinkat(s.folder, s.temporary.c_str(), 0);  // the old file
        }
    }
    return true;
}

bool WriteIntoStream(const std::string& path, const std::string& bytes, std::string& error) {
    const Walk walk = Resolve(path);
    if (walk.foreignLink) {
        error = Translate("OutputFile",
                          QT_TRANSLATE_NOOP("OutputFile", "it is a link owned by another user"));
        return false;
    }
    // No O_CREAT, no O_TRUNC: what is there stays there.
    const int fd = ::open(walk.path.c_str(), O_WRONLY | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat info {};
    bool written = false;
    if (::fstat(fd, &info) != 0 || !(S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode))) {
        error = Translate("OutputFile",
                          QT_TRANSLATE_NOOP("OutputFile", "it is no longer a pipe or device"));
    } else if (!(written = WriteAll(fd, bytes.data(), bytes.size()))) {
        error = std::strerror(errno);
    }
    ::close(fd);
    return written;
}
