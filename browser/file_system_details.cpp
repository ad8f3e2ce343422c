#include "browser/file_system_details.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <array>

#include "browser/file_system_ids.h"
#include "browser/file_system_namespace.h"
#include "browser/file_texts.h"

namespace zembo::browser {
namespace {

const std::array kFileColumns{
    DetailColumn{"Name", ColumnAlign::kLeft, 25, true},
    DetailColumn{"Size", ColumnAlign::kRight, 10, true},
    DetailColumn{"Type", ColumnAlign::kLeft, 16, true},
    DetailColumn{"Date Modified", ColumnAlign::kLeft, 16, true},
};

const std::array kComputerColumns{
    DetailColumn{"Name", ColumnAlign::kLeft, 25, true},
    DetailColumn{"Type", ColumnAlign::kLeft, 12, true},
    DetailColumn{"Total Size", ColumnAlign::kRight, 12, true},
    DetailColumn{"Free Space", ColumnAlign::kRight, 12, true},
};

template <std::size_t N>
std::optional<DetailColumn> ColumnOf(const std::array<DetailColumn, N>& columns, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) {
        return std::nullopt;
    }
    return columns[static_cast<std::size_t>(index)];
}

}  // namespace

FileFolderDetails::FileFolderDetails(const FileSystemNamespace& ns, ItemId folder)
    : ns_(ns), folder_(std::move(folder)) {}

std::optional<DetailColumn> FileFolderDetails::Column(int index) const {
    return ColumnOf(kFileColumns, index);
}

std::optional<std::string> FileFolderDetails::Text(const ItemId& child, int column) const {
    const Element e = DecodeElement(child.LastElement());
    if (column == 0) {
        return ns_.DisplayName(folder_, child, NameKind::kInFolder);
    }
    if (column == 2) {
        if (e.kind == ElementKind::kFile) {
            return FileTypeText(e.text);
        }
        return e.kind == ElementKind::kComputer ? "System Folder" : "Folder";
    }
    if (column != 1 && column != 3) {
        return std::nullopt;
    }
    const std::optional<std::string> path = ns_.PathOf(folder_ + child);
    if (!path) {
        return std::string();
    }
    struct stat st {};
    if (stat(path->c_str(), &st) != 0) {
        return std::nullopt;
    }
    if (column == 1) {
        // A folder's size would be the size of its directory entry, which tells the user nothing.
        return S_ISDIR(st.st_mode) ? std::string()
                                   : FileSizeText(static_cast<std::uint64_t>(st.st_size));
    }
    return ShortDateTimeText(st.st_mtime);
}

ComputerDetails::ComputerDetails(const FileSystemNamespace& ns, ItemId folder)
    : ns_(ns), folder_(std::move(folder)) {}

std::optional<DetailColumn> ComputerDetails::Column(int index) const {
    return ColumnOf(kComputerColumns, index);
}

std::optional<std::string> ComputerDetails::Text(const ItemId& child, int column) const {
    const Element e = DecodeElement(child.LastElement());
    switch (column) {
        case 0:
            return ns_.DisplayName(folder_, child, NameKind::kInFolder);
        case 1:
            return e.kind == ElementKind::kRoot ? "Local Disk" : "Volume";
        case 2:
        case 3: {
            const std::optional<std::string> path = ns_.PathOf(folder_ + child);
            struct statvfs vfs {};
            if (!path || statvfs(path->c_str(), &vfs) != 0) {
                return std::nullopt;
            }
            const std::uint64_t blocks = column == 2 ? vfs.f_blocks : vfs.f_bavail;
            return FileSizeText(blocks * static_cast<std::uint64_t>(vfs.f_frsize));
        }
        default:
            return std::nullopt;
    }
}

}  // namespace zembo::browser
