#include "platform/trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/disk_path.h"
#include "platform/home_folder.h"
#include "platform/unique_fd.h"
#include "platform/uri_text.h"

namespace zembo::platform {
namespace {

// Makes the folder and the missing ones above it, each only the user may enter.
int MakeFolders(const std::string& path) {
    if (mkdir(path.c_str(), 0700) == 0) {
        return 0;
    }
    if (errno == EEXIST) {
        struct stat st {};
        return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    }
    if (errno != ENOENT) {
        return errno;
    }
    const std::string parent = DiskFolderOf(path);
    if (parent == path) {
        return ENOENT;
    }
    if (const int err = MakeFolders(parent); err != 0) {
        return err;
    }
    return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

// A folder of ours: a real folder (no link to one) that the user owns.
bool IsOwnFolder(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid();
}

// The device of the closest folder that exists on the way up from path.
dev_t DeviceOfClosest(std::string path) {
    struct stat st {};
    while (stat(path.c_str(), &st) != 0) {
        const std::string parent = DiskFolderOf(path);
        if (parent == path) {
            break;
        }
        path = parent;
    }
    return st.st_dev;
}

std::optional<std::string> VolumeTopByDevice(const std::string& homeTrash,
                                             const std::string& path) {
    struct stat item {};
    if (lstat(path.c_str(), &item) != 0 || item.st_dev == DeviceOfClosest(homeTrash)) {
        return std::nullopt;
    }
    std::optional<std::string> folder = RealPath(DiskFolderOf(path));
    if (!folder) {
        return std::nullopt;
    }
    std::string top = *folder;
    while (top != "/") {
        const std::string parent = DiskFolderOf(top);
        struct stat st {};
        if (stat(parent.c_str(), &st) != 0 || st.st_dev != item.st_dev) {
            break;
        }
        top = parent;
    }
    return top;
}

// The trash folder of the volume whose top folder is top: the administrator's ".Trash" (a real
// folder with the sticky bit) with a folder for the user, else the user's own ".Trash-<uid>".
// Empty, with the reason in err, when neither can be had.
std::string VolumeTrash(const std::string& top, int& err) {
    const std::string uid = std::to_string(getuid());
    const std::string shared = JoinDiskPath(top, ".Trash");
    struct stat st {};
    if (lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) != 0) {
        const std::string own = JoinDiskPath(shared, uid);
        if ((mkdir(own.c_str(), 0700) == 0 || errno == EEXIST) && IsOwnFolder(own)) {
            return own;
        }
    }
    const std::string own = JoinDiskPath(top, ".Trash-" + uid);
    if (mkdir(own.c_str(), 0700) != 0 && errno != EEXIST) {
        err = errno;
        return {};
    }
    if (!IsOwnFolder(own)) {
        err = ENOTDIR;
        return {};
    }
    return own;
}

std::string LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// "name", then "name.2.ext", "name.3.ext", ...
std::string TrashName(const std::string& name, int n) {
    if (n == 1) {
        return name;
    }
    const std::size_t dot = name.rfind('.');
    const std::string number = "." + std::to_string(n);
    if (dot == std::string::npos || dot == 0) {
        return name + number;
    }
    return name.substr(0, dot) + number + name.substr(dot);
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

TrashPlaces UserTrashPlaces() {
    TrashPlaces places;
    const char* data = std::getenv("XDG_DATA_HOME");
    places.homeTrash = (data != nullptr && data[0] == '/')
                           ? JoinDiskPath(data, "Trash")
                           : JoinDiskPath(HomeFolder(), ".local/share/Trash");
    places.otherVolumeTop = [home = places.homeTrash](const std::string& path) {
        return VolumeTopByDevice(home, path);
    };
    return places;
}

bool MoveToTrash(const std::string& path, const TrashPlaces& places, FileError& error) {
    struct stat item {};
    if (lstat(path.c_str(), &item) != 0) {
        error = FileError{path, errno, {}};
        return false;
    }
    const std::string name = path.substr(path.rfind('/') + 1);
    std::optional<std::string> folder = RealPath(DiskFolderOf(path));
    if (name.empty() || name == "." || name == ".." || !folder) {
        error = FileError{path, folder ? EINVAL : errno, {}};
        return false;
    }
    const std::string original = JoinDiskPath(*folder, name);

    std::string trash;
    std::string recorded;  // the entry's path as the info file gives it
    if (std::optional<std::string> top =
            places.otherVolumeTop ? places.otherVolumeTop(original) : std::nullopt) {
        int err = 0;
        trash = VolumeTrash(*top, err);
        if (trash.empty()) {
            error =
                FileError{path, err,
                          "the volume " + *top + " has no trash folder this user can write to (" +
                              std::strerror(err) + "); nothing was deleted"};
            return false;
        }
        // Relative to the top, so that the volume may be mounted elsewhere later.
        const std::string prefix = *top == "/" ? *top : *top + "/";
        recorded = original.rfind(prefix, 0) == 0 ? original.substr(prefix.size()) : original;
    } else {
        if (const int err = MakeFolders(places.homeTrash); err != 0) {
            error = FileError{path, err,
                              "the trash folder " + places.homeTrash + " cannot be made (" +
                                  std::strerror(err) + "); nothing was deleted"};
            return false;
        }
        trash = places.homeTrash;
        recorded = original;
    }
    const std::string files = JoinDiskPath(trash, "files");
    const std::string info = JoinDiskPath(trash, "info");
    for (const std::string& sub : {files, info}) {
        if (mkdir(sub.c_str(), 0700) != 0 && errno != EEXIST) {
            error = FileError{sub, errno, {}};
            return false;
        }
    }
    const std::string text = "[Trash Info]\nPath=" + PercentEncoded(recorded) +
                             "\nDeletionDate=" + LocalTimeNow() + "\n";
    // The info file is made first (its exclusive creation reserves the name) and is on the disk
    // before the entry moves: should the move not happen, a stray info file is harmless; an
    // entry without one could never be restored.
    for (int n = 1; n < 100000; ++n) {
        const std::string trashName = TrashName(name, n);
        const std::string infoPath = JoinDiskPath(info, trashName + ".trashinfo");
        UniqueFd fd(open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (!fd.Ok()) {
            if (errno == EEXIST) {
                continue;
            }
            error = FileError{infoPath, errno, {}};
            return false;
        }
        if (!WriteAll(fd.Get(), text) || fsync(fd.Get()) != 0 || fd.Close() != 0) {
            error = FileError{infoPath, errno, {}};
            unlink(infoPath.c_str());
            return false;
        }
        const int err = RenameNoReplace(path, JoinDiskPath(files, trashName));
        if (err == 0) {
            return true;
        }
        unlink(infoPath.c_str());
        if (err != EEXIST) {
            error = FileError{path, err, {}};
            return false;
        }
    }
    error = FileError{path, EEXIST, {}};
    return false;
}

}  // namespace zembo::platform
