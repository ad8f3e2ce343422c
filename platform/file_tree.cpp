#include "platform/file_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/disk_path.h"
#include "platform/file_services.h"
#include "platform/unique_fd.h"

namespace zembo::platform {
namespace {

bool Fail(FileError& error, const std::string& path, int code) {
    error = FileError{path, code, {}};
    return false;
}

bool IsDotOrDotDot(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// Calls f(name) for every entry of the open folder dirFd but "." and ".."; stops when f returns
// false. 0, or the error number of a failed read.
template <class F>
int ForEachEntry(int dirFd, F&& f) {
    const int fd = dup(dirFd);
    DIR* dir = fd >= 0 ? fdopendir(fd) : nullptr;
    if (dir == nullptr) {
        const int err = errno;
        if (fd >= 0) {
            close(fd);
        }
        return err;
    }
    // Entries are collected first: removing or making entries while reading a folder may
    // skip or repeat some.
    std::vector<std::string> names;
    int err = 0;
    while (true) {
        errno = 0;
        const dirent* entry = readdir(dir);
        if (entry == nullptr) {
            err = errno;
            break;
        }
        if (!IsDotOrDotDot(entry->d_name)) {
            names.emplace_back(entry->d_name);
        }
    }
    closedir(dir);
    if (err != 0) {
        return err;
    }
    for (const std::string& name : names) {
        if (!f(name)) {
            break;
        }
    }
    return 0;
}

struct Side {
    int dirFd;
    const std::string& name;
    const std::string& path;
};

// Whether the entry being copied is the top one, and once it is made, that it was: only the top
// entry may exist already, and only what we made is taken away after a failure.
struct Top {
    bool top = false;
    bool made = false;
};

CopyResult Failed(FileError& error, const std::string& path, int code) {
    Fail(error, path, code);
    return CopyResult::kFailed;
}

CopyResult CopyAt(const Side& from, const Side& to, Top& top, FileError& error);

CopyResult CopyFileAt(const Side& from, const Side& to, const struct stat& st, Top& top,
                      FileError& error) {
    UniqueFd in(openat(from.dirFd, from.name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!in.Ok()) {
        return Failed(error, from.path, errno);
    }
    UniqueFd out(openat(to.dirFd, to.name.c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!out.Ok()) {
        if (top.top && errno == EEXIST) {
            return CopyResult::kNameTaken;
        }
        return Failed(error, to.path, errno);
    }
    top.made = true;
    int err = CopyBytes(in.Get(), out.Get());
    if (err == 0) {
        // Where the target's file system keeps no permissions or times (FAT), the copy stands.
        const timespec times[2] = {st.st_atim, st.st_mtim};
        (void)fchmod(out.Get(), st.st_mode & 07777);
        (void)futimens(out.Get(), times);
        // On the disk before anyone relies on it: a move removes its source next.
        if (fsync(out.Get()) != 0 || out.Close() != 0) {
            err = errno;
        }
    }
    if (err != 0) {
        unlinkat(to.dirFd, to.name.c_str(), 0);
        return Failed(error, to.path, err);
    }
    return CopyResult::kDone;
}

CopyResult CopyLinkAt(const Side& from, const Side& to, const struct stat& st, Top& top,
                      FileError& error) {
    std::vector<char> target(static_cast<std::size_t>(st.st_size) + 2);
    const ssize_t n = readlinkat(from.dirFd, from.name.c_str(), target.data(), target.size());
    if (n < 0) {
        return Failed(error, from.path, errno);
    }
    if (static_cast<std::size_t>(n) >= target.size()) {
        return Failed(error, from.path, ENAMETOOLONG);  // it grew while being read
    }
    target[static_cast<std::size_t>(n)] = '\0';
    if (symlinkat(target.data(), to.dirFd, to.name.c_str()) != 0) {
        if (top.top && errno == EEXIST) {
            return CopyResult::kNameTaken;
        }
        return Failed(error, to.path, errno);
    }
    top.made = true;
    const timespec times[2] = {st.st_atim, st.st_mtim};
    (void)utimensat(to.dirFd, to.name.c_str(), times, AT_SYMLINK_NOFOLLOW);
    return CopyResult::kDone;
}

CopyResult CopyFolderAt(const Side& from, const Side& to, const struct stat& st, Top& top,
                        FileError& error) {
    UniqueFd in(
        openat(from.dirFd, from.name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!in.Ok()) {
        return Failed(error, from.path, errno);
    }
    // Only we may enter it until it is full; its own permissions come last.
    if (mkdirat(to.dirFd, to.name.c_str(), 0700) != 0) {
        if (top.top && errno == EEXIST) {
            return CopyResult::kNameTaken;
        }
        return Failed(error, to.path, errno);
    }
    top.made = true;
    UniqueFd out(
        openat(to.dirFd, to.name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!out.Ok()) {
        return Failed(error, to.path, errno);
    }
    CopyResult result = CopyResult::kDone;
    const int err = ForEachEntry(in.Get(), [&](const std::string& name) {
        const std::string fromPath = JoinDiskPath(from.path, name);
        const std::string toPath = JoinDiskPath(to.path, name);
        Top inner;
        result =
            CopyAt(Side{in.Get(), name, fromPath}, Side{out.Get(), name, toPath}, inner, error);
        return result == CopyResult::kDone;
    });
    if (err != 0) {
        return Failed(error, from.path, err);
    }
    if (result != CopyResult::kDone) {
        return result;
    }
    const timespec times[2] = {st.st_atim, st.st_mtim};
    (void)fchmod(out.Get(), st.st_mode & 07777);
    (void)futimens(out.Get(), times);
    if (fsync(out.Get()) != 0) {
        return Failed(error, to.path, errno);
    }
    return CopyResult::kDone;
}

CopyResult CopyAt(const Side& from, const Side& to, Top& top, FileError& error) {
    struct stat st {};
    if (fstatat(from.dirFd, from.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        return Failed(error, from.path, errno);
    }
    if (S_ISREG(st.st_mode)) {
        return CopyFileAt(from, to, st, top, error);
    }
    if (S_ISLNK(st.st_mode)) {
        return CopyLinkAt(from, to, st, top, error);
    }
    if (S_ISDIR(st.st_mode)) {
        return CopyFolderAt(from, to, st, top, error);
    }
    // Pipes, sockets and devices are no files a user copies; say so rather than skip them.
    return Failed(error, from.path, ENOTSUP);
}

bool RemoveAt(int dirFd, const std::string& name, const std::string& path, FileError& error) {
    struct stat st {};
    if (fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        return Fail(error, path, errno);
    }
    if (!S_ISDIR(st.st_mode)) {
        return unlinkat(dirFd, name.c_str(), 0) == 0 || Fail(error, path, errno);
    }
    UniqueFd fd(openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.Ok()) {
        return Fail(error, path, errno);
    }
    bool ok = true;
    const int err = ForEachEntry(fd.Get(), [&](const std::string& child) {
        ok = RemoveAt(fd.Get(), child, JoinDiskPath(path, child), error);
        return ok;
    });
    if (err != 0) {
        return Fail(error, path, err);
    }
    if (!ok) {
        return false;
    }
    return unlinkat(dirFd, name.c_str(), AT_REMOVEDIR) == 0 || Fail(error, path, errno);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string DescribeFileError(const FileError& error) {
    return error.path + ": " + (error.text.empty() ? std::strerror(error.code) : error.text);
}

int RenameNoReplace(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    const int err = errno;
    struct stat a {};
    struct stat b {};
    if (err == EEXIST) {
        // On a file system that ignores letter case "Notes.txt" exists when "notes.txt" does: it
        // is the entry itself, and only the spelling changes.
        // (Two hard links of one file are two entries: that stays a clash.)
        if (lstat(from.c_str(), &a) == 0 && lstat(to.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
            a.st_ino == b.st_ino && (S_ISDIR(a.st_mode) || a.st_nlink == 1)) {
            return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
        }
        return EEXIST;
    }
    if (err != EINVAL && err != ENOSYS && err != ENOTSUP) {
        return err;
    }
    // File systems without the no-replace flag (some FUSE ones, older network ones). A file
    // gets a second name and then loses the first; a hard link never replaces.
    if (lstat(from.c_str(), &a) != 0) {
        return errno;
    }
    if (!S_ISDIR(a.st_mode)) {
        if (link(from.c_str(), to.c_str()) == 0) {
            if (unlink(from.c_str()) == 0) {
                return 0;
            }
            const int unlinkErr = errno;
            unlink(to.c_str());
            return unlinkErr;
        }
        if (errno == EEXIST) {
            return EEXIST;
        }
        if (errno != EPERM && errno != ENOTSUP && errno != EMLINK) {
            return errno;
        }
    }
    // Neither the flag nor links: look, then rename. Another program could make an entry named
    // to in between; there is no closer check on such a file system.
    if (lstat(to.c_str(), &b) == 0) {
        return EEXIST;
    }
    if (errno != ENOENT) {
        return errno;
    }
    return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

CopyResult CopyEntry(const std::string& from, const std::string& to, FileError& error) {
    const std::string toFolder = DiskFolderOf(to);
    UniqueFd fromDir(open(DiskFolderOf(from).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fromDir.Ok()) {
        return Failed(error, from, errno);
    }
    UniqueFd toDir(open(toFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!toDir.Ok()) {
        return Failed(error, toFolder, errno);
    }
    const std::string fromName = NameOf(from);
    const std::string toName = NameOf(to);
    Top top{true, false};
    const CopyResult result =
        CopyAt(Side{fromDir.Get(), fromName, from}, Side{toDir.Get(), toName, to}, top, error);
    if (result == CopyResult::kDone && fsync(toDir.Get()) != 0) {
        (void)Failed(error, toFolder, errno);
        FileError ignored;
        RemoveAt(toDir.Get(), toName, to, ignored);
        return CopyResult::kFailed;
    }
    if (result == CopyResult::kFailed && top.made) {
        FileError ignored;
        RemoveAt(toDir.Get(), toName, to, ignored);
    }
    return result;
}

bool RemoveEntry(const std::string& path, FileError& error) {
    return RemoveAt(AT_FDCWD, path, path, error);
}

}  // namespace zembo::platform
