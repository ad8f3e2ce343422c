#pragma once
// How the desktop namespace spells its identifier elements: a kind letter, then the name of a
// file or folder, or the mount point of a volume.

#include <string_view>

#include "browser/item_id.h"

namespace zembo::browser {

enum class ElementKind : char {
    kHome = 'H',      // the user's home folder
    kComputer = 'C',  // the virtual folder of all disks
    kRoot = 'R',      // the file-system root, "/"
    kVolume = 'V',    // a mounted volume; the text is its mount point
    kFolder = 'D',    // a folder within its parent; the text is its name
    kFile = 'F',      // any other entry within its parent
};

struct Element {
    ElementKind kind = ElementKind::kFile;
    std::string_view text;
};

ItemId MakeElement(ElementKind kind, std::string_view text = {});
Element DecodeElement(std::string_view element);

// The name an element shows: "Home", "Computer", "File System", a volume's folder name, an
// entry's own name.
std::string_view ElementName(const Element& element);

// Order of two elements of one folder: Home, Computer and the root before everything else,
// then names in natural order.
int CompareElements(std::string_view a, std::string_view b);

}  // namespace zembo::browser
