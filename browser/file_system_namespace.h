#pragma once
// The desktop namespace over this computer's file system. The desktop holds Home, Computer and
// the entries of the desktop folder; Computer holds the file-system root and the user's mounted
// volumes; every other folder is a folder on disk. Hidden entries are left out.

#include <memory>
#include <optional>
#include <string>

#include "browser/file_system_layout.h"
#include "browser/shell_namespace.h"
#include "platform/default_opener.h"

namespace zembo::browser {

class FileSystemNamespace : public ShellNamespace {
  public:
    FileSystemNamespace(FileSystemLayout layout, std::unique_ptr<platform::DefaultOpener> opener);

    std::optional<std::vector<ItemId>> Children(const ItemId& folder) override;
    ItemId ComputerId() const override;
    int CompareIds(const ItemId& folder, int column, const ItemId& a,
                   const ItemId& b) const override;
    ItemAttributes Attributes(const ItemId& folder, const ItemId& item) const override;
    std::string DisplayName(const ItemId& folder, const ItemId& item, NameKind kind) const override;
    IconKind Icon(const ItemId& folder, const ItemId& item) const override;
    std::unique_ptr<FolderDetails> Details(const ItemId& folder) const override;
    void OpenWithDefaultAction(const ItemId& item) override;

    // The file-system path of an item given from the desktop; nullopt for the desktop and
    // Computer.
    std::optional<std::string> PathOf(const ItemId& item) const;

    // The identifier from the desktop of an absolute path, reached through Computer and the
    // file-system root.
    ItemId IdOfPath(const std::string& path) const;

  private:
    FileSystemLayout layout_;
    std::unique_ptr<platform::DefaultOpener> opener_;
};

}  // namespace zembo::browser
