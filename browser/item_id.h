#pragma once
// An item's identifier in a shell namespace: a chain of elements, one per step down from the
// desktop. The empty chain is the desktop itself. What an element holds is the namespace's own
// business; the file list only chains, compares and shortens identifiers.

#include <cstddef>
#include <string>
#include <string_view>

namespace zembo::browser {

class ItemId {
  public:
    ItemId() = default;
    // A one-element identifier; element must not be empty nor contain a NUL byte.
    static ItemId FromElement(std::string_view element);

    bool IsEmpty() const { return bytes_.empty(); }
    std::size_t ElementCount() const;
    // The element at index, 0 the first.
    std::string_view Element(std::size_t index) const;
    std::string_view LastElement() const;

    // This identifier followed by the elements of relative.
    ItemId operator+(const ItemId& relative) const;
    // This identifier less its last element; the desktop stays the desktop.
    ItemId WithoutLast() const;
    // The last element alone (the desktop for the desktop).
    ItemId Last() const;

    bool operator==(const ItemId& other) const = default;

    // Walks the elements in order.
    template <typename F>
    void ForEachElement(F&& f) const {
        std::size_t start = 0;
        while (start < bytes_.size()) {
            std::size_t end = bytes_.find('\0', start);
            f(std::string_view(bytes_).substr(start, end - start));
            start = end + 1;
        }
    }

  private:
    explicit ItemId(std::string bytes) : bytes_(std::move(bytes)) {}

    // Every element followed by a NUL byte: one string for the whole chain keeps a row small.
    std::string bytes_;
};

}  // namespace zembo::browser
