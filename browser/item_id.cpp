#include "browser/item_id.h"

#include <stdexcept>

namespace zembo::browser {

ItemId ItemId::FromElement(std::string_view element) {
    if (element.empty() || element.find('\0') != std::string_view::npos) {
        throw std::invalid_argument("bad identifier element");
    }
    std::string bytes;
    bytes.reserve(element.size() + 1);
    bytes.append(element);
    bytes.push_back('\0');
    return ItemId(std::move(bytes));
}

std::size_t ItemId::ElementCount() const {
    std::size_t count = 0;
    for (char c : bytes_) {
        count += c == '\0' ? 1 : 0;
    }
    return count;
}

std::string_view ItemId::Element(std::size_t index) const {
    std::string_view found;
    std::size_t i = 0;
    ForEachElement([&](std::string_view e) {
        if (i++ == index) {
            found = e;
        }
    });
    return found;
}

std::string_view ItemId::LastElement() const {
    if (bytes_.empty()) {
        return {};
    }
    // Elements are never empty, so the NUL before the final one ends the element before it.
    const std::size_t end = bytes_.size() - 1;
    const std::size_t before = bytes_.rfind('\0', end - 1);
    const std::size_t start = before == std::string::npos ? 0 : before + 1;
    return std::string_view(bytes_).substr(start, end - start);
}

ItemId ItemId::operator+(const ItemId& relative) const {
    return ItemId(bytes_ + relative.bytes_);
}

ItemId ItemId::WithoutLast() const {
    std::string_view last = LastElement();
    return ItemId(bytes_.substr(0, bytes_.size() - (bytes_.empty() ? 0 : last.size() + 1)));
}

ItemId ItemId::Last() const {
    if (bytes_.empty()) {
        return {};
    }
    return FromElement(LastElement());
}

}  // namespace zembo::browser
