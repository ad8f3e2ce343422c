#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/disk_path.h"
#include "platform/unique_fd.h"

namespace zembo::platform {
namespace {

mode_t CurrentUmask() {
    mode_t m = umask(0);
    umask(m);
    return m;
}

}  // namespace

ReadStatus ReadWholeFile(const std::string& path, std::string& out, std::size_t limit) {
    out.clear();
    UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.Ok()) {
        return (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::kMissing : ReadStatus::kError;
    }
    struct stat st {};
    if (fstat(fd.Get(), &st) != 0) {
        return ReadStatus::kError;
    }
    if (!S_ISREG(st.st_mode)) {
        return ReadStatus::kNotAFile;
    }
    if (static_cast<unsigned long long>(st.st_size) > limit) {
        return ReadStatus::kTooLarge;
    }
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (true) {
        if (got == out.size()) {
            if (out.size() >= limit) {
                break;
            }
            // The file may have grown since fstat; read on in small steps.
            out.resize(std::min(limit, out.size() + 4096));
        }
        ssize_t n = read(fd.Get(), out.data() + got, out.size() - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            out.clear();
            return ReadStatus::kError;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    return ReadStatus::kOk;
}

std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return current;
        }
        std::vector<char> buf(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        ssize_t n = readlink(current.c_str(), buf.data(), buf.size() - 1);
        if (n < 0) {
            return current;
        }
        std::string target(buf.data(), static_cast<std::size_t>(n));
        if (!target.empty() && target.front() == '/') {
            current = target;
        } else {
            current = JoinDiskPath(DiskFolderOf(current), target);
        }
    }
    return current;
}

int WriteRefusal(const std::string& path, const struct stat& st) {
    if ((st.st_mode & 0222) == 0) {
        return EACCES;
    }
    return access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

namespace {

// The refusals of a file system (or a kernel) that keeps no unnamed files.
bool NoUnnamedFiles(int err) {
    return err == EOPNOTSUPP || err == EISDIR || err == EINVAL;
}

// Gives the open unnamed file fd the name path; 0 or an errno value (EEXIST when path is taken).
int LinkUnnamed(int fd, const std::string& path) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        return 0;
    }
    if (errno != ENOENT) {
        return errno;
    }
    // Without /proc: the direct way, open to the privileged.
    return linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

// A hidden name in folder that nothing holds yet, at the moment of asking.
std::string HiddenName(const std::string& folder) {
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    unsigned char bytes[6] = {};
    if (getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
        const auto t = std::chrono::steady_clock::now().time_since_epoch().count();
        std::memcpy(bytes, &t, sizeof bytes);
    }
    std::string name = ".zembo-";
    for (unsigned char b : bytes) {
        name.push_back(kDigits[b % 36]);
    }
    return JoinDiskPath(folder, name);
}

}  // namespace

TempFile::TempFile(const std::string& folder, Kind kind)
    : folder_(folder.empty() ? std::string(".") : folder) {
    if (kind == Kind::kUnnamed) {
        fd_.Reset(open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
        if (fd_.Ok() || !NoUnnamedFiles(errno)) {
            error_ = fd_.Ok() ? 0 : errno;
            return;
        }
    }
    std::string pattern = folder_ + "/.zembo-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    fd_.Reset(mkostemp(buf.data(), O_CLOEXEC));
    if (!fd_.Ok()) {
        error_ = errno;
        return;
    }
    path_.assign(buf.data());
}

TempFile::~TempFile() {
    Discard();
}

bool TempFile::Fail() {
    error_ = errno;
    Discard();
    return false;
}

void TempFile::Discard() {
    fd_.Reset();
    if (!committed_ && !path_.empty()) {
        unlink(path_.c_str());
        path_.clear();
    }
}

bool TempFile::WriteAll(std::string_view data) {
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        ssize_t n = write(fd_.Get(), p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error_ = errno;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

bool TempFile::Sync() {
    if (fsync(fd_.Get()) != 0) {
        error_ = errno;
        return false;
    }
    return true;
}

bool TempFile::Commit(const std::string& target) {
    if (path_.empty()) {
        // Unnamed: straight to target where nothing stands there; else under a hidden name
        // first, which the rename below takes away again at once.
        int err = LinkUnnamed(fd_.Get(), target);
        for (int attempt = 0; err == EEXIST && attempt < 100; ++attempt) {
            path_ = HiddenName(folder_);
            err = LinkUnnamed(fd_.Get(), path_);
        }
        if (err != 0) {
            path_.clear();
            errno = err;
            return Fail();
        }
        if (path_.empty()) {
            committed_ = true;
            fd_.Reset();
            return true;
        }
    }
    if (fd_.Close() != 0) {
        return Fail();
    }
    if (rename(path_.c_str(), target.c_str()) != 0) {
        return Fail();
    }
    committed_ = true;
    return true;
}

int ReplaceFileContent(const std::string& path, std::string_view content, bool durable) {
    const std::string target = ResolveLinks(path);
    struct stat st {};
    const bool exists = stat(target.c_str(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode)) {
            return EISDIR;
        }
        if (!S_ISREG(st.st_mode)) {
            return EINVAL;
        }
        if (const int err = WriteRefusal(target, st); err != 0) {
            return err;
        }
    }
    const std::string folder = DiskFolderOf(target);
    struct stat dirSt {};
    if (stat(folder.c_str(), &dirSt) != 0) {
        return errno;
    }
    if (!S_ISDIR(dirSt.st_mode)) {
        return ENOTDIR;
    }
    if (const int err = WriteRefusal(folder, dirSt); err != 0) {
        return err;
    }
    TempFile tmp(folder);
    if (!tmp.Ok()) {
        return tmp.Error();
    }
    if (!tmp.WriteAll(content)) {
        return tmp.Error();
    }
    // The old file's permissions, where the file system keeps them (a FAT stick refuses some).
    const mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
    (void)fchmod(tmp.Fd(), mode);
    if (exists && (st.st_uid != geteuid() || st.st_gid != getegid())) {
        // Only the superuser may give the file back to its owner; others keep it as theirs.
        if (fchown(tmp.Fd(), st.st_uid, st.st_gid) != 0) {
            (void)fchown(tmp.Fd(), static_cast<uid_t>(-1), st.st_gid);
        }
    }
    if ((durable && !tmp.Sync()) || !tmp.Commit(target)) {
        return tmp.Error();
    }
    return 0;
}

int SyncFile(const std::string& path) {
    const std::string target = ResolveLinks(path);
    UniqueFd fd(open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.Ok() || fsync(fd.Get()) != 0) {
        return errno;
    }
    return SyncFolder(DiskFolderOf(target));
}

int SyncFolder(const std::string& path) {
    UniqueFd dir(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.Ok() || fsync(dir.Get()) != 0) {
        return errno;
    }
    return 0;
}

}  // namespace zembo::platform
