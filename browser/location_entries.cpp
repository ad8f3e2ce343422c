#include "browser/location_entries.h"

#include <algorithm>
#include <stdexcept>

#include "platform/last_error.h"
#include "platform/scope_exit.h"

namespace zembo::browser {

LocationEntries::LocationEntries(ShellNamespace& ns, const ShellItem& desktop)
    : ns_(ns), desktop_(desktop) {}

void LocationEntries::SetChangeHooks(std::function<void()> before, std::function<void()> after) {
    beforeChange_ = std::move(before);
    afterChange_ = std::move(after);
}

const ShellItem& LocationEntries::ItemAt(int index) const {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("no such location entry");
    }
    return *entries_[static_cast<std::size_t>(index)];
}

std::string LocationEntries::CaptionAt(int index) const {
    const ShellItem& item = ItemAt(index);
    const ItemId parent = item.Parent() != nullptr ? item.Parent()->Absolute() : ItemId();
    return ns_.DisplayName(parent, item.Relative(), NameKind::kInFolder);
}

IconKind LocationEntries::IconAt(int index) const {
    const ShellItem& item = ItemAt(index);
    const ItemId parent = item.Parent() != nullptr ? item.Parent()->Absolute() : ItemId();
    return ns_.Icon(parent, item.Relative());
}

std::string LocationEntries::FullPathAt(int index) const {
    return ns_.DisplayName({}, FolderAt(index), NameKind::kForParsing);
}

int LocationEntries::Find(const ItemId& folder) const {
    for (int i = Count() - 1; i >= 0; --i) {
        if (ns_.CompareIds({}, 0, FolderAt(i), folder) == 0) {
            return i;
        }
    }
    return -1;
}

void LocationEntries::Clear() {
    entries_.clear();
    selected_ = -1;
}

void LocationEntries::AddFolderChildren(const ShellItem& parent, std::size_t at) {
    const ItemId folder = parent.Absolute();
    std::optional<std::vector<ItemId>> children = ns_.Children(folder);
    if (!children) {
        throw std::runtime_error(platform::LastErrorText());
    }
    std::vector<std::unique_ptr<ShellItem>> folders;
    for (ItemId& id : *children) {
        const ItemAttributes attributes = ns_.Attributes(folder, id);
        if ((attributes & kAttrFolder) != 0) {
            folders.push_back(std::make_unique<ShellItem>(std::move(id), &parent, attributes));
        }
    }
    std::sort(folders.begin(), folders.end(), [&](const auto& a, const auto& b) {
        return ns_.CompareIds(folder, 0, a->Relative(), b->Relative()) < 0;
    });
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at),
                    std::make_move_iterator(folders.begin()),
                    std::make_move_iterator(folders.end()));
}

void LocationEntries::Build() {
    Changing([this] { BuildStandard(); });
}

template <class F>
void LocationEntries::Changing(F change) {
    if (beforeChange_) {
        beforeChange_();
    }
    platform::ScopeExit changed([this] {
        if (afterChange_) {
            afterChange_();
        }
    });
    change();
}

void LocationEntries::BuildStandard() {
    Clear();
    // The root entry hangs below the desktop item, so that the desktop's folders get level 1.
    entries_.push_back(std::make_unique<ShellItem>(ItemId(), &desktop_, desktop_.Attributes()));
    selected_ = 0;
    AddFolderChildren(*entries_.front(), 1);
    const ItemId computer = ns_.ComputerId();
    if (computer.IsEmpty()) {
        return;
    }
    if (const int at = Find(computer); at >= 0) {
        AddFolderChildren(ItemAt(at), static_cast<std::size_t>(at) + 1);
    }
}

void LocationEntries::Rebuild(const ItemId& folder) {
    Changing([&] {
        BuildStandard();
        // ancestors[k]: the folder's ancestor k steps up, the last one the desktop.
        std::vector<ItemId> ancestors{folder};
        while (!ancestors.back().IsEmpty()) {
            ancestors.push_back(ancestors.back().WithoutLast());
        }
        // The nearest ancestor with an entry (the desktop always has one), and below it an entry
        // for every ancestor further down, then one for the folder unless it has one already.
        std::size_t nearest = ancestors.size() - 1;
        int at = 0;
        for (std::size_t k = 1; k < ancestors.size(); ++k) {
            if (const int i = Find(ancestors[k]); i >= 0) {
                nearest = k;
                at = i;
                break;
            }
        }
        const std::size_t last = Find(folder) >= 0 ? 1 : 0;
        const ShellItem* parent = entries_[static_cast<std::size_t>(at)].get();
        auto insertAt = entries_.begin() + at + 1;
        for (std::size_t k = nearest; k-- > last;) {
            const ItemId& step = ancestors[k];
            auto item = std::make_unique<ShellItem>(
                step.Last(), parent, ns_.Attributes(step.WithoutLast(), step.Last()));
            parent = item.get();
            insertAt = entries_.insert(insertAt, std::move(item)) + 1;
        }
        selected_ = Find(folder);
    });
}

void LocationEntries::Follow(const ItemId& folder) {
    if (busy_) {
        return;
    }
    if (selected_ >= 0 && ns_.CompareIds({}, 0, FolderAt(selected_), folder) == 0) {
        return;
    }
    busy_ = true;
    platform::ScopeExit notBusy([this] { busy_ = false; });
    Rebuild(folder);
}

void LocationEntries::Choose(int index, bool dropDownOpen,
                             const std::function<void(const ItemId&)>& showFolder) {
    const ItemId folder = FolderAt(index);
    busy_ = true;
    platform::ScopeExit notBusy([this] { busy_ = false; });
    Rebuild(folder);
    if (!dropDownOpen && showFolder) {
        showFolder(folder);
    }
}

}  // namespace zembo::browser
