#pragma once
// The desktop namespace over this computer's file system. The desktop holds Home, Computer and
// the entries of the desktop folder; Computer holds the file-system root and the user's mounted
// volumes; every other folder is a folder on disk. Hidden entries are left out.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "browser/desktop_services.h"
#include "browser/file_system_layout.h"
#include "browser/shell_namespace.h"
#include "platform/default_opener.h"
#include "platform/trash.h"

namespace zembo::browser {

class FileSystemNamespace : public ShellNamespace {
  public:
    // Without desktop services the commands that need the desktop (opening, the clipboard) fail
    // and tell nobody.
    FileSystemNamespace(FileSystemLayout layout, std::unique_ptr<platform::DefaultOpener> opener,
                        std::unique_ptr<DesktopServices> desktop = nullptr);

    std::optional<std::vector<ItemId>> Children(const ItemId& folder) override;
    ItemId ComputerId() const override;
    int CompareIds(const ItemId& folder, int column, const ItemId& a,
                   const ItemId& b) const override;
    ItemAttributes Attributes(const ItemId& folder, const ItemId& item) const override;
    std::string DisplayName(const ItemId& folder, const ItemId& item, NameKind kind) const override;
    IconKind Icon(const ItemId& folder, const ItemId& item) const override;
    std::unique_ptr<FolderDetails> Details(const ItemId& folder) const override;
    void OpenWithDefaultAction(const ItemId& item) override;
    std::vector<ShellCommand> ContextMenu(const ItemId& folder, const ItemId& item) override;
    std::vector<ShellCommand> SubMenu(const ItemId& folder, const ItemId& item,
                                      const ShellCommand& command) override;
    bool InvokeCommand(const ItemId& folder, const ItemId& item,
                       const ShellCommand& command) override;
    std::optional<ItemId> SetNameOf(const ItemId& folder, const ItemId& item,
                                    const std::string& name) override;

    // Where "Move to Trash" puts items; the user's trash unless told otherwise.
    void SetTrashPlaces(platform::TrashPlaces places) { trash_ = std::move(places); }
    // Whether the user may make and rename entries in a folder; the system's answer unless told
    // otherwise (the superuser may write everywhere, so tests tell).
    void SetWritableTest(std::function<bool(const std::string& folder)> test) {
        writable_ = std::move(test);
        writableCache_.reset();
    }

    // The file-system path of an item given from the desktop; nullopt for the desktop and
    // Computer.
    std::optional<std::string> PathOf(const ItemId& item) const;

    // The identifier from the desktop of an absolute path, reached through Computer and the
    // file-system root.
    ItemId IdOfPath(const std::string& path) const;

  private:
    bool CanWriteIn(const ItemId& folder) const;
    bool Fail(const std::string& message);
    bool Paste(const std::string& folder);

    FileSystemLayout layout_;
    std::unique_ptr<platform::DefaultOpener> opener_;
    std::unique_ptr<DesktopServices> desktop_;
    platform::TrashPlaces trash_;
    std::function<bool(const std::string&)> writable_;
    // The writability of the folder last asked about: a listing asks once for every row. A new
    // listing asks afresh.
    mutable std::optional<std::pair<ItemId, bool>> writableCache_;
};

}  // namespace zembo::browser
