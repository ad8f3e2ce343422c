#include "browser/file_system_namespace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "browser/file_clipboard.h"
#include "browser/file_system_details.h"
#include "browser/file_system_ids.h"
#include "browser/paste_files.h"
#include "platform/disk_path.h"
#include "platform/file_tree.h"
#include "platform/last_error.h"
#include "platform/uri_text.h"

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
    while (true) {
        errno = 0;
        const dirent* entry = readdir(dir);
        if (entry == nullptr) {
            break;
        }
        if (entry->d_name[0] == '.') {
            continue;  // hidden, and "." and ".."
        }
        const ElementKind kind =
            IsFolderEntry(fd, *entry) ? ElementKind::kFolder : ElementKind::kFile;
        items.push_back(MakeElement(kind, entry->d_name));
    }
    // A read that failed part way (a stick pulled) is no listing: half a folder would pass for
    // all of it.
    const int err = errno;
    closedir(dir);
    if (err != 0) {
        platform::SetLastError(err);
        return std::nullopt;
    }
    return items;
}

// The element that names the item itself (from the folder's point of view the last one).
Element LastOf(const ItemId& folder, const ItemId& item) {
    return DecodeElement(item.IsEmpty() ? folder.LastElement() : item.LastElement());
}

// A name an entry of a folder can have: one element of a path.
bool IsEntryName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.size() <= NAME_MAX &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

ShellCommand Command(const char* verb, const char* text, const char* icon = "") {
    return ShellCommand{verb, text, icon, {}, false};
}

const ShellCommand kSeparator{};

}  // namespace

FileSystemNamespace::FileSystemNamespace(FileSystemLayout layout,
                                         std::unique_ptr<platform::DefaultOpener> opener,
                                         std::unique_ptr<DesktopServices> desktop)
    : layout_(std::move(layout)),
      opener_(std::move(opener)),
      desktop_(std::move(desktop)),
      trash_(platform::UserTrashPlaces()) {}

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
    writableCache_.reset();
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
        case ElementKind::kFile:
            break;
    }
    const bool folderItem = LastOf(folder, item).kind == ElementKind::kFolder;
    // A row of a listing is one element below the folder listed: no new identifier needed.
    const bool canRename =
        CanWriteIn(item.ElementCount() == 1 ? folder : (folder + item).WithoutLast());
    const ItemAttributes rename = canRename ? kAttrCanRename : 0;
    return (folderItem ? kAttrFolder : 0) | kAttrFileSystem | rename;
}

bool FileSystemNamespace::CanWriteIn(const ItemId& folder) const {
    if (writableCache_ && writableCache_->first == folder) {
        return writableCache_->second;
    }
    std::optional<std::string> path =
        folder.IsEmpty() ? std::optional<std::string>(layout_.desktop) : PathOf(folder);
    bool writable = false;
    if (path) {
        writable = writable_ ? writable_(*path)
                             : faccessat(AT_FDCWD, path->c_str(), W_OK | X_OK, AT_EACCESS) == 0;
    }
    writableCache_.emplace(folder, writable);
    return writable;
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

std::vector<ShellCommand> FileSystemNamespace::ContextMenu(const ItemId& folder,
                                                           const ItemId& item) {
    const ItemId id = folder + item;
    const ElementKind kind = id.IsEmpty() ? ElementKind::kComputer : LastOf(folder, item).kind;
    const ShellCommand open = Command(kVerbOpen, "Open", "document-open");
    const ShellCommand properties = Command(kVerbProperties, "Properties", "document-properties");
    if (kind != ElementKind::kFile && kind != ElementKind::kFolder) {
        return {open, kSeparator, properties};
    }
    ShellCommand openWith = Command(kVerbOpenWith, "Open With");
    openWith.submenu = true;
    std::vector<ShellCommand> commands{open, openWith, kSeparator,
                                       Command(kVerbCut, "Cut", "edit-cut"),
                                       Command(kVerbCopy, "Copy", "edit-copy")};
    if (kind == ElementKind::kFolder) {
        commands.push_back(Command(kVerbPaste, "Paste", "edit-paste"));
    }
    commands.insert(commands.end(),
                    {kSeparator, Command(kVerbDelete, "Move to Trash", "user-trash"),
                     Command(kVerbRename, "Rename\u2026"), kSeparator, properties});
    return commands;
}

std::vector<ShellCommand> FileSystemNamespace::SubMenu(const ItemId& folder, const ItemId& item,
                                                       const ShellCommand& command) {
    std::vector<ShellCommand> entries;
    const std::optional<std::string> path = PathOf(folder + item);
    if (command.verb != kVerbOpenWith || !path || !desktop_) {
        return entries;
    }
    for (Application& app : desktop_->ApplicationsFor(*path)) {
        entries.push_back(ShellCommand{kVerbOpenWith, std::move(app.name), std::move(app.icon),
                                       std::move(app.id), false});
    }
    return entries;
}

bool FileSystemNamespace::Fail(const std::string& message) {
    if (desktop_) {
        desktop_->ShowMessage(message);
    }
    return false;
}

bool FileSystemNamespace::Paste(const std::string& folder) {
    std::optional<ClipboardFiles> files =
        FilesOnClipboard([this](const std::string& type) { return desktop_->ClipboardData(type); });
    if (!files) {
        return true;  // nothing to paste
    }
    platform::FileError error;
    if (!PasteFiles(files->paths, folder, files->cut, error)) {
        return Fail(platform::DescribeFileError(error));
    }
    if (files->cut) {
        desktop_->ClearClipboard();  // the files are no longer where the clipboard says
    }
    return true;
}

bool FileSystemNamespace::InvokeCommand(const ItemId& folder, const ItemId& item,
                                        const ShellCommand& command) {
    const ItemId id = folder + item;
    const std::optional<std::string> path = PathOf(id);
    const std::string& verb = command.verb;
    if (!desktop_ && verb != kVerbDelete) {
        return false;
    }
    if (verb == kVerbOpen || verb == kVerbOpenWith) {
        // Computer is no folder on disk; the desktop's file manager knows it by this name.
        const std::string uri = path ? platform::FileUri(*path) : "computer:///";
        std::string error;
        if (desktop_->Open(uri, verb == kVerbOpen ? std::string() : command.argument, error)) {
            return true;
        }
        return Fail((path ? *path : DisplayName({}, id, NameKind::kNormal)) + ": " + error);
    }
    if (!path || id.IsEmpty()) {
        return false;
    }
    const ElementKind kind = DecodeElement(id.LastElement()).kind;
    if (kind != ElementKind::kFile && kind != ElementKind::kFolder) {
        return false;
    }
    if (verb == kVerbCut || verb == kVerbCopy) {
        desktop_->PutOnClipboard(ClipboardFormatsFor(ClipboardFiles{{*path}, verb == kVerbCut}));
        return true;
    }
    if (verb == kVerbPaste && kind == ElementKind::kFolder) {
        return Paste(*path);
    }
    if (verb == kVerbDelete) {
        platform::FileError error;
        return platform::MoveToTrash(*path, trash_, error) ||
               Fail(platform::DescribeFileError(error));
    }
    return false;
}

std::optional<ItemId> FileSystemNamespace::SetNameOf(const ItemId& folder, const ItemId& item,
                                                     const std::string& name) {
    const ItemId id = folder + item;
    if (id.IsEmpty() || !IsEntryName(name)) {
        return std::nullopt;
    }
    const Element last = DecodeElement(id.LastElement());
    const std::optional<std::string> path = PathOf(id);
    if ((last.kind != ElementKind::kFile && last.kind != ElementKind::kFolder) || !path) {
        return std::nullopt;
    }
    const ItemId renamed = item.WithoutLast() + MakeElement(last.kind, name);
    if (last.text == name) {
        return renamed;
    }
    if (platform::RenameNoReplace(
            *path, platform::JoinDiskPath(platform::DiskFolderOf(*path), name)) != 0) {
        return std::nullopt;
    }
    return renamed;
}

}  // namespace zembo::browser
