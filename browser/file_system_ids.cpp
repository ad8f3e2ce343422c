#include "browser/file_system_ids.h"

#include <string>

#include "browser/natural_order.h"

namespace zembo::browser {
namespace {

int Rank(ElementKind kind) {
    switch (kind) {
        case ElementKind::kHome:
            return 0;
        case ElementKind::kComputer:
            return 1;
        case ElementKind::kRoot:
            return 2;
        default:
            return 3;
    }
}

}  // namespace

ItemId MakeElement(ElementKind kind, std::string_view text) {
    std::string bytes(1, static_cast<char>(kind));
    bytes.append(text);
    return ItemId::FromElement(bytes);
}

Element DecodeElement(std::string_view element) {
    if (element.empty()) {
        return {};
    }
    return Element{static_cast<ElementKind>(element.front()), element.substr(1)};
}

std::string_view ElementName(const Element& element) {
    switch (element.kind) {
        case ElementKind::kHome:
            return "Home";
        case ElementKind::kComputer:
            return "Computer";
        case ElementKind::kRoot:
            return "File System";
        case ElementKind::kVolume: {
            const std::size_t slash = element.text.rfind('/');
            return slash == std::string_view::npos ? element.text : element.text.substr(slash + 1);
        }
        default:
            return element.text;
    }
}

int CompareElements(std::string_view a, std::string_view b) {
    const Element ea = DecodeElement(a);
    const Element eb = DecodeElement(b);
    if (int ra = Rank(ea.kind), rb = Rank(eb.kind); ra != rb) {
        return ra < rb ? -1 : 1;
    }
    if (int c = NaturalCompare(ElementName(ea), ElementName(eb)); c != 0) {
        return c;
    }
    // Same name: two volumes mounted under different folders, or a kind letter apart.
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

}  // namespace zembo::browser
