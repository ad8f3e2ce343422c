#pragma once
// The detail columns of the desktop namespace's folders: Name, Size, Type and Date Modified for
// the desktop and folders on disk; Name, Type, Total Size and Free Space for Computer.

#include "browser/shell_namespace.h"

namespace zembo::browser {

class FileSystemNamespace;

class FileFolderDetails : public FolderDetails {
  public:
    FileFolderDetails(const FileSystemNamespace& ns, ItemId folder);
    std::optional<DetailColumn> Column(int index) const override;
    std::optional<std::string> Text(const ItemId& child, int column) const override;

  private:
    const FileSystemNamespace& ns_;
    ItemId folder_;
};

class ComputerDetails : public FolderDetails {
  public:
    ComputerDetails(const FileSystemNamespace& ns, ItemId folder);
    std::optional<DetailColumn> Column(int index) const override;
    std::optional<std::string> Text(const ItemId& child, int column) const override;

  private:
    const FileSystemNamespace& ns_;
    ItemId folder_;
};

}  // namespace zembo::browser
