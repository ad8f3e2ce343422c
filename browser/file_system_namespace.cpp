#include "browser/file_system_namespace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "browser/file_system_details.h"
#include "browser/file_system_ids.h"
#include "platform/disk_path.h"
#include "platform/last_error.h"

namespace zembo::browser {
namespace {

bool IsFolderEntry(int dirFd, const dirent& entry) {
    if (entry.d_type == DT_DIR) {
        return true;
    }
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
        return false;
    }
    // A link counts as what it points to.
    struct stat st {};
    return fstatat(dirFd, entry.d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::vector<ItemId>> ListDirectory(const std::string& path,
                                                 std::vector<ItemId> items = {}) {
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) {
        platform::SetLastError(errno);
        return std::nullopt;
    }
    const int fd = dirfd(dir);
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') {
            continue;  // hidden, and "." and ".."
        }
        const ElementKind kind =
            IsFolderEntry(fd, *entry) ? ElementKind::kFolder : ElementKind::kFile;
        items.push_back(MakeElement(kind, entry->d_name));
    }
    closedir(dir);
    return items;
}

// The element that names the item itself (from the folder's point of view the last one).
Element LastOf(const ItemId& folder, const ItemId& item) {
    return DecodeElement(item.IsEmpty() ? folder.LastElement() : item.LastElement());
}

}  // namespace

FileSystemNamespace::FileSystemNamespace(FileSystemLayout layout,
                                         std::unique_ptr<platform::DefaultOpener> opener)
    : layout_(std::move(layout)), opener_(std::move(opener)) {}

std::optional<std::string> FileSystemNamespace::PathOf(const ItemId& item) const {
    std::string path;
    bool onDisk = false;  // whether path holds the path of the elements walked so far
    bool first = true;
    bool broken = false;
    item.ForEachElement([&](std::string_view bytes) {
        const Element e = DecodeElement(bytes);
        switch (e.kind) {
            case ElementKind::kHome:
                path = layout_.home;
                onDisk = true;
                break;
            case ElementKind::kComputer:
                onDisk = false;
                break;
            case ElementKind::kRoot:
                path.assign(1, '/');
                onDisk = true;
                break;
            case ElementKind::kVolume:
                path.assign(e.text);
                onDisk = true;
                break;
            case ElementKind::kFolder:
            case ElementKind::kFile:
                if (first) {
                    path = platform::JoinDiskPath(layout_.desktop, e.text);
                    onDisk = true;
                } else if (onDisk) {
                    path = platform::JoinDiskPath(path, e.text);
                } else {
                    broken = true;
                }
                break;
        }
        first = false;
    });
    if (broken || !onDisk) {
        return std::nullopt;
    }
    return path;
}

ItemId FileSystemNamespace::IdOfPath(const std::string& path) const {
    ItemId id = MakeElement(ElementKind::kComputer) + MakeElement(ElementKind::kRoot);
    std::string sofar = "/";
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        if (end > start) {
            const std::string_view name = std::string_view(path).substr(start, end - start);
            sofar = platform::JoinDiskPath(sofar, name);
            struct stat st {};
            const bool folder = stat(sofar.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
            id = id + MakeElement(folder ? ElementKind::kFolder : ElementKind::kFile, name);
        }
        start = end + 1;
    }
    return id;
}

std::optional<std::vector<ItemId>> FileSystemNamespace::Children(const ItemId& folder) {
    if (folder.IsEmpty()) {
        std::vector<ItemId> items{MakeElement(ElementKind::kHome),
                                  MakeElement(ElementKind::kComputer)};
        // The desktop folder need not exist; Home and Computer are there regardless.
        if (auto listed = ListDirectory(layout_.desktop, items)) {
            return listed;
        }
        return items;
    }
    const Element last = DecodeElement(folder.LastElement());
    if (last.kind == ElementKind::kComputer) {
        std::vector<ItemId> items{MakeElement(ElementKind::kRoot)};
        if (layout_.volumes) {
            for (const std::string& point : layout_.volumes()) {
                items.push_back(MakeElement(ElementKind::kVolume, point));
            }
        }
        return items;
    }
    std::optional<std::string> path = PathOf(folder);
    if (last.kind == ElementKind::kFile || !path) {
        platform::SetLastError(ENOTDIR);
        return std::nullopt;
    }
    return ListDirectory(*path);
}

ItemId FileSystemNamespace::ComputerId() const {
    return MakeElement(ElementKind::kComputer);
}

int FileSystemNamespace::CompareIds(const ItemId& /*folder*/, int /*column*/, const ItemId& a,
                                    const ItemId& b) const {
    // Every column orders by name.
    const std::size_t na = a.ElementCount();
    const std::size_t nb = b.ElementCount();
    if (na == 1 && nb == 1) {
        return CompareElements(a.LastElement(), b.LastElement());
    }
    for (std::size_t i = 0; i < na && i < nb; ++i) {
        if (int c = CompareElements(a.Element(i), b.Element(i)); c != 0) {
            return c;
        }
    }
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

ItemAttributes FileSystemNamespace::Attributes(const ItemId& folder, const ItemId& item) const {
    if (folder.IsEmpty() && item.IsEmpty()) {
        return kAttrFolder;
    }
    switch (LastOf(folder, item).kind) {
        case ElementKind::kComputer:
            return kAttrFolder;
        case ElementKind::kHome:
        case ElementKind::kRoot:
        case ElementKind::kVolume:
            return kAttrFolder | kAttrFileSystem;
        case ElementKind::kFolder:
            return kAttrFolder | kAttrFileSystem | kAttrCanRename;
        case ElementKind::kFile:
            break;
    }
    return kAttrFileSystem | kAttrCanRename;
}

std::string FileSystemNamespace::DisplayName(const ItemId& folder, const ItemId& item,
                                             NameKind kind) const {
    const bool desktop = folder.IsEmpty() && item.IsEmpty();
    if (kind == NameKind::kForParsing) {
        if (std::optional<std::string> path = PathOf(folder + item)) {
            return *path;
        }
        return std::string(kVirtualParsingPrefix) + (desktop ? "Desktop" : "Computer") + "}";
    }
    if (desktop) {
        return "Desktop";
    }
    return std::string(ElementName(LastOf(folder, item)));
}

IconKind FileSystemNamespace::Icon(const ItemId& folder, const ItemId& item) const {
    if (folder.IsEmpty() && item.IsEmpty()) {
        return IconKind::kDesktop;
    }
    switch (LastOf(folder, item).kind) {
        case ElementKind::kHome:
            return IconKind::kHome;
        case ElementKind::kComputer:
            return IconKind::kComputer;
        case ElementKind::kRoot:
        case ElementKind::kVolume:
            return IconKind::kDrive;
        case ElementKind::kFolder:
            return IconKind::kFolder;
        case ElementKind::kFile:
            break;
    }
    return IconKind::kFile;
}

std::unique_ptr<FolderDetails> FileSystemNamespace::Details(const ItemId& folder) const {
    if (!folder.IsEmpty()) {
        const ElementKind kind = DecodeElement(folder.LastElement()).kind;
        if (kind == ElementKind::kComputer) {
            return std::make_unique<ComputerDetails>(*this, folder);
        }
        if (kind == ElementKind::kFile) {
            return nullptr;
        }
    }
    return std::make_unique<FileFolderDetails>(*this, folder);
}

void FileSystemNamespace::OpenWithDefaultAction(const ItemId& item) {
    if (std::optional<std::string> path = PathOf(item); path && opener_) {
        opener_->Open(*path);
    }
}

}  // namespace zembo::browser
