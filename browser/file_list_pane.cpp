#include "browser/file_list_pane.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "browser/directory_entry_details.h"
#include "platform/ascii_text.h"
#include "platform/scope_exit.h"
#include "platform/unique_fd.h"

namespace zembo::browser {
namespace {

// Runs f with the current directory at folder, and sets it back afterwards however f ends. The
// folder is held open, not named, so that it is found again even when renamed meanwhile; when it
// cannot be held, the current directory is left alone.
template <class F>
auto InDirectory(const std::string& folder, F&& f) {
    platform::UniqueFd saved(folder.empty() ? -1 : open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const bool moved = saved.Ok() && chdir(folder.c_str()) == 0;
    platform::ScopeExit back([&] {
        if (moved) {
            (void)fchdir(saved.Get());
        }
    });
    return f();
}

std::string Lowered(std::string text) {
    for (char& c : text) {
        c = platform::AsciiLower(c);
    }
    return text;
}

}  // namespace
FileListPane::FileListPane(ShellNamespace& ns, ListControl& control)
    : ns_(ns), control_(control), desktop_(ItemId(), nullptr, ns.Attributes({}, {})) {}

const ShellItem& FileListPane::ItemAt(int row) const {
    if (row < 0 || row >= RowCount()) {
        throw std::out_of_range("no such row in the file list");
    }
    return rows_[static_cast<std::size_t>(row)];
}

void FileListPane::ShowFolder(const ItemId& folder) {
    if (busy_) {
        return;
    }
    if (current_ && ns_.CompareIds({}, 0, CurrentFolderId(), folder) == 0) {
        return;
    }
    Show(folder);
}

void FileListPane::Show(const ItemId& folder) {
    busy_ = true;
    platform::ScopeExit notBusy([this] { busy_ = false; });
    if (follower_) {
        follower_(folder);
    }
    control_.BeginUpdate();
    platform::ScopeExit endUpdate([this] { control_.EndUpdate(); });
    // The rows point at the current folder, so they go first.
    rows_.clear();
    rows_.shrink_to_fit();
    columns_.clear();
    details_.reset();
    current_.reset();
    current_ = std::make_unique<ShellItem>(folder, &desktop_, ns_.Attributes({}, folder));
    List();
    RebuildColumns();
}

void FileListPane::List() {
    control_.ShowBusyPointer();
    platform::ScopeExit restorePointer([this] { control_.RestorePointer(); });
    std::optional<std::vector<ItemId>> children = ns_.Children(CurrentFolderId());
    if (!children) {
        return;
    }
    rows_.reserve(children->size());
    for (ItemId& id : *children) {
        const ItemAttributes attributes = ns_.Attributes(CurrentFolderId(), id);
        rows_.emplace_back(std::move(id), current_.get(), attributes);
    }
    children.reset();
    std::sort(rows_.begin(), rows_.end(), [this](const ShellItem& a, const ShellItem& b) {
        if (a.IsFolder() != b.IsFolder()) {
            return a.IsFolder();
        }
        return ns_.CompareIds(CurrentFolderId(), 0, a.Relative(), b.Relative()) < 0;
    });
}

void FileListPane::RebuildColumns() {
    details_ = ns_.Details(CurrentFolderId());
    if (details_) {
        columns_ = DetailReportColumns(*details_);
    } else {
        columns_ = FixedReportColumns((current_->Attributes() & kAttrFileSystem) != 0);
    }
}

void FileListPane::GoUp() {
    if (current_ && !CurrentFolderId().IsEmpty()) {
        ShowFolder(CurrentFolderId().WithoutLast());
    }
}

void FileListPane::RefreshFolder() {
    if (busy_ || !current_) {
        return;
    }
    const std::optional<int> remembered = control_.FirstSelectedRow();
    control_.ClearSelection();
    const ItemId folder = CurrentFolderId();  // a copy: Show replaces the current folder
    Show(folder);
    if (remembered && *remembered < RowCount()) {
        control_.SelectRow(*remembered);
    }
}

std::string FileListPane::InFolderName(const ShellItem& item) const {
    if (current_ && item.Parent() == current_.get()) {
        return ns_.DisplayName(CurrentFolderId(), item.Relative(), NameKind::kInFolder);
    }
    const ItemId parent = item.Parent() ? item.Parent()->Absolute() : ItemId();
    return ns_.DisplayName(parent, item.Relative(), NameKind::kInFolder);
}

std::string FileListPane::FullPath(const ShellItem& item) const {
    const ItemId absolute = item.Absolute();
    std::string parsing = ns_.DisplayName({}, absolute, NameKind::kForParsing);
    if (parsing.rfind(kVirtualParsingPrefix, 0) == 0) {
        return ns_.DisplayName({}, absolute, NameKind::kNormal);
    }
    return parsing;
}

IconKind FileListPane::IconAt(int row) const {
    return ns_.Icon(CurrentFolderId(), ItemAt(row).Relative());
}

std::string FileListPane::TextAt(int row, int column) {
    ShellItem& item = rows_.at(static_cast<std::size_t>(row));
    if (column == 0) {
        return InFolderName(item);
    }
    const std::size_t count = columns_.empty() ? 0 : columns_.size() - 1;
    if (column < 0 || static_cast<std::size_t>(column) > count) {
        return {};
    }
    if (item.Details() == nullptr || item.Details()->size() < count) {
        LoadDetails(item, count);
    }
    return (*item.Details())[static_cast<std::size_t>(column) - 1];
}

void FileListPane::LoadDetails(ShellItem& item, std::size_t count) {
    std::vector<std::string> texts;
    if (details_) {
        texts.reserve(count);
        for (std::size_t c = 1; c <= count; ++c) {
            std::optional<std::string> text =
                details_->Text(item.Relative(), columns_[c].detailIndex);
            texts.push_back(text ? std::move(*text) : std::string());
        }
    } else if ((current_->Attributes() & kAttrFileSystem) != 0) {
        try {
            texts = DirectoryEntryDetails(FullPath(item), InFolderName(item), count);
        } catch (const std::runtime_error&) {
            // The row shows empty texts from now on instead of failing at every repaint.
            item.SetDetails(std::vector<std::string>(count));
            throw;
        }
    } else {
        texts.resize(count);
    }
    item.SetDetails(std::move(texts));
}

std::optional<int> FileListPane::FindRow(std::string_view text, int startRow, bool wrap) const {
    const int count = RowCount();
    const int start = std::clamp(startRow, 0, count);
    for (int row = start; row < count; ++row) {
        if (platform::StartsWithIgnoringAsciiCase(InFolderName(ItemAt(row)), text)) {
            return row;
        }
    }
    if (wrap) {
        for (int row = 0; row < start; ++row) {
            if (platform::StartsWithIgnoringAsciiCase(InFolderName(ItemAt(row)), text)) {
                return row;
            }
        }
    }
    return std::nullopt;
}

void FileListPane::OpenRow(int row) {
    const ShellItem& item = ItemAt(row);
    const ItemId absolute = item.Absolute();
    if (item.IsFolder()) {
        ShowFolder(absolute);
    } else {
        ns_.OpenWithDefaultAction(absolute);
    }
}

void FileListPane::OpenFirstSelected() {
    if (std::optional<int> row = control_.FirstSelectedRow(); row && *row < RowCount()) {
        OpenRow(*row);
    }
}

void FileListPane::DoubleClick(const std::function<void()>& afterwards) {
    OpenFirstSelected();
    if (afterwards) {
        afterwards();
    }
}

std::vector<std::string> FileListPane::SelectedFullPaths() const {
    std::vector<std::string> paths;
    for (int row = 0; row < RowCount(); ++row) {
        if (control_.IsRowSelected(row)) {
            paths.push_back(FullPathAt(row));
        }
    }
    return paths;
}

std::optional<FileListPane::RowMenu> FileListPane::ContextMenu() {
    const std::optional<int> row = control_.FirstSelectedRow();
    if (!row || *row >= RowCount()) {
        return std::nullopt;
    }
    return RowMenu{*row, ns_.ContextMenu(CurrentFolderId(), ItemAt(*row).Relative())};
}

std::vector<ShellCommand> FileListPane::SubMenu(int row, const ShellCommand& command) {
    return ns_.SubMenu(CurrentFolderId(), ItemAt(row).Relative(), command);
}

void FileListPane::RunCommand(int row, const ShellCommand& command) {
    const ShellItem& item = ItemAt(row);
    const std::string verb = Lowered(command.verb);
    if (verb == kVerbRename) {
        control_.EditCaption(row);
        return;
    }
    if (verb == kVerbProperties) {
        // The desktop has no property sheet of its own to offer: the list's window stands in.
        control_.ShowProperties(row);
        return;
    }
    const auto invoke = [&] {
        return ns_.InvokeCommand(CurrentFolderId(), item.Relative(), command);
    };
    bool done = false;
    if (verb == kVerbOpen) {
        // The item's folder: its full path up to and including the last "/".
        const std::string path = FullPath(item);
        const std::size_t slash = path.rfind('/');
        done = InDirectory(slash == std::string::npos ? std::string() : path.substr(0, slash + 1),
                           invoke);
    } else {
        done = invoke();
    }
    if (done && (verb == kVerbDelete || verb == kVerbPaste)) {
        RefreshFolder();
    }
}

bool FileListPane::RenameRow(int row, const std::string& text) {
    const ShellItem& item = ItemAt(row);
    if ((ns_.Attributes(CurrentFolderId(), item.Relative()) & kAttrCanRename) == 0) {
        return false;
    }
    std::optional<ItemId> renamed = ns_.SetNameOf(CurrentFolderId(), item.Relative(), text);
    if (!renamed) {
        throw std::runtime_error("Rename to " + text + " failed");
    }
    const ItemAttributes attributes = ns_.Attributes(CurrentFolderId(), *renamed);
    rows_[static_cast<std::size_t>(row)] =
        ShellItem(std::move(*renamed), current_.get(), attributes);
    return true;
}

ItemProperties FileListPane::PropertiesAt(int row) const {
    const ShellItem& item = ItemAt(row);
    return ReadItemProperties(InFolderName(item), FullPath(item), FullPath(*current_),
                              item.Attributes());
}

}  // namespace zembo::browser
