#include "browser/shell_item.h"

namespace zembo::browser {

ShellItem::ShellItem(ItemId relative, const ShellItem* parent, ItemAttributes attributes)
    : relative_(std::move(relative)), parent_(parent), attributes_(attributes) {}

ItemId ShellItem::Absolute() const {
    return parent_ == nullptr ? relative_ : parent_->Absolute() + relative_;
}

int ShellItem::Level() const {
    int ancestors = 0;
    for (const ShellItem* p = parent_; p != nullptr; p = p->parent_) {
        ++ancestors;
    }
    return ancestors == 0 ? 0 : ancestors - 1;
}

void ShellItem::SetDetails(std::vector<std::string> details) {
    if (details_) {
        *details_ = std::move(details);
    } else {
        details_ = std::make_unique<std::vector<std::string>>(std::move(details));
    }
}

}  // namespace zembo::browser
