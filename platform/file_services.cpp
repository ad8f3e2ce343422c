#include "platform/file_services.h"

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/atomic_file.h"
#include "platform/disk_path.h"
#include "platform/last_error.h"
#include "platform/unique_fd.h"

namespace zembo::platform {
namespace {

bool Fail(int code, std::string text = {}) {
    SetLastError(code, std::move(text));
    return false;
}

// Moves chunks with step until it reports the end (0); errno on failure.
template <class Step>
int CopyToEnd(Step step) {
    while (true) {
        ssize_t n = step();
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno;
        }
        if (n == 0) {
            return 0;
        }
    }
}

bool AtEnd(int fd) {
    struct stat st {};
    const off_t at = lseek(fd, 0, SEEK_CUR);
    return fstat(fd, &st) == 0 && at >= st.st_size;
}

bool SameSize(int a, int b) {
    struct stat sa {};
    struct stat sb {};
    return fstat(a, &sa) == 0 && fstat(b, &sb) == 0 && sa.st_size == sb.st_size;
}

}  // namespace

// Inside the kernel: copy_file_range where the file system offers it, sendfile across file
// systems that do not.
int CopyBytes(int in, int out) {
    constexpr std::size_t kChunk = std::size_t{1} << 30;
    bool fallback = false;
    int err = CopyToEnd([&]() -> ssize_t {
        ssize_t n = copy_file_range(in, nullptr, out, nullptr, kChunk, 0);
        if (n < 0 &&
            (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL)) {
            fallback = true;
            return 0;
        }
        return n;
    });
    if (err != 0) {
        return err;
    }
    // Some file systems end a kernel copy short of the end; sendfile carries on from there.
    if (fallback || !AtEnd(in)) {
        err = CopyToEnd([&] { return sendfile(out, in, nullptr, kChunk); });
    }
    if (err != 0) {
        return err;
    }
    return SameSize(in, out) ? 0 : EIO;
}

bool DiskFileServices::FileExists(const std::string& path) const {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DiskFileServices::DirectoryExists(const std::string& path) const {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool DiskFileServices::SameFile(const std::string& a, const std::string& b) const {
    struct stat sa {};
    struct stat sb {};
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool DiskFileServices::CreateDirectory(const std::string& path) {
    if (mkdir(path.c_str(), 0777) != 0) {
        return Fail(errno);
    }
    return true;
}

bool DiskFileServices::CopyFile(const std::string& from, const std::string& to,
                                const CopyProgress& progress) {
    UniqueFd in(open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (in.Get() < 0) {
        return Fail(errno);
    }
    struct stat src {};
    if (fstat(in.Get(), &src) != 0) {
        return Fail(errno);
    }
    if (S_ISDIR(src.st_mode)) {
        return Fail(EISDIR);
    }
    if (!S_ISREG(src.st_mode)) {
        return Fail(EINVAL);
    }
    // Reading from now on may block, as any file read does.
    fcntl(in.Get(), F_SETFL, fcntl(in.Get(), F_GETFL) & ~O_NONBLOCK);

    const std::string target = ResolveLinks(to);
    struct stat dst {};
    if (stat(target.c_str(), &dst) == 0) {
        if (dst.st_dev == src.st_dev && dst.st_ino == src.st_ino) {
            return Fail(EINVAL, kSameFileText);
        }
        if (S_ISDIR(dst.st_mode)) {
            return Fail(EISDIR);
        }
        if (!IsWritable(target)) {
            return Fail(EACCES);
        }
    }
    const std::string folder = DiskFolderOf(target);
    if (!IsWritable(folder)) {
        return Fail(DirectoryExists(folder) ? EACCES : ENOENT);
    }
    TempFile tmp(folder);
    if (!tmp.Ok()) {
        return Fail(tmp.Error());
    }
    if (int err = CopyBytes(in.Get(), tmp.Fd()); err != 0) {
        return Fail(err);
    }
    // Permissions and times as the source's where the target's file system keeps them (a FAT
    // stick refuses some); the copy stands either way.
    const timespec times[2] = {src.st_atim, src.st_mtim};
    (void)fchmod(tmp.Fd(), src.st_mode & 07777);
    (void)futimens(tmp.Fd(), times);
    if (!tmp.Commit(target)) {
        return Fail(tmp.Error());
    }
    if (progress) {
        progress(static_cast<std::uint64_t>(src.st_size));
    }
    return true;
}

FileServices& Disk() {
    static DiskFileServices disk;
    return disk;
}

}  // namespace zembo::platform
