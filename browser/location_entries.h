#pragma once
// The entries of the location combo box: the desktop, its folders, Computer's disks below
// Computer, and the chain of folders from the nearest of these down to the folder the file list
// shows. Each entry is a shell item whose chain of parents gives its level: 0 for the desktop,
// 1 for its folders, 2 for Computer's, one more for every step further down.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "browser/shell_item.h"
#include "browser/shell_namespace.h"

namespace zembo::browser {

class LocationEntries {
  public:
    // desktop: the file list's desktop item, the parent of the root entry; neither is owned.
    LocationEntries(ShellNamespace& ns, const ShellItem& desktop);
    LocationEntries(const LocationEntries&) = delete;
    LocationEntries& operator=(const LocationEntries&) = delete;

    // Called around every change of the entries, so that a view can follow.
    void SetChangeHooks(std::function<void()> before, std::function<void()> after);

    // The standard entries, entry 0 selected. Throws std::runtime_error with the system's text
    // when the desktop or Computer cannot be listed; the entries made until then stay.
    void Build();

    // The file list is about to show folder: the entries are rebuilt around it and its entry
    // selected, unless the selected entry stands for it already. Ignored while busy.
    void Follow(const ItemId& folder);

    // The user chose the entry at index: the entries are rebuilt around its folder, which is
    // then handed to showFolder unless the drop-down list is still open. Requests to follow that
    // arrive meanwhile are ignored.
    void Choose(int index, bool dropDownOpen, const std::function<void(const ItemId&)>& showFolder);

    int Count() const { return static_cast<int>(entries_.size()); }
    // -1 before the first build.
    int Selected() const { return selected_; }
    const ShellItem& ItemAt(int index) const;
    ItemId FolderAt(int index) const { return ItemAt(index).Absolute(); }
    std::string CaptionAt(int index) const;
    int LevelAt(int index) const { return ItemAt(index).Level(); }
    IconKind IconAt(int index) const;
    // The full path of an entry, for the picture of a file-system folder.
    std::string FullPathAt(int index) const;
    bool Busy() const { return busy_; }

  private:
    // Runs change between the change hooks.
    template <class F>
    void Changing(F change);
    void BuildStandard();
    void Rebuild(const ItemId& folder);
    void AddFolderChildren(const ShellItem& parent, std::size_t at);
    // The index of the entry standing for folder, searched from the bottom up; -1 when none.
    int Find(const ItemId& folder) const;
    void Clear();

    ShellNamespace& ns_;
    const ShellItem& desktop_;
    // Items point at their parents, so each keeps its place in memory.
    std::vector<std::unique_ptr<ShellItem>> entries_;
    int selected_ = -1;
    bool busy_ = false;
    std::function<void()> beforeChange_;
    std::function<void()> afterChange_;
};

}  // namespace zembo::browser
