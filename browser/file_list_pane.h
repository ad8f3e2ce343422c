#pragma once
// The file list's logic: the current folder and its rows, navigation, the report columns, the
// texts of the rows as the control draws them, the type-ahead search, what a double click or
// Enter does, the context menu's commands and in-place renaming. Rows and columns come from a shell
// namespace; the selection belongs to the list control.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "browser/item_properties.h"
#include "browser/list_control.h"
#include "browser/report_columns.h"
#include "browser/shell_item.h"
#include "browser/shell_namespace.h"

namespace zembo::browser {

class FileListPane {
  public:
    // Neither is owned; both must outlive the pane. Nothing is shown until ShowFolder.
    FileListPane(ShellNamespace& ns, ListControl& control);
    FileListPane(const FileListPane&) = delete;
    FileListPane& operator=(const FileListPane&) = delete;

    // Makes the folder with that identifier from the desktop the current folder and lists it.
    // Ignored while a folder is being shown, and when it is the current folder already.
    void ShowFolder(const ItemId& folder);
    // The location combo box that follows the list: told of every folder about to be shown
    // (also when it is read again), before the list is refilled.
    void SetFollower(std::function<void(const ItemId&)> follower) {
        follower_ = std::move(follower);
    }

    // Shows the parent of the current folder; nothing at the desktop.
    void GoUp();
    // Reads the current folder again and selects the row that had the number of the first
    // selected row, if the folder still has that many rows.
    void RefreshFolder();

    ShellNamespace& Namespace() const { return ns_; }
    const ShellItem& Desktop() const { return desktop_; }
    // nullptr before the first folder is shown.
    const ShellItem* CurrentFolder() const { return current_.get(); }
    // The current folder's identifier from the desktop (its parent is the desktop, so that is
    // its relative one); the desktop's before the first folder is shown.
    const ItemId& CurrentFolderId() const {
        return current_ ? current_->Relative() : desktop_.Relative();
    }

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const ShellItem& ItemAt(int row) const;
    const std::vector<ReportColumn>& Columns() const { return columns_; }

    std::string InFolderName(const ShellItem& item) const;
    // A file-system item's path; a virtual item's plain display name.
    std::string FullPath(const ShellItem& item) const;
    std::string FullPathAt(int row) const { return FullPath(ItemAt(row)); }
    IconKind IconAt(int row) const;

    // The text of a row in a column: the caption in column 0, else a detail, loaded with the
    // row's other details on first need and kept in the row's item. Throws when the details of a
    // folder without detail interface cannot be read.
    std::string TextAt(int row, int column);

    // The first row whose caption begins with text, letters a to z compared as capitals: rows
    // from startRow to the last, then, with wrap, from row 0 to the one before startRow.
    std::optional<int> FindRow(std::string_view text, int startRow, bool wrap) const;

    // Enter: the first selected row's folder is shown, any other item opened with its default
    // action.
    void OpenFirstSelected();
    // A double click: as Enter, then always afterwards (the window's own double-click action).
    void DoubleClick(const std::function<void()>& afterwards);

    // The full path of every selected row, in row order.
    std::vector<std::string> SelectedFullPaths() const;

    ItemProperties PropertiesAt(int row) const;

    // The context menu of the first selected row (also when several are selected): the row and
    // its item's commands. nullopt, and no menu, without a selected row.
    struct RowMenu {
        int row = 0;
        std::vector<ShellCommand> commands;
    };
    std::optional<RowMenu> ContextMenu();
    std::vector<ShellCommand> SubMenu(int row, const ShellCommand& command);
    // Carries out a command of row's menu. "rename" opens the edit box and "properties" the
    // properties window; the rest go to the namespace: "open" with the current directory at the
    // item's folder meanwhile, "delete" and "paste" followed by a refresh when they succeed.
    void RunCommand(int row, const ShellCommand& command);

    // The in-place edit box of row ended with text. Nothing happens when the item may not be
    // renamed (false); a renaming the namespace refuses throws "Rename to <text> failed". On
    // success the row's item takes its new identifier; the rows are not sorted again.
    bool RenameRow(int row, const std::string& text);

  private:
    void Show(const ItemId& folder);
    void List();
    void RebuildColumns();
    void LoadDetails(ShellItem& item, std::size_t count);
    void OpenRow(int row);

    ShellNamespace& ns_;
    ListControl& control_;
    ShellItem desktop_;
    std::unique_ptr<ShellItem> current_;
    std::unique_ptr<FolderDetails> details_;  // the current folder's, when it has them
    std::vector<ShellItem> rows_;
    std::vector<ReportColumn> columns_;
    std::function<void(const ItemId&)> follower_;
    bool busy_ = false;
};

}  // namespace zembo::browser
