#pragma once
// One item of the file list: a row, the current folder, or the desktop. A folder can hold a
// hundred thousand rows, so an item keeps only its identifier relative to its parent, the parent
// itself and, once the list has asked for them, its detail texts.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "browser/item_id.h"
#include "browser/shell_namespace.h"

namespace zembo::browser {

class ShellItem {
  public:
    // An item of parent (not owned; nullptr for the desktop).
    ShellItem(ItemId relative, const ShellItem* parent, ItemAttributes attributes);

    const ItemId& Relative() const { return relative_; }
    // The parent's identifier from the desktop followed by the relative one.
    ItemId Absolute() const;
    const ShellItem* Parent() const { return parent_; }
    // The number of ancestors less one; 0 for an item made without a parent.
    int Level() const;

    ItemAttributes Attributes() const { return attributes_; }
    bool IsFolder() const { return (attributes_ & kAttrFolder) != 0; }

    // Detail texts of columns 1 and on, as far as they were loaded; nullptr before the first load.
    const std::vector<std::string>* Details() const { return details_.get(); }
    void SetDetails(std::vector<std::string> details);

  private:
    ItemId relative_;
    const ShellItem* parent_;
    // Only rows that have been drawn carry texts.
    std::unique_ptr<std::vector<std::string>> details_;
    ItemAttributes attributes_;
};

}  // namespace zembo::browser
