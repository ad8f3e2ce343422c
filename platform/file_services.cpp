#include "platform/file_services.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
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

bool KernelCopyRefused(int err) {
    return err == EXDEV || err == ENOSYS || err == EOPNOTSUPP || err == EINVAL;
}

// Copies all bytes from in to out inside the kernel, chunk by chunk: copy_file_range where the
// file system offers it, sendfile across file systems that do not. The disk writes each chunk
// while the next one is copied, and a chunk is done only once the one before it is on the disk:
// progress follows the disk, however slow (a USB stick), and the flush at the end has one chunk
// left to wait for, so that whoever hears of the progress is never kept waiting long.
// chunkDone hears of the bytes copied so far. Returns 0 or an errno value.
int CopyInChunks(int in, int out, std::size_t chunk, std::uint64_t& copied,
                 const std::function<void(std::uint64_t)>& chunkDone) {
    bool kernelCopy = true;
    copied = 0;
    while (true) {
        const ssize_t n = kernelCopy ? copy_file_range(in, nullptr, out, nullptr, chunk, 0)
                                     : sendfile(out, in, nullptr, chunk);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (kernelCopy && KernelCopyRefused(errno)) {
                kernelCopy = false;
                continue;
            }
            return errno;
        }
        if (n == 0) {
            // Some file systems end a kernel copy short of the end; sendfile carries on there.
            if (kernelCopy && !AtEnd(in)) {
                kernelCopy = false;
                continue;
            }
            break;
        }
        (void)sync_file_range(out, static_cast<off_t>(copied), n, SYNC_FILE_RANGE_WRITE);
        if (copied > 0) {
            const off_t before =
                static_cast<off_t>(copied - std::min<std::uint64_t>(copied, chunk));
            (void)sync_file_range(
                out, before, static_cast<off_t>(copied) - before,
                SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
        }
        copied += static_cast<std::uint64_t>(n);
        chunkDone(copied);
    }
    return SameSize(in, out) ? 0 : EIO;
}

std::int64_t Nanoseconds(const timespec& t) {
    return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

// How finely the file system at path keeps modification times, in nanoseconds: FAT and exFAT
// sticks round a copy's time down. Behind FUSE (ntfs-3g, exFAT and FAT drivers) the file system
// does not tell, so FAT's two seconds are assumed.
std::int64_t TimeStep(const std::string& path) {
    constexpr unsigned long kNtfsMagic = 0x7366746e;
    constexpr unsigned long kFuseMagic = 0x65735546;
    struct statfs fs {};
    if (statfs(path.c_str(), &fs) != 0) {
        return 1;
    }
    switch (static_cast<unsigned long>(fs.f_type)) {
        case MSDOS_SUPER_MAGIC:
        case kFuseMagic:
            return 2'000'000'000;
        case EXFAT_SUPER_MAGIC:
            return 10'000'000;
        case kNtfsMagic:
            return 100;
        default:
            return 1;
    }
}

}  // namespace

int CopyBytes(int in, int out) {
    std::uint64_t copied = 0;
    return CopyInChunks(in, out, DiskFileServices::kCopyChunkBytes, copied, [](std::uint64_t) {});
}

bool DiskFileServices::FileExists(const std::string& path) const {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DiskFileServices::DirectoryExists(const std::string& path) const {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::uint64_t DiskFileServices::FileSize(const std::string& path) const {
    struct stat st {};
    if (path.empty() || stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return 0;
    }
    return static_cast<std::uint64_t>(st.st_size);
}

bool DiskFileServices::SameFile(const std::string& a, const std::string& b) const {
    struct stat sa {};
    struct stat sb {};
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool DiskFileServices::IsFileAt(const std::string& file, const std::string& place) const {
    struct stat sf {};
    struct stat sp {};
    return stat(file.c_str(), &sf) == 0 && lstat(place.c_str(), &sp) == 0 &&
           sf.st_dev == sp.st_dev && sf.st_ino == sp.st_ino;
}

bool DiskFileServices::IsUpToDateCopy(const std::string& from, const std::string& copy) const {
    struct stat src {};
    struct stat dst {};
    if (stat(from.c_str(), &src) != 0 || lstat(copy.c_str(), &dst) != 0 || !S_ISREG(src.st_mode) ||
        !S_ISREG(dst.st_mode) || src.st_size != dst.st_size) {
        return false;
    }
    const std::int64_t source = Nanoseconds(src.st_mtim);
    const std::int64_t kept = Nanoseconds(dst.st_mtim);
    if (kept == source) {
        return true;
    }
    // A coarser store rounds a copy's time down to its step, and leaves it on the step; a time
    // off the step was kept exactly (sshfs, ntfs-3g behind FUSE), so it must match exactly.
    const std::int64_t step = TimeStep(copy);
    return kept < source && source - kept < step && kept % step == 0;
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

    // The entry at to as it stands: a link there is replaced, so its target is never written.
    struct stat dst {};
    if (lstat(to.c_str(), &dst) == 0) {
        if (dst.st_dev == src.st_dev && dst.st_ino == src.st_ino) {
            return Fail(EINVAL, kSameFileText);
        }
        if (S_ISDIR(dst.st_mode)) {
            return Fail(EISDIR);
        }
        if (S_ISREG(dst.st_mode)) {
            if (int err = WriteRefusal(to, dst); err != 0) {
                return Fail(err);
            }
        }
    }
    const std::string folder = DiskFolderOf(to);
    struct stat dir {};
    if (stat(folder.c_str(), &dir) != 0) {
        return Fail(errno);
    }
    if (!S_ISDIR(dir.st_mode)) {
        return Fail(ENOTDIR);
    }
    if (int err = WriteRefusal(folder, dir); err != 0) {
        return Fail(err);
    }

    TempFile tmp(folder, unnamedCopies_ ? TempFile::Kind::kUnnamed : TempFile::Kind::kNamed);
    if (!tmp.Ok()) {
        return Fail(tmp.Error());
    }
    const auto size = static_cast<std::uint64_t>(src.st_size);
    std::uint64_t copied = 0;
    const int err = CopyInChunks(in.Get(), tmp.Fd(), chunkBytes_, copied, [&](std::uint64_t soFar) {
        // The last report waits until the copy stands under its name.
        if (progress && soFar < size) {
            progress(soFar);
        }
    });
    if (err != 0) {
        return Fail(err);
    }
    // Times as the source's, permissions too with the owner's write access added, where the
    // target's file system keeps them (a FAT stick refuses some); the copy stands either way.
    const timespec times[2] = {src.st_atim, src.st_mtim};
    (void)fchmod(tmp.Fd(), (src.st_mode & 07777) | S_IWUSR);
    (void)futimens(tmp.Fd(), times);
    if (!tmp.Sync() || !tmp.Commit(to)) {
        return Fail(tmp.Error());
    }
    if (progress) {
        progress(copied);
    }
    return true;
}

bool DiskFileServices::SyncFolder(const std::string& path) {
    if (int err = platform::SyncFolder(path); err != 0) {
        return Fail(err);
    }
    return true;
}

FileServices& Disk() {
    static DiskFileServices disk;
    return disk;
}

}  // namespace zembo::platform
