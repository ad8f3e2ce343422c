#pragma once
// The clip list of the next patch: paths in the order they came, each ticked for DirectShow or
// unticked for Video for Windows, with at most one entry selected.

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace zembo {

// The list refused another entry.
class EClipListError : public std::runtime_error {
  public:
    EClipListError() : std::runtime_error("Unable to insert a line") {}
};

// Told of every change, so that an on-screen list can mirror the entries.
class ClipListObserver {
  public:
    virtual ~ClipListObserver() = default;
    virtual void BeforeInsert(int /*first*/, int /*last*/) {}
    virtual void AfterInsert() {}
    virtual void BeforeRemove(int /*first*/, int /*last*/) {}
    virtual void AfterRemove() {}
    virtual void TickChanged(int /*index*/) {}
    virtual void SelectionChanged() {}
};

// Whether AddClip leaves a path unticked: its extension (after the last ".", provided no "\", "/"
// or ":" follows it) is exactly ".avi", letter case counting.
bool HasVideoForWindowsExtension(const std::string& path);

class ClipList {
  public:
    static constexpr int kNoSelection = -1;

    // maxEntries: how many rows the list can hold at most (the on-screen list counts rows in int).
    explicit ClipList(int maxEntries = std::numeric_limits<int>::max());

    void SetObserver(ClipListObserver* observer) { observer_ = observer; }

    // From the file browser: unticked when the path ends in exactly ".avi", ticked otherwise.
    void AddClip(const std::string& path);
    // From an imported patch: always unticked.
    void AppendClip(const std::string& path);

    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& PathAt(int index) const { return entries_.at(Index(index)).path; }
    bool IsTicked(int index) const { return entries_.at(Index(index)).ticked; }

    // Flips the tick of an entry; an index outside the list does nothing.
    void ToggleTick(int index);

    int Selected() const { return selected_; }
    // Selects one entry, or none with kNoSelection (or any index outside the list).
    void Select(int index);

    // Removes the selected entry, if any; afterwards nothing is selected.
    void DeleteSelected();
    void Clear();

  private:
    struct Entry {
        std::string path;
        bool ticked = false;
    };

    static std::size_t Index(int index) { return static_cast<std::size_t>(index); }
    void Append(const std::string& path, bool ticked);

    std::vector<Entry> entries_;
    int selected_ = kNoSelection;
    int maxEntries_;
    ClipListObserver* observer_ = nullptr;
};

}  // namespace zembo
