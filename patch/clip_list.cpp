#include "patch/clip_list.h"

#include <new>

namespace zembo {

bool HasVideoForWindowsExtension(const std::string& path) {
    std::size_t pos = path.find_last_of(".\\/:");
    if (pos == std::string::npos || path[pos] != '.') {
        return false;
    }
    return path.compare(pos, std::string::npos, ".avi") == 0;
}

ClipList::ClipList(int maxEntries) : maxEntries_(maxEntries) {}

void ClipList::Append(const std::string& path, bool ticked) {
    if (Count() >= maxEntries_) {
        throw EClipListError();
    }
    const int row = Count();
    try {
        entries_.reserve(entries_.size() + 1);
        Entry entry{path, ticked};
        if (observer_ != nullptr) {
            observer_->BeforeInsert(row, row);
        }
        entries_.push_back(std::move(entry));
    } catch (const std::bad_alloc&) {
        throw EClipListError();
    } catch (const std::length_error&) {
        throw EClipListError();
    }
    if (observer_ != nullptr) {
        observer_->AfterInsert();
    }
}

void ClipList::AddClip(const std::string& path) {
    Append(path, !HasVideoForWindowsExtension(path));
}

void ClipList::AppendClip(const std::string& path) {
    Append(path, false);
}

void ClipList::ToggleTick(int index) {
    if (index < 0 || index >= Count()) {
        return;
    }
    entries_[Index(index)].ticked = !entries_[Index(index)].ticked;
    if (observer_ != nullptr) {
        observer_->TickChanged(index);
    }
}

void ClipList::Select(int index) {
    int next = (index >= 0 && index < Count()) ? index : kNoSelection;
    if (next == selected_) {
        return;
    }
    selected_ = next;
    if (observer_ != nullptr) {
        observer_->SelectionChanged();
    }
}

void ClipList::DeleteSelected() {
    if (selected_ == kNoSelection) {
        return;
    }
    const int row = selected_;
    selected_ = kNoSelection;
    if (observer_ != nullptr) {
        observer_->BeforeRemove(row, row);
    }
    entries_.erase(entries_.begin() + row);
    if (observer_ != nullptr) {
        observer_->AfterRemove();
        observer_->SelectionChanged();
    }
}

void ClipList::Clear() {
    const bool hadSelection = selected_ != kNoSelection;
    selected_ = kNoSelection;
    if (entries_.empty()) {
        return;
    }
    if (observer_ != nullptr) {
        observer_->BeforeRemove(0, Count() - 1);
    }
    entries_.clear();
    if (observer_ != nullptr) {
        observer_->AfterRemove();
        if (hadSelection) {
            observer_->SelectionChanged();
        }
    }
}

}  // namespace zembo
