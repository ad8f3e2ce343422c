#include "browser/paste_files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <optional>

#include "platform/disk_path.h"

namespace zembo::browser {
namespace {

using platform::CopyResult;
using platform::FileError;

constexpr int kMostCopies = 10000;

bool Fail(FileError& error, const std::string& path, int code, std::string text = {}) {
    error = FileError{path, code, std::move(text)};
    return false;
}

// Copies source into folder under the first free name.
bool CopyInto(const std::string& source, const std::string& name, bool isFolder,
              const std::string& folder, FileError& error) {
    for (int n = 1; n <= kMostCopies; ++n) {
        const std::string target =
            platform::JoinDiskPath(folder, n == 1 ? name : NumberedCopyName(name, n, isFolder));
        switch (platform::CopyEntry(source, target, error)) {
            case CopyResult::kDone:
                return true;
            case CopyResult::kFailed:
                return false;
            case CopyResult::kNameTaken:
                break;
        }
    }
    return Fail(error, source, EEXIST);
}

bool MoveInto(const std::string& source, const std::string& name, bool isFolder,
              const std::string& folder, FileError& error) {
    for (int n = 1; n <= kMostCopies; ++n) {
        const std::string target =
            platform::JoinDiskPath(folder, n == 1 ? name : NumberedCopyName(name, n, isFolder));
        const int err = platform::RenameNoReplace(source, target);
        if (err == 0) {
            return true;
        }
        if (err == EXDEV) {
            // Another file system: the source goes only once its copy is complete.
            return CopyInto(source, name, isFolder, folder, error) &&
                   platform::RemoveEntry(source, error);
        }
        if (err != EEXIST) {
            return Fail(error, source, err);
        }
    }
    return Fail(error, source, EEXIST);
}

bool PasteOne(std::string source, const std::string& folder, const std::string& realFolder,
              bool move, FileError& error) {
    while (source.size() > 1 && source.back() == '/') {
        source.pop_back();
    }
    const std::string name = source.substr(source.rfind('/') + 1);
    struct stat st {};
    if (lstat(source.c_str(), &st) != 0) {
        return Fail(error, source, errno);
    }
    if (name.empty() || name == "." || name == "..") {
        return Fail(error, source, EINVAL);
    }
    const bool isFolder = S_ISDIR(st.st_mode);
    // Only a folder can hold the place it is pasted into (a link, dangling or not, is pasted as
    // the link it is).
    if (isFolder) {
        const std::optional<std::string> realSource = platform::RealPath(source);
        if (!realSource) {
            return Fail(error, source, errno);
        }
        if ((realFolder + "/").rfind(*realSource + "/", 0) == 0) {
            return Fail(error, source, EINVAL, "a folder cannot be pasted into itself");
        }
    }
    if (move && platform::RealPath(platform::DiskFolderOf(source)) == realFolder) {
        return true;  // already there
    }
    return move ? MoveInto(source, name, isFolder, folder, error)
                : CopyInto(source, name, isFolder, folder, error);
}

}  // namespace

std::string NumberedCopyName(const std::string& name, int n, bool folder) {
    const std::string number = " (" + std::to_string(n) + ")";
    const std::size_t dot = folder ? std::string::npos : name.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        return name + number;
    }
    return name.substr(0, dot) + number + name.substr(dot);
}

bool PasteFiles(const std::vector<std::string>& sources, const std::string& folder, bool move,
                FileError& error) {
    const std::optional<std::string> realFolder = platform::RealPath(folder);
    if (!realFolder) {
        return Fail(error, folder, errno);
    }
    for (const std::string& source : sources) {
        if (!PasteOne(source, folder, *realFolder, move, error)) {
            return false;
        }
    }
    return true;
}

}  // namespace zembo::browser
